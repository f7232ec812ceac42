#include "draw/vehicle_screen.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/dialogue_runner.h"

namespace {

const std::string kVehicleScreen =
    "1-1:  ベーシック・マシーンS　　　 1-2:     マイクロランナーズ\n"
    "1-3:     リトル・ブースター　　　 1-4:       スイスイフロート\n"
    "1-5:           サンドホッパ　　　 1-6:       ミストラルジェト\n"
    "2-1:  ベーシック・マシーンM　　　 2-2:           レトロモダン\n"
    "2-3:         サンダーホーン　　　 2-4:       ペンギンワゴン号\n"
    "2-5:           メロディアス　　　 2-6:         プラズマレイド\n"
    "3-1:  ベーシック・マシーンL　　　 3-2:       デザートクローラ\n"
    "3-3:   ボルケーノクルーザー　　　 3-4:         ガブガブローダ\n"
    "3-5:       スカイスライダー　　　 3-6:             ジョーカー\n"
    "4-1:  ベーシック・ライダーS　　　 4-2:         ミサイルバード\n"
    "4-3:           プチスクータ　　　 4-4:         ホワイトヘロン\n"
    "4-5: ムーン・ライト・ワルツ　　　 4-6:         コロコロボンバ\n"
    "5-1:  ベーシック・ライダーM　　　 5-2:         イナズマ・ゼロ\n"
    "5-3:             マシュマロ　　　 5-4:             タランテラ\n"
    "5-5:       ストームライナー　　　 5-6:       マーメイドテール\n"
    "6-1:  ベーシック・ライダーL　　　 6-2:       ギガントホイール\n"
    "6-3:           ゴルババイク　　　 6-4:     ギャラクシーロード\n"
    "6-5:         ブラックランス　　　 6-6:             ミラージュ\n"
    "\n7-1:ﾐｻｲﾙﾊﾞｰﾄﾞ、ｲﾅｽﾞﾏｾﾞﾛ、ｷﾞｶﾞﾝﾄﾎｲｰﾙ、ﾘﾄﾙﾌﾞｰｽﾀｰ禁止\n"
    "7-2:ﾑｰﾝﾗｲﾄﾜﾙﾂ、ﾏｰﾒｲﾄﾞﾃｰﾙ、ｽﾄｰﾑﾗｲﾅｰ禁止\n"
    "7-3:[7-1]+[7-2]\n"
    "7-4:ﾘﾄﾙﾌﾞｰｽﾀｰ、ｻﾝﾀﾞｰﾎｰﾝ、ｼﾞｮｰｶｰ禁止\n"
    "7-5:カート限定　7-6:バイク限定　7-7:すべて解禁\n"
    "　7-8:すべて禁止8:キャラ縛りを設定する\n0:設定終了\n"
    "\n□マシンの縛り選択\n(○-○の形式で選択、選択しなおせば戻る。「-」がついたマシンは出現しない):";

// Runs the vehicle screen once per line of `input`, from the given state.
struct Screens {
  explicit Screens(std::string input, Encoding encoding = Encoding::utf8)
      : in(std::move(input)), console(in, out, encoding) {}
  void run(int times = 1) {
    for (int i = 0; i < times; ++i) {
      runVehicleScreen(console, state, vehicles);
    }
    flush(console);
  }
  std::istringstream in;
  std::ostringstream out;
  Console console;
  EditorState state;
  VehicleRoster vehicles = startingVehicleRoster();
};

}  // namespace

TEST(VehicleScreen, ShowsEveryGroupAndThePresetsByteForByte) {
  Screens s("0\n");
  s.run();
  EXPECT_EQ(s.out.str(), kVehicleScreen);
  EXPECT_EQ(s.state.group, 0);

  Screens cp932("0\n", Encoding::cp932);
  cp932.run();
  EXPECT_EQ(cp932.out.str(), toCp932(kVehicleScreen));
}

TEST(VehicleScreen, TogglesAndShowsTheFlag) {
  Screens s("1-2\n0\n1-2\n");
  s.run(2);
  EXPECT_EQ(flagOf(s.vehicles, 1, 2), kBanned);
  EXPECT_NE(s.out.str().find("1-2:    -マイクロランナーズ\n"), std::string::npos);
  s.run();
  EXPECT_EQ(flagOf(s.vehicles, 1, 2), kAllowed);
}

TEST(VehicleScreen, SingleNumbersReuseTheLastEntryNumber) {
  Screens s("1-2\n5\n1-3\n7\n4\n8\n");
  s.run(2);  // 5 alone toggles 5-2: it does not switch screens here
  EXPECT_EQ(flagOf(s.vehicles, 5, 2), kBanned);
  EXPECT_EQ(s.state.screen, EditorScreen::ask);
  s.run(2);  // 7 alone after 1-3 applies preset 7-3
  EXPECT_EQ(flagOf(s.vehicles, 5, 5), kBanned);
  EXPECT_EQ(flagOf(s.vehicles, 1, 3), kBanned);  // banned by 1-3, and 7-3 never allows
  s.run();                                       // 4 alone toggles a light bike
  EXPECT_EQ(flagOf(s.vehicles, 4, 3), kBanned);
  s.run();  // 8 switches to the character screen on the next cycle
  EXPECT_EQ(s.state.screen, EditorScreen::characters);
  EXPECT_EQ(s.state.group, 8);
}

TEST(VehicleScreen, EntriesOutsideTheGroupAreRefusedAndNothingChanges) {
  // Before any pair the entry number is 0, so a single 3 names no vehicle.
  Screens s("3\n1-7 2-2\n6-0\n-1-1\n0\n");
  s.run();
  EXPECT_EQ(s.state.group, -1);
  EXPECT_EQ(s.state.entry, 1);
  s.run();
  EXPECT_EQ(s.state.group, 0);
  std::string prompt = "(○-○の形式で選択、選択しなおせば戻る。「-」がついたマシンは出現しない):";
  std::string refused = prompt + "□その番号のマシンはありません\n\n□マシンの縛り選択\n" + prompt;
  std::string out = s.out.str();
  size_t first = out.find(refused);
  ASSERT_NE(first, std::string::npos);
  size_t second = out.find(refused, first + 1);
  ASSERT_NE(second, std::string::npos);
  EXPECT_NE(out.find(refused, second + 1), std::string::npos);
  for (int g = 1; g <= 6; ++g) {
    for (int e = 1; e <= 6; ++e) {
      EXPECT_EQ(flagOf(s.vehicles, g, e), kAllowed);
    }
  }
}
