#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "console/encoding.h"

// The few things the console needs from the operating system. Each platform
// has its own source file; nothing outside src/console/ knows which one runs.

// The user's terminal as the dialogue sees it: where typed text comes from,
// where output goes, and the encoding of the bytes on both.
struct Terminal {
  std::istream& in;
  std::ostream& out;
  Encoding encoding;
};

// Prepares the process's standard input and output for the dialogue and
// picks their encoding. Called once at start; the streams live until exit.
Terminal openTerminal();

// Converts UTF-8 text to CP932 bytes into `out`. A character CP932 cannot
// hold becomes "?"; returns false if that happened.
bool utf8ToCp932(std::string_view text, std::string& out);

// Converts typed CP932 bytes to UTF-8 into `out`; returns false (leaving `out`
// unspecified) when the bytes are not valid CP932.
bool cp932ToUtf8(std::string_view bytes, std::string& out);
