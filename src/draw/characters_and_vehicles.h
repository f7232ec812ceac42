#pragma once

#include "draw/flagged_roster.h"

// The characters and vehicles the draw picks from, as the tool knows them.

// 24 characters in three weight classes (1 light, 2 medium, 3 heavy) of 8.
// A slot holds the flag, up to 8 wide characters and the NUL.
using CharacterRoster = Roster<3, 8, 26>;

// 36 vehicles in six groups of 6: groups 1 to 3 are the light, medium and
// heavy karts, 4 to 6 the light, medium and heavy bikes. A slot holds the
// flag, up to 11 wide characters and the NUL.
using VehicleRoster = Roster<6, 6, 35>;

// The vehicle group a character of class `characterClass` (1 to 3) rides: a
// character rides only the karts and the bikes of its own weight class.
constexpr int vehicleGroupFor(int characterClass, bool kart) {
  return kart ? characterClass : characterClass + CharacterRoster::kGroups;
}

// True for the vehicle groups of karts, false for those of bikes.
constexpr bool isKartGroup(int group) {
  return group <= CharacterRoster::kGroups;
}

// Both rosters as they start: every entry allowed.
CharacterRoster startingCharacterRoster();
VehicleRoster startingVehicleRoster();
