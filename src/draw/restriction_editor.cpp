#include "draw/restriction_editor.h"

#include "console/input.h"
#include "draw/character_screen.h"
#include "draw/vehicle_screen.h"

void editRestrictions(Console& console, EditorState& state, CharacterRoster& characters,
                      VehicleRoster& vehicles) {
  do {
    if (state.screen != 0 && state.screen != 1 && state.screen != 2) {
      state.screen = askNumber(console, "\n(0:マシン縛りを設定 1:キャラ縛りを設定 2:縛りなし):");
    }
    pageBreak(console);
    // A screen that changes the selector (8 or 5) shows the other screen on
    // the next cycle, not this one.
    if (state.screen == 0) {
      runVehicleScreen(console, state, vehicles);
      pageBreak(console);
    } else if (state.screen == 1) {
      runCharacterScreen(console, state, characters);
    } else if (state.screen == 2) {
      state.group = 0;
    }
    pageBreak(console);
  } while (state.group != 0);
}
