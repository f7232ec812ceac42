#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "console/cp932_codec.h"
#include "console/encoding.h"
#include "console/platform.h"
#include "console/read_failure.h"

// Output waits in the console until a read sends it, or until more than
// kSendThreshold bytes wait: the write that passed it sends them. The room
// above the threshold takes that one write, so what waits never outgrows
// kConversionRoom.
inline constexpr size_t kSendThreshold = size_t{64} * 1024;
// The most one write adds: a formatted line of a screen, or one of the tool's
// texts (the longest, the help, is about 1.2 KB).
inline constexpr size_t kLongestWrite = 4096;
static_assert(kConversionRoom - kSendThreshold >= kLongestWrite,
              "room for the write that passes the threshold");

// Longest word a read keeps; the rest of a longer one is read and thrown away.
inline constexpr size_t kWordLimit = 128;
// A kept word in its other encoding: its UTF-8 form takes three bytes for each
// CP932 byte at most, its CP932 form never more than the UTF-8 one.
inline constexpr size_t kTypedNameRoom = 3 * kWordLimit;
static_assert(kTypedNameRoom <= kConversionRoom, "a converter's room takes a typed word too");

// The longest prompt the tool writes (the after-draw menu, about 200 bytes) fits.
inline constexpr size_t kPromptRoom = 512;

// The most bytes a read looks at before it takes them: one character.
inline constexpr size_t kLookAheadRoom = 4;

// Pushes old text off the screen: this many line ends, written in one go.
inline constexpr size_t kPageBreakLineEnds = 25;

// What the console's writes (below and format.h's) keep. Output gathers in
// `pending` as UTF-8 until flush() sends it; a write adds at most kLongestWrite
// and sends once more than kSendThreshold bytes wait, so neither string
// outgrows the kConversionRoom reserved at start and writing allocates nothing.
struct WriteBuffers {
  WriteBuffers();
  std::string pending;    // written but not yet sent
  std::string converted;  // the CP932 form of `pending`, on its way out
};

// What the console's reads (input.h's) keep, within a question and between
// questions; each string is reserved at start with the room named above and
// never outgrows it, so reading allocates nothing. Bytes in `ahead` have left
// the input stream already: the reads alone take the input, and take those
// first.
struct ReadBuffers {
  ReadBuffers();
  std::string prompt;     // the current question's prompt, written again on a refusal
  std::string token;      // the word being read, at most kWordLimit bytes of it
  std::string converted;  // that word in its other encoding, while it is checked as a name
  std::string ahead;      // bytes taken from the input to look at, not yet read
  bool started = false;   // whether a read has begun to take the input
};

// The tool's one link to the user: the input and output streams, the stream
// for the tool's own failures, the encoding the bytes on them use, and what
// the reads and writes keep. Output is gathered as UTF-8 and sent (converted
// in CP932 mode) by flush(), which every read calls first. Only the functions
// of console.h, format.h and input.h touch `writes` and `reads`.
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
  Cp932Codec codec;  // opened in either encoding: names are checked against CP932
  WriteBuffers writes;
  ReadBuffers reads;
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

// Pushes old text off the screen with kPageBreakLineEnds line ends.
void pageBreak(Console& console);

// Writes one line on the error stream, in the console's encoding where the
// codec can give it.
void writeErrorLine(Console& console, std::string_view line);

// Reports a failure of the tool itself: one line, "zepiro: " first.
void reportFailure(Console& console, std::string_view message);

// True if the console can talk to the user; otherwise says on the error
// stream that its converters could not be opened.
bool checkConverters(Console& console);
