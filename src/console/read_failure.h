#pragma once

#include <string>

// A read of the user's input that failed, as opposed to input that ended. The
// platform's readers throw it; the dialogue ends with it.

// Thrown when input cannot be read; `reason` says why, in the tool's words and
// the system's.
struct InputFailed {
  std::string reason;
};

// Throws InputFailed with the system's reason for the read that just failed.
[[noreturn]] void failReading();
