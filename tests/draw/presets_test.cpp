#include "draw/presets.h"

#include <gtest/gtest.h>

#include "draw/editor_screen.h"
#include "support/bans.h"

namespace {

Banned wholeGroups(int first, int last, int entries) {
  Banned all;
  for (int g = first; g <= last; ++g) {
    for (int e = 1; e <= entries; ++e) {
      all.insert({g, e});
    }
  }
  return all;
}

// The bans a preset leaves on a roster where nothing was banned.
template <typename R>
Banned afterPreset(R roster, const ScreenDescription<R>& screen, int preset) {
  applyPreset(roster, screen.presets, preset);
  return bannedIn(roster);
}

Banned afterVehiclePreset(int preset) {
  return afterPreset(startingVehicleRoster(), kVehicleScreen, preset);
}

Banned afterCharacterPreset(int preset) {
  return afterPreset(startingCharacterRoster(), kCharacterScreen, preset);
}

}  // namespace

TEST(VehiclePresets, BanExactlyTheirEntries) {
  EXPECT_EQ(afterVehiclePreset(1), (Banned{{4, 2}, {5, 2}, {6, 2}, {1, 3}}));
  EXPECT_EQ(afterVehiclePreset(2), (Banned{{4, 5}, {5, 6}, {5, 5}}));
  EXPECT_EQ(afterVehiclePreset(3),
            (Banned{{4, 2}, {5, 2}, {6, 2}, {1, 3}, {4, 5}, {5, 6}, {5, 5}}));
  EXPECT_EQ(afterVehiclePreset(4), (Banned{{2, 3}, {3, 6}, {1, 3}}));
  EXPECT_EQ(afterVehiclePreset(5), wholeGroups(4, 6, 6));
  EXPECT_EQ(afterVehiclePreset(6), wholeGroups(1, 3, 6));
  EXPECT_EQ(afterVehiclePreset(8), wholeGroups(1, 6, 6));
  for (int other : {-1, 0, 9, 100}) {
    EXPECT_EQ(afterVehiclePreset(other), Banned{}) << other;
  }
}

TEST(VehiclePresets, OnlySevenAllowsAgain) {
  for (int preset = 1; preset <= 6; ++preset) {
    VehicleRoster vehicles = startingVehicleRoster();
    applyPreset(vehicles, kVehicleScreen.presets, 8);
    applyPreset(vehicles, kVehicleScreen.presets, preset);
    EXPECT_EQ(bannedIn(vehicles), wholeGroups(1, 6, 6)) << preset;
  }
  VehicleRoster vehicles = startingVehicleRoster();
  applyPreset(vehicles, kVehicleScreen.presets, 6);
  applyPreset(vehicles, kVehicleScreen.presets, 5);  // karts only, but the earlier kart bans stay
  EXPECT_EQ(bannedIn(vehicles), wholeGroups(1, 6, 6));
  applyPreset(vehicles, kVehicleScreen.presets, 7);
  EXPECT_EQ(bannedIn(vehicles), Banned{});
}

TEST(CharacterPresets, BanTheOtherClassesAndLeaveTheChosenOneAsItWas) {
  EXPECT_EQ(afterCharacterPreset(1), wholeGroups(2, 3, 8));
  Banned lightAndHeavy = wholeGroups(1, 1, 8);
  lightAndHeavy.merge(wholeGroups(3, 3, 8));
  EXPECT_EQ(afterCharacterPreset(2), lightAndHeavy);
  EXPECT_EQ(afterCharacterPreset(3), wholeGroups(1, 2, 8));
  EXPECT_EQ(afterCharacterPreset(5), wholeGroups(1, 3, 8));
  EXPECT_EQ(afterCharacterPreset(9), Banned{});

  CharacterRoster characters = startingCharacterRoster();
  setFlag(characters, 1, 4, kBanned);
  applyPreset(characters, kCharacterScreen.presets, 1);  // light only, with one light ban kept
  Banned expected = wholeGroups(2, 3, 8);
  expected.insert({1, 4});
  EXPECT_EQ(bannedIn(characters), expected);
  applyPreset(characters, kCharacterScreen.presets, 4);
  EXPECT_EQ(bannedIn(characters), Banned{});
}
