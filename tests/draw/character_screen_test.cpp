#include "draw/character_screen.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/dialogue_runner.h"

namespace {

const std::string kCharacterScreen =
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
    "5:マシン縛りを設定する\n0:設定終了\n"
    "\n□キャラの縛り選択\n(○-○の形式で選択、選択しなおせば戻る。「-」がついたキャラは出現しない):";

struct Screens {
  explicit Screens(std::string input, Encoding encoding = Encoding::utf8)
      : in(std::move(input)), console(in, out, encoding) {}
  void run(int times = 1) {
    for (int i = 0; i < times; ++i) {
      runCharacterScreen(console, state, characters);
    }
    flush(console);
  }
  std::istringstream in;
  std::ostringstream out;
  Console console;
  EditorState state;
  CharacterRoster characters = startingCharacterRoster();
};

int bannedCount(const CharacterRoster& characters) {
  int banned = 0;
  for (int c = 1; c <= 3; ++c) {
    for (int e = 1; e <= 8; ++e) {
      banned += flagOf(characters, c, e) == kBanned ? 1 : 0;
    }
  }
  return banned;
}

}  // namespace

TEST(CharacterScreen, ShowsEveryClassAndThePresetsByteForByte) {
  Screens s("0\n");
  s.run();
  EXPECT_EQ(s.out.str(), kCharacterScreen);

  Screens cp932("0\n", Encoding::cp932);
  cp932.run();
  EXPECT_EQ(cp932.out.str(), toCp932(kCharacterScreen));
}

TEST(CharacterScreen, TogglesPresetsAndSwitches) {
  Screens s("3-8\n1-5\n4-1\n3-8\n7\n8\n5\n");
  s.run(3);
  EXPECT_NE(s.out.str().find("3-8:      -クロゴルバ\n"), std::string::npos);
  EXPECT_EQ(bannedCount(s.characters), 17);  // 4-1 bans 16, and 1-5 stays banned
  EXPECT_EQ(flagOf(s.characters, 1, 5), kBanned);
  s.run();  // toggling 3-8 again allows it
  EXPECT_EQ(flagOf(s.characters, 3, 8), kAllowed);
  s.run(2);  // 7 and 8 do nothing here
  EXPECT_EQ(bannedCount(s.characters), 16);
  EXPECT_EQ(s.state.screen, EditorScreen::ask);
  s.run();  // 5 switches to the vehicle screen on the next cycle
  EXPECT_EQ(s.state.screen, EditorScreen::vehicles);
}

TEST(CharacterScreen, EntryNineIsRefused) {
  Screens s("2-9\n2-8\n");
  s.run();
  EXPECT_EQ(flagOf(s.characters, 2, 8), kBanned);
  EXPECT_EQ(bannedCount(s.characters), 1);
  EXPECT_NE(s.out.str().find("□その番号のキャラはありません\n"), std::string::npos);
}
