#pragma once

#include "draw/characters_and_vehicles.h"

// The ready-made ban sets offered on the two editor screens.

// Applies vehicle preset 7-`preset`: 1 to 4 ban a few named vehicles, 5 bans
// every bike, 6 every kart, 7 allows all vehicles and 8 bans all. Presets 1
// to 6 only ban; they never allow an entry. Any other number does nothing.
void applyVehiclePreset(VehicleRoster& vehicles, int preset);

// Applies character preset 4-`preset`: 1 to 3 ban the two other classes than
// light, medium or heavy (leaving the chosen class as it was), 4 allows all
// characters and 5 bans all. Any other number does nothing.
void applyCharacterPreset(CharacterRoster& characters, int preset);
