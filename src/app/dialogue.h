#pragma once

#include "console/console.h"
#include "draw/generator.h"

// Runs the whole dialogue, from the title menu to the end, and returns the
// exit status: 0 when the user chose to end, 1 when the input ran out.
int runDialogue(Console& console, Generator& generator);
