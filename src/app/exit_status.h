#pragma once

// What the program tells whoever started it when it ends.
enum class ExitStatus {
  finished = 0,    // the user chose to end (or --help, --version)
  inputEnded = 1,  // the input ran out before the user chose to end
  // The input could not be read (which is not its end), the output could not
  // be written, no converters, or arguments that make no sense.
  cannotWork = 2,
};
