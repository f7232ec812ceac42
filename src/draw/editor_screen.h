#pragma once

#include <array>
#include <string_view>

#include "console/console.h"
#include "draw/characters_and_vehicles.h"
#include "draw/editor_state.h"
#include "draw/presets.h"

// What tells one screen of the restriction editor from the other: how its
// roster is laid out, its texts, its keys and its presets. Each screen's file
// fills one in, its ban lists beside the menu that names them.
template <typename R>
struct ScreenDescription {
  std::array<std::string_view, R::kGroups> headings;  // written before each group's entries
  int columns;                                        // entries in one row
  std::string_view entryFormat;  // one entry: its pair, then its slot in a field
  std::string_view gap;          // between the entries of a row
  std::string_view menu;         // the presets, the switch and the end, after the roster
  std::string_view prompt;       // asks for a pair
  std::string_view notice;       // refuses a pair whose entry is not in its group
  int presetKey;                 // the group number that applies the preset its entry number names
  int switchKey;                 // the group number that opens `other` on the next cycle
  EditorScreen other;            // the screen the switch key opens
  Presets presets;
};

extern const ScreenDescription<VehicleRoster> kVehicleScreen;
extern const ScreenDescription<CharacterRoster> kCharacterScreen;

// Shows the roster with its flags and the screen's menu, reads one pair and
// acts on it: a group of the roster toggles one of its entries, the preset
// key applies preset `entry`, the switch key sets the other screen for the
// editor's next cycle, 0 ends the visit and any other number does nothing.
// A pair that names a group of the roster but no entry in it is refused and
// asked again.
template <typename R>
void runEditorScreen(Console& console, EditorState& state, R& roster,
                     const ScreenDescription<R>& screen);
