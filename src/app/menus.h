#pragma once

#include "app/session.h"
#include "console/console.h"

// The title menu, the two result menus and the update history.

// Asks which job to run and stores the answer, whatever it is, in `mode`.
void askTitleMenu(Console& console, Session& session);

// Asks what to do after a draw and acts on it. Returns true when the user
// chose to end the program.
bool askAfterDrawMenu(Console& console, Session& session);

// Asks what to do after a tally and acts on it. Returns true when the user
// chose to end the program.
bool askAfterTallyMenu(Console& console, Session& session);

// Writes the update history; the title menu follows it directly.
void writeHistory(Console& console);
