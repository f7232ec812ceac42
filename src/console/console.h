#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "console/encoding.h"

// The tool's one link to the user: the input and output streams and the
// encoding the bytes on them use. Output is gathered as UTF-8 in `pending`
// and sent (converted in CP932 mode) by flush(), which every read calls first.
// The strings are scratch space reserved once, so screens allocate nothing.
struct Console {
  Console(std::istream& input, std::ostream& output, Encoding encoding);

  std::istream& in;
  std::ostream& out;
  Encoding encoding;
  std::string pending;    // written but not yet sent
  std::string converted;  // CP932 bytes on their way out, UTF-8 names on their way in
  std::string prompt;     // the prompt of the current question, written again on a refusal
  std::string token;      // the word being read
};

// Appends UTF-8 text to the output.
void writeText(Console& console, std::string_view text);

// Sends the output early once much has gathered since the last read.
void flushIfLarge(Console& console);

// Sends everything written so far to the output stream and flushes it.
void flush(Console& console);

// Pushes old text off the screen: exactly 25 line ends.
void pageBreak(Console& console);
