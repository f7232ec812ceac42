#include "draw/characters_and_vehicles.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "console/cp932_width.h"

TEST(Rosters, StartWithEveryEntryAllowedAndFitTheirFields) {
  CharacterRoster characters = startingCharacterRoster();
  VehicleRoster vehicles = startingVehicleRoster();
  int widest = 0;
  for (int c = 1; c <= 3; ++c) {
    for (int e = 1; e <= 8; ++e) {
      EXPECT_EQ(flagOf(characters, c, e), kAllowed);
      widest = std::max(widest, cp932Width(entryText(characters, c, e)));
    }
  }
  EXPECT_EQ(widest, 17);  // exactly the character screen's field
  widest = 0;
  for (int g = 1; g <= 6; ++g) {
    for (int e = 1; e <= 6; ++e) {
      EXPECT_EQ(flagOf(vehicles, g, e), kAllowed);
      widest = std::max(widest, cp932Width(entryText(vehicles, g, e)));
    }
  }
  EXPECT_EQ(widest, 23);  // exactly the vehicle screen's field
}

TEST(Rosters, BanningChangesOnlyTheFlagOfThatEntry) {
  VehicleRoster vehicles = startingVehicleRoster();
  setFlag(vehicles, 4, 5, kBanned);
  EXPECT_EQ(entryText(vehicles, 4, 5), "-ムーン・ライト・ワルツ");
  EXPECT_EQ(flagOf(vehicles, 4, 4), kAllowed);
  EXPECT_EQ(flagOf(vehicles, 5, 5), kAllowed);
  setFlag(vehicles, 4, 5, kAllowed);
  EXPECT_EQ(entryText(vehicles, 4, 5), " ムーン・ライト・ワルツ");

  EXPECT_TRUE(hasEntry(vehicles, 6, 6));
  EXPECT_FALSE(hasEntry(vehicles, 6, 7));
  EXPECT_FALSE(hasEntry(vehicles, 0, 1));
  CharacterRoster characters = startingCharacterRoster();
  EXPECT_TRUE(hasEntry(characters, 3, 8));
  EXPECT_FALSE(hasEntry(characters, 4, 1));
  EXPECT_FALSE(hasEntry(characters, 1, 0));
}
