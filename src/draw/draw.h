#pragma once

#include "console/console.h"
#include "draw/characters_and_vehicles.h"
#include "draw/generator.h"
#include "participants/participant_table.h"

// Writes, between two dashed lines, one character and one vehicle of the same
// weight class for every participant and race, never a banned one. Over two or
// more races each participant gets the race count halved and rounded up in
// karts and the rest in bikes, in random order; one race gives either at even
// odds. When the bans leave no pairing of a kind the races need, a notice
// takes the place of the pairings.
void drawPairings(Console& console, const ParticipantTable& table,
                  const CharacterRoster& characters, const VehicleRoster& vehicles,
                  Generator& generator);
