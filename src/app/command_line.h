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

// Reads the arguments that follow the program's name, from left to right:
// --help and --version answer at once, --seed takes a number from 0 to
// 4294967295, and the first argument that is none of these (or a seed that is
// not such a number) makes the whole line a usage error that says which.
CommandLine parseCommandLine(std::span<const char* const> args);
