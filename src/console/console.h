#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "console/cp932_codec.h"
#include "console/encoding.h"
#include "console/platform.h"
#include "console/read_failure.h"

// The tool's one link to the user: the input and output streams, the stream
// for the tool's own failures, and the encoding the bytes on them use. Output
// is gathered as UTF-8 in `pending` and sent (converted in CP932 mode) by
// flush(), which every read calls first. The strings are scratch space
// reserved once, so screens allocate nothing.
struct Console {
  // Failures go to the process's standard error.
  Console(std::istream& input, std::ostream& output, Encoding encoding);
  // `open` stands in for the platform's converter opener.
  Console(std::istream& input, std::ostream& output, std::ostream& errors, Encoding encoding,
          ConverterOpener open = openConverter);

  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  Encoding encoding;
  Cp932Codec codec;       // opened in either encoding: names are checked against CP932
  std::string pending;    // written but not yet sent
  std::string converted;  // CP932 bytes on their way out, UTF-8 names on their way in
  std::string prompt;     // the prompt of the current question, written again on a refusal
  std::string token;      // the word being read
  std::string ahead;      // bytes taken from the input to look at, not yet read
};

// Thrown when output cannot be sent; `reason` says why, in the tool's words
// and the system's. The dialogue ends with it and reads nothing more.
struct OutputFailed {
  std::string reason;
};

// Appends UTF-8 text to the output.
void writeText(Console& console, std::string_view text);

// Sends the output early once much has gathered since the last read.
void flushIfLarge(Console& console);

// Sends everything written so far to the output stream and flushes it;
// throws OutputFailed when the conversion or the stream fails.
void flush(Console& console);

// Pushes old text off the screen: exactly 25 line ends.
void pageBreak(Console& console);

// Writes one line on the error stream, in the console's encoding where the
// codec can give it.
void writeErrorLine(Console& console, std::string_view line);

// Reports a failure of the tool itself: one line, "zepiro: " first.
void reportFailure(Console& console, std::string_view message);

// True if the console can talk to the user; otherwise says on the error
// stream that its converters could not be opened.
bool checkConverters(Console& console);
