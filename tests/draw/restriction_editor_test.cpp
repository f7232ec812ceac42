#include "draw/restriction_editor.h"

#include <gtest/gtest.h>

#include "support/bans.h"
#include "support/dialogue_runner.h"
#include "support/expected_screens.h"

namespace {

struct Editor : StringConsole {
  explicit Editor(std::string input) : StringConsole(std::move(input)) {}
  std::string visit() {
    state.screen = EditorScreen::ask;
    out.str("");
    editRestrictions(console, state, characters, vehicles);
    return written();
  }
  EditorState state;
  CharacterRoster characters = startingCharacterRoster();
  VehicleRoster vehicles = startingVehicleRoster();
};

// Counts the places `part` occurs in `text`.
int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

}  // namespace

TEST(RestrictionEditor, VehicleInputsGetOneMorePageBreakThanCharacterInputs) {
  Editor e("0\n7-3\n8\n1-1\n5\n0\n");
  std::string out = e.visit();
  // question, vehicle 7-3, vehicle 8, character 1-1, character 5, vehicle 0; each
  // screen also starts behind the page break that follows the question's place.
  const std::string vehicleBreaks = times(3, kPageBreak);
  const std::string characterBreaks = times(2, kPageBreak);
  EXPECT_EQ(count(out, kVehiclePrompt + vehicleBreaks + "1-1:"), 1);          // after 7-3
  EXPECT_EQ(count(out, kVehiclePrompt + vehicleBreaks + "軽量級\n"), 1);      // after 8
  EXPECT_EQ(count(out, kCharacterPrompt + characterBreaks + "軽量級\n"), 1);  // after 1-1
  EXPECT_EQ(count(out, kCharacterPrompt + characterBreaks + "1-1:"), 1);      // after 5
  EXPECT_TRUE(out.ends_with(kVehiclePrompt + kPageBreak + kPageBreak));
  EXPECT_EQ(count(out, kEditorQuestion), 1);
  EXPECT_EQ(flagOf(e.characters, 1, 1), kBanned);
  EXPECT_EQ(flagOf(e.vehicles, 5, 6), kBanned);
}

TEST(RestrictionEditor, TwoOrAnUnlistedFirstAnswerLeavesAtOnceAndKeepsTheBans) {
  const std::string left = kEditorQuestion + kPageBreak + kPageBreak;
  Editor e("9\n1\n4-3\n0\n2\n7\n");
  EXPECT_EQ(e.visit(), left);  // before any visit has ended, too
  e.visit();
  EXPECT_EQ(e.visit(), left);
  EXPECT_EQ(e.visit(), left);
  EXPECT_EQ(bannedIn(e.characters).size(), 16U);  // 4-3 stays
}
