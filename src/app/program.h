#pragma once

#include <cstdint>
#include <span>

#include "app/exit_status.h"
#include "console/console.h"

// Does what the command line asks and returns the exit status: the dialogue
// (seeded with --seed N, else with `clockSeed`) and its status, the usage
// text or the version with `finished`, or one usage line on the error stream
// with `cannotWork`. Also `cannotWork` when the console cannot be written or
// its converters cannot be opened.
ExitStatus runProgram(std::span<const char* const> args, Console& console, std::uint32_t clockSeed);
