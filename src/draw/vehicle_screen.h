#pragma once

#include "console/console.h"
#include "draw/characters_and_vehicles.h"
#include "draw/editor_state.h"

// Shows the vehicles with their flags and the presets, reads one pair and
// acts on it: 1-6 toggles a vehicle, 7 applies a preset, 8 switches to the
// character screen, 0 ends the visit.
void runVehicleScreen(Console& console, EditorState& state, VehicleRoster& vehicles);
