#include "draw/editor_screen.h"

#include "console/format.h"
#include "console/input.h"

namespace {

// Each group after its heading, its entries with their pairs and flags in
// rows of the screen's width; then the screen's menu.
template <typename R>
void writeRoster(Console& console, const R& roster, const ScreenDescription<R>& screen) {
  for (int g = 1; g <= R::kGroups; ++g) {
    writeText(console, screen.headings[static_cast<size_t>(g - 1)]);
    for (int e = 1; e <= R::kEntries; ++e) {
      write(console, screen.entryFormat, {g, e, entryText(roster, g, e)});
      writeText(console, e % screen.columns == 0 || e == R::kEntries ? "\n" : screen.gap);
    }
  }
  writeText(console, screen.menu);
}

// Reads "group-entry" into the editor state; a single number keeps the last
// entry number. A pair that names a group of the roster but no entry in it
// is refused and asked again, leaving the state as it was.
template <typename R>
void readChoice(Console& console, EditorState& state, const R& roster,
                const ScreenDescription<R>& screen) {
  for (;;) {
    int group = state.group;
    int entry = state.entry;
    askPair(console, group, entry, screen.prompt);
    bool namesGroup = group >= 1 && group <= R::kGroups;
    if (!namesGroup || hasEntry(roster, group, entry)) {
      state.group = group;
      state.entry = entry;
      return;
    }
    discardLine(console);
    writeText(console, screen.notice);
  }
}

}  // namespace

template <typename R>
void runEditorScreen(Console& console, EditorState& state, R& roster,
                     const ScreenDescription<R>& screen) {
  writeRoster(console, roster, screen);
  readChoice(console, state, roster, screen);
  if (state.group >= 1 && state.group <= R::kGroups) {
    toggle(roster, state.group, state.entry);
  } else if (state.group == screen.presetKey) {
    applyPreset(roster, screen.presets, state.entry);
  } else if (state.group == screen.switchKey) {
    state.screen = screen.other;
  }
}

template void runEditorScreen(Console& console, EditorState& state, CharacterRoster& roster,
                              const ScreenDescription<CharacterRoster>& screen);
template void runEditorScreen(Console& console, EditorState& state, VehicleRoster& roster,
                              const ScreenDescription<VehicleRoster>& screen);
