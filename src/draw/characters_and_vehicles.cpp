#include "draw/characters_and_vehicles.h"

namespace {

using Names8 = std::array<std::string_view, 8>;
using Names6 = std::array<std::string_view, 6>;

constexpr std::array<Names8, 3> kCharacterNames = {{
    {"チビポロンタ", "チビガルボッタ", "チビミルフィ", "チビシエルナン", "モグリン", "モグリナ",
     "テクテク", "ケムリ"},
    {"ポロン", "ガルボン", "ミルハ", "シエルナ", "ドラッピ", "フワリーヌ", "ピッピモンドール",
     "ボルダッチ"},
    {"ゴルバ", "ゴルバーノ", "グラントロール", "ドガン", "オニバルカン", "リュミエ",
     "ビッグモンドール", "クロゴルバ"},
}};

constexpr std::array<Names6, 6> kVehicleNames = {{
    {"ベーシック・マシーンS", "マイクロランナーズ", "リトル・ブースター", "スイスイフロート",
     "サンドホッパ", "ミストラルジェト"},
    {"ベーシック・マシーンM", "レトロモダン", "サンダーホーン", "ペンギンワゴン号", "メロディアス",
     "プラズマレイド"},
    {"ベーシック・マシーンL", "デザートクローラ", "ボルケーノクルーザー", "ガブガブローダ",
     "スカイスライダー", "ジョーカー"},
    {"ベーシック・ライダーS", "ミサイルバード", "プチスクータ", "ホワイトヘロン",
     "ムーン・ライト・ワルツ", "コロコロボンバ"},
    {"ベーシック・ライダーM", "イナズマ・ゼロ", "マシュマロ", "タランテラ", "ストームライナー",
     "マーメイドテール"},
    {"ベーシック・ライダーL", "ギガントホイール", "ゴルババイク", "ギャラクシーロード",
     "ブラックランス", "ミラージュ"},
}};

static_assert(namesFit<CharacterRoster>(kCharacterNames), "a character's name overflows its slot");
static_assert(namesFit<VehicleRoster>(kVehicleNames), "a vehicle's name overflows its slot");

}  // namespace

CharacterRoster startingCharacterRoster() {
  return rosterFromNames<CharacterRoster>(kCharacterNames);
}

VehicleRoster startingVehicleRoster() {
  return rosterFromNames<VehicleRoster>(kVehicleNames);
}
