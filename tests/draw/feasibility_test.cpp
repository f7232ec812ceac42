#include "draw/feasibility.h"

#include <gtest/gtest.h>

#include "support/bans.h"

namespace {

struct Rosters {
  CharacterRoster characters = startingCharacterRoster();
  VehicleRoster vehicles = startingVehicleRoster();
  [[nodiscard]] MissingPairing missing(int races) const {
    return missingPairing(characters, vehicles, races);
  }
};

}  // namespace

TEST(Feasibility, AWhollyBannedKindStopsTwoRacesButNotOne) {
  Rosters karts;  // every kart banned
  for (int g = 1; g <= 3; ++g) {
    banGroup(karts.vehicles, g);
  }
  EXPECT_EQ(karts.missing(2), MissingPairing::kart);
  EXPECT_EQ(karts.missing(1), MissingPairing::none);

  Rosters bikes;  // every bike banned
  for (int g = 4; g <= 6; ++g) {
    banGroup(bikes.vehicles, g);
  }
  EXPECT_EQ(bikes.missing(3), MissingPairing::bike);
  EXPECT_EQ(bikes.missing(1), MissingPairing::none);
  for (int g = 1; g <= 3; ++g) {
    banGroup(bikes.vehicles, g);
  }
  EXPECT_EQ(bikes.missing(1), MissingPairing::any);
  EXPECT_EQ(bikes.missing(0), MissingPairing::none);  // nothing to draw
}

TEST(Feasibility, AGroupCountsOnlyForAClassWithAllowedCharacters) {
  // Light karts are allowed but no light character is: the medium and heavy
  // characters have no kart left.
  Rosters r;
  banGroup(r.characters, 1);
  banGroup(r.vehicles, 2);
  banGroup(r.vehicles, 3);
  EXPECT_EQ(r.missing(2), MissingPairing::kart);
  EXPECT_EQ(r.missing(1), MissingPairing::none);

  // A single allowed entry on each side is enough.
  setFlag(r.vehicles, 3, 6, kAllowed);
  EXPECT_EQ(r.missing(2), MissingPairing::none);
  banGroup(r.characters, 2);
  banGroup(r.characters, 3);
  setFlag(r.characters, 3, 1, kAllowed);
  banGroup(r.vehicles, 6);
  EXPECT_EQ(r.missing(2), MissingPairing::bike);
}
