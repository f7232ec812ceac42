#pragma once

#include "console/console.h"
#include "draw/characters_and_vehicles.h"
#include "draw/editor_state.h"

// One visit to the restriction editor: asks which screen to open (unless the
// state already names one), then shows the vehicle or character screen and
// acts on each input until the group number typed is 0, or the first answer
// is neither 0 nor 1. Changes only the ban flags and the editor state.
void editRestrictions(Console& console, EditorState& state, CharacterRoster& characters,
                      VehicleRoster& vehicles);
