#pragma once

#include <string>

// The screens and prompts as the user sees them, written out once for every
// test that expects them.

// The restriction editor.
inline const std::string kEditorQuestion = "\n(0:マシン縛りを設定 1:キャラ縛りを設定 2:縛りなし):";
inline const std::string kVehiclePrompt =
    "\n□マシンの縛り選択\n(○-○の形式で選択、選択しなおせば戻る。「-」がついたマシンは出現しない):";
inline const std::string kCharacterPrompt =
    "\n□キャラの縛り選択\n(○-○の形式で選択、選択しなおせば戻る。「-」がついたキャラは出現しない):";
inline const std::string kNoSuchVehicle = "□その番号のマシンはありません\n";
inline const std::string kNoSuchCharacter = "□その番号のキャラはありません\n";

// The vehicle screen as it starts, with every vehicle allowed, and its prompt.
inline const std::string kVehicleScreenText =
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
    "　7-8:すべて禁止8:キャラ縛りを設定する\n0:設定終了\n" +
    kVehiclePrompt;

// The character screen as it starts, with every character allowed, and its prompt.
inline const std::string kCharacterScreenText =
    "軽量級\n"
    "1-1:     チビポロンタ　　 1-2:   チビガルボッタ　　 1-3:     チビミルフィ\n"
    "1-4:   チビシエルナン　　 1-5:         モグリン　　 1-6:         モグリナ\n"
    "1-7:         テクテク　　 1-8:           ケムリ\n\n"
    "中量級\n"
    "2-1:           ポロン　　 2-2:         ガルボン　　 2-3:           ミルハ\n"
    "2-4:         シエルナ　　 2-5:         ドラッピ　　 2-6:       フワリーヌ\n"
    "2-7: ピッピモンドール　　 2-8:       ボルダッチ\n\n"
    "重量級\n"
    "3-1:           ゴルバ　　 3-2:       ゴルバーノ　　 3-3:   グラントロール\n"
    "3-4:           ドガン　　 3-5:     オニバルカン　　 3-6:         リュミエ\n"
    "3-7: ビッグモンドール　　 3-8:       クロゴルバ\n"
    "\n4-1:軽量級のみ　4-2:中量級のみ　4-3:重量級のみ　4-4:すべて解禁　4-5:すべて禁止\n"
    "5:マシン縛りを設定する\n0:設定終了\n" +
    kCharacterPrompt;
