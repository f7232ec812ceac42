#include "draw/restriction_editor.h"

#include "console/input.h"
#include "draw/editor_screen.h"

namespace {

// The editor's first question. Any answer but 0 and 1 leaves the editor, as
// 2 does: the tool's behaviour, kept on purpose.
EditorScreen askFirstScreen(Console& console) {
  switch (askNumber(console, "\n(0:マシン縛りを設定 1:キャラ縛りを設定 2:縛りなし):")) {
    case 0:
      return EditorScreen::vehicles;
    case 1:
      return EditorScreen::characters;
    default:
      return EditorScreen::leave;
  }
}

}  // namespace

void editRestrictions(Console& console, EditorState& state, CharacterRoster& characters,
                      VehicleRoster& vehicles) {
  do {
    if (state.screen == EditorScreen::ask) {
      state.screen = askFirstScreen(console);
    }
    pageBreak(console);
    // A screen that changes the selector (8 or 5) shows the other screen on
    // the next cycle, not this one.
    if (state.screen == EditorScreen::vehicles) {
      runEditorScreen(console, state, vehicles, kVehicleScreen);
      // One more page break after the vehicle screen than after the
      // character screen: the tool's behaviour, kept on purpose.
      pageBreak(console);
    } else if (state.screen == EditorScreen::characters) {
      runEditorScreen(console, state, characters, kCharacterScreen);
    } else {
      state.group = 0;
    }
    pageBreak(console);
  } while (state.group != 0);
}
