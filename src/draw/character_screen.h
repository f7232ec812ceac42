#pragma once

#include "console/console.h"
#include "draw/characters_and_vehicles.h"
#include "draw/editor_state.h"

// Shows the characters by class with their flags and the presets, reads one
// pair and acts on it: 1-3 toggles a character, 4 applies a preset, 5
// switches to the vehicle screen, 0 ends the visit.
void runCharacterScreen(Console& console, EditorState& state, CharacterRoster& characters);
