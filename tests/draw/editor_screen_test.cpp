#include "draw/editor_screen.h"

#include <gtest/gtest.h>

#include "support/bans.h"
#include "support/dialogue_runner.h"
#include "support/expected_screens.h"

namespace {

// Runs one editor screen over fixed input, as often as asked, from the state
// the earlier runs left.
template <typename R>
struct Screens : StringConsole {
  Screens(const ScreenDescription<R>& shown, R start, std::string input,
          Encoding encoding = Encoding::utf8)
      : StringConsole(std::move(input), encoding), screen(shown), roster(start) {}
  void run(int times = 1) {
    for (int i = 0; i < times; ++i) {
      runEditorScreen(console, state, roster, screen);
    }
    flush(console);
  }
  const ScreenDescription<R>& screen;
  EditorState state;
  R roster;
};

// Expects the screen, answered 0 from the starting roster, to be `expected`
// in UTF-8 and its CP932 form in CP932; returns the state the UTF-8 run left.
template <typename R>
EditorState expectStartingScreen(const ScreenDescription<R>& screen, R start,
                                 const std::string& expected) {
  Screens s(screen, start, "0\n");
  s.run();
  EXPECT_EQ(s.out.str(), expected);
  Screens cp932(screen, start, "0\n", Encoding::cp932);
  cp932.run();
  EXPECT_EQ(cp932.out.str(), toCp932(expected));
  return s.state;
}

}  // namespace

TEST(CharacterScreen, ShowsEveryClassAndThePresetsByteForByte) {
  expectStartingScreen(kCharacterScreen, startingCharacterRoster(), kCharacterScreenText);
}

TEST(CharacterScreen, TogglesPresetsAndSwitches) {
  // Entry 9 is refused; a class has eight.
  Screens s(kCharacterScreen, startingCharacterRoster(), "3-8\n2-9\n1-5\n4-1\n3-8\n7\n8\n5\n");
  s.run(3);
  EXPECT_NE(s.out.str().find(kNoSuchCharacter + kCharacterPrompt), std::string::npos);
  EXPECT_NE(s.out.str().find("3-8:      -クロゴルバ\n"), std::string::npos);
  EXPECT_EQ(bannedIn(s.roster).size(), 17U);  // 4-1 bans 16, and 1-5 stays banned
  EXPECT_EQ(flagOf(s.roster, 1, 5), kBanned);
  s.run();  // toggling 3-8 again allows it
  EXPECT_EQ(flagOf(s.roster, 3, 8), kAllowed);
  s.run(2);  // 7 and 8 do nothing here
  EXPECT_EQ(bannedIn(s.roster).size(), 16U);
  EXPECT_EQ(s.state.screen, EditorScreen::ask);
  s.run();  // 5 switches to the vehicle screen on the next cycle
  EXPECT_EQ(s.state.screen, EditorScreen::vehicles);
}

TEST(VehicleScreen, ShowsEveryGroupAndThePresetsByteForByte) {
  EXPECT_EQ(expectStartingScreen(kVehicleScreen, startingVehicleRoster(), kVehicleScreenText).group,
            0);
}

TEST(VehicleScreen, SingleNumbersReuseTheLastEntryNumber) {
  Screens s(kVehicleScreen, startingVehicleRoster(), "1-2\n5\n1-3\n7\n4\n8\n");
  s.run(2);  // 5 alone toggles 5-2: it does not switch screens here
  EXPECT_NE(s.out.str().find("1-2:    -マイクロランナーズ\n"), std::string::npos);
  EXPECT_EQ(flagOf(s.roster, 5, 2), kBanned);
  EXPECT_EQ(s.state.screen, EditorScreen::ask);
  s.run(2);  // 7 alone after 1-3 applies preset 7-3
  EXPECT_EQ(flagOf(s.roster, 5, 5), kBanned);
  EXPECT_EQ(flagOf(s.roster, 1, 3), kBanned);  // banned by 1-3, and 7-3 never allows
  s.run();                                     // 4 alone toggles a light bike
  EXPECT_EQ(flagOf(s.roster, 4, 3), kBanned);
  s.run();  // 8 switches to the character screen on the next cycle
  EXPECT_EQ(s.state.screen, EditorScreen::characters);
  EXPECT_EQ(s.state.group, 8);
}

TEST(VehicleScreen, EntriesOutsideTheGroupAreRefusedAndNothingChanges) {
  // Before any pair the entry number is 0, so a single 3 names no vehicle.
  Screens s(kVehicleScreen, startingVehicleRoster(), "3\n1-7 2-2\n6-0\n-1-1\n0\n");
  s.run();
  EXPECT_EQ(s.state.group, -1);
  EXPECT_EQ(s.state.entry, 1);
  s.run();
  EXPECT_EQ(s.state.group, 0);
  // The prompt's second line, the notice, and the whole prompt again.
  std::string refused =
      kVehiclePrompt.substr(kVehiclePrompt.find("(○")) + kNoSuchVehicle + kVehiclePrompt;
  std::string out = s.out.str();
  size_t first = out.find(refused);
  ASSERT_NE(first, std::string::npos);
  size_t second = out.find(refused, first + 1);
  ASSERT_NE(second, std::string::npos);
  EXPECT_NE(out.find(refused, second + 1), std::string::npos);
  for (int g = 1; g <= 6; ++g) {
    for (int e = 1; e <= 6; ++e) {
      EXPECT_EQ(flagOf(s.roster, g, e), kAllowed);
    }
  }
}
