#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The screens, prompts and notices as the user sees them, written out once
// for every test that expects them.

// The title menu and the update history that follows it.
inline const std::string kTitle =
    "- ゼピロレースソフトウェア  -\n\n"
    "□モード選択(0:ランダムキャラマシン抽選,1:大会用ポイント集計,2:更新履歴):";
inline const std::string kHistory =
    "\n更新履歴\n----------------------------------------------\nver2.2　7/30\n"
    "抽選機能において、キャラの縛りが自由に選択できるようになった\nver2.1　7/27\n"
    "得点計算機能において各レースの小計を表示するようにした\nver2.0　7/27\n"
    "一から一新！抽選機能において、マシンの縛りが自由にできるようになった\n"
    "得点計算機能において、ポイントが高い順にソートしてくれるようにした\nver1.1　7/3\n"
    "抽選機能において、抽選終了後、参加者や参加人数を変更できるようにした\nver1.0\n"
    "とりあえず公開、抽選機能と得点計算機能を実装\n"
    "----------------------------------------------\n\n";

// The entry of the participants, under either job's header.
inline const std::string kDrawHeader = "\n\n-= ランダムキャラ・マシン抽選 =-\n\n";
inline const std::string kTallyHeader = "\n\n-= 大会用ポイント集計 =-\n\n";
inline const std::string kPeoplePrompt = "□参加人数:";
inline const std::string kRacesPrompt = "□レース数:";
inline std::string namePrompt(int participant) {
  return "□" + std::to_string(participant) + "人目の名前:";
}

// The refusals of the reads.
inline const std::string kNotNumber = "□数字で入力してください\n";
inline const std::string kTooLarge = "□数字が大きすぎます\n";
inline std::string outOfRange(int low, int high) {
  return "□" + std::to_string(low) + "から" + std::to_string(high) +
         "までの数字で入力してください\n";
}
inline const std::string kNotText = "□使えない文字が含まれています\n";
inline const std::string kNameTooLong = "□半角11文字（全角5文字）までで入力してください\n";

// The draw's frame and the menu after it.
inline const std::string kDrawOpen = "\n-----------------------------\n";
inline const std::string kDrawClose = "-----------------------------\n\n";
inline const std::string kAfterDraw =
    "■□キャラ・マシン抽選終了□■\n0:同条件で繰り返す\n1:縛りキャラ・マシンを変える\n"
    "2:参加者を変える\n3:最初から\n4:大会用得点計算へ\n5:終了する\n";

// The change screen.
inline std::string participantList(std::initializer_list<const char*> names) {
  std::string list = "-------------------\n";
  int i = 1;
  for (const char* name : names) {
    list += std::to_string(i++) + "人目 " + name + "\n";
  }
  return list + "-------------------\n\n";
}
inline std::string leaveQuestion(int joining) {
  return "□何人目の人が抜けた？(人数が増える場合," + std::to_string(joining) + "):";
}
inline const std::string kJoinPrompt = "□新たに参加する人を入力:";
inline const std::string kDone = "■□変更完了□■\n0:変更完了\n1:まだ変更点がある\n";

// The tally: its question, the frame of its results and the menu after it.
inline std::string scoreQuestion(std::string_view name, int race) {
  return std::string(name) + "さんの第" + std::to_string(race) + "レースの得点を入力:";
}
inline const std::string kResultsHead =
    "\n計算結果\n------------------------------------\n■○○杯　結果\n";
inline const std::string kResultsTail =
    "------------------------------------\n"
    "※そのままコピペするとずれまくってるので各自調整してください\n";
inline const std::string kAfterTally = "■□計算終了□■\n0:マシン抽選へ\n1:最初から\n2:終了する\n:";

// The start of the one line that reports output that cannot be written.
inline const std::string kOutputFailed = "zepiro: 出力に書き込めません: ";

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
