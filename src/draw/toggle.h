#pragma once

#include <string_view>

#include "console/console.h"
#include "console/input.h"
#include "draw/editor_state.h"
#include "draw/flagged_roster.h"

// The pair read and the toggle shared by both editor screens.

// Bans an allowed entry and allows a banned one.
template <typename R>
void toggle(R& roster, int group, int entry) {
  setFlag(roster, group, entry, flagOf(roster, group, entry) == kBanned ? kAllowed : kBanned);
}

// Reads "group-entry" into the editor state. A single number keeps the last
// entry number. A pair whose group is one of the roster's but whose entry is
// not is refused with `notice` and asked again, leaving the state as it was.
template <typename R>
void readChoice(Console& console, EditorState& state, const R& roster, std::string_view prompt,
                std::string_view notice) {
  for (;;) {
    int group = state.group;
    int entry = state.entry;
    askPair(console, group, entry, prompt);
    bool namesGroup = group >= 1 && group <= R::kGroups;
    if (!namesGroup || hasEntry(roster, group, entry)) {
      state.group = group;
      state.entry = entry;
      return;
    }
    discardLine(console);
    write(console, notice);
  }
}
