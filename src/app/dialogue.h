#pragma once

#include "console/console.h"
#include "draw/generator.h"

// Runs the whole dialogue, from the title menu to the end, and returns the
// exit status: 0 when the user chose to end, 1 when the input ran out, 2 when
// the output could not be written or the converters could not be opened (said
// in one line on the console's error stream).
int runDialogue(Console& console, Generator& generator);
