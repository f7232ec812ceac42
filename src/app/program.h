#pragma once

#include <cstdint>
#include <span>

#include "app/exit_status.h"
#include "console/console.h"

// Does what the command line asks and returns the exit status: the dialogue
// (seeded with --seed N, else with `clockSeed`) and its status, the usage
// text or the version with `finished`, or on the error stream a line saying
// what is wrong with the arguments and the usage line, with `cannotWork`.
// Also `cannotWork` when the console cannot be written or read, or, for the
// dialogue, its converters cannot be opened: the usage text and the version
// need none.
ExitStatus runProgram(std::span<const char* const> args, Console& console, std::uint32_t clockSeed);
