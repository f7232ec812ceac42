#pragma once

// What the program tells whoever started it when it ends.
enum class ExitStatus {
  finished = 0,    // the user chose to end (or --help, --version)
  inputEnded = 1,  // the input ran out before the user chose to end
  cannotWork = 2,  // output failed, no converters, or arguments that make no sense
};
