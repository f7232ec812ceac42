#pragma once

#include "app/exit_status.h"
#include "console/console.h"
#include "draw/generator.h"

// Runs the whole dialogue, from the title menu to the end, and returns how it
// ended: finished when the user chose to end, inputEnded when the input ran
// out, cannotWork when the input could not be read, the output could not be
// written or the converters could not be opened (said in one line on the
// console's error stream).
ExitStatus runDialogue(Console& console, Generator& generator);
