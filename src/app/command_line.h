#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// What the command line asks the tool to do. With no arguments it is the
// dialogue, seeded from the clock.
struct CommandLine {
  enum class Action {
    dialogue,  // the whole dialogue
    help,      // --help or -h: the usage text
    version,   // --version: the name and version
    usage,     // anything else: the arguments make no sense
  };
  Action action = Action::dialogue;
  std::optional<std::uint32_t> seed;  // --seed N (or --seed=N): the generator's seed
  std::string problem;  // with `usage`: what is wrong, in Japanese, for a "zepiro: " line
};

// Reads the arguments that follow the program's name, all of them before
// acting on any: the first argument that is not --help, -h, --version or
// --seed with a number from 0 to 4294967295 makes the whole line a usage
// error that says which, wherever --help or --version stand. Otherwise the
// first --help (or -h) or --version is the answer, and without one it is the
// dialogue, seeded by the last --seed.
CommandLine parseCommandLine(std::span<const char* const> args);
