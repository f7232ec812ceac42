#pragma once

#include "draw/characters_and_vehicles.h"

// Whether the bans leave the draw anything to hand out. A kart pairing is
// possible when some class has an allowed character and an allowed entry in
// its kart group; a bike pairing likewise with its bike group.

// What the bans take away from a draw of a given race count.
enum class MissingPairing {
  none,  // every race can be drawn
  kart,  // two or more races need a kart, and no kart pairing is left
  bike,  // two or more races need a bike, and no bike pairing is left
  any,   // no pairing of the kind the races need is left at all
};

// Two or more races give every participant at least one kart and one bike, so
// both kinds must be possible; one race takes either; no race needs nothing.
MissingPairing missingPairing(const CharacterRoster& characters, const VehicleRoster& vehicles,
                              int races);
