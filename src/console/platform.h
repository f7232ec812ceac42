#pragma once

#include <algorithm>
#include <array>
#include <iosfwd>
#include <string>
#include <string_view>

#include "console/encoding.h"

// The few things the console needs from the operating system. Each platform
// has its own source file; nothing outside src/console/ knows which one runs.

// The user's terminal as the dialogue sees it: where typed text comes from,
// where output goes, where the tool's own failures are reported, and the
// encoding of the bytes on all three.
struct Terminal {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  Encoding encoding;
};

// Prepares the process's standard streams for the dialogue and picks their
// encoding. Called once at start; the streams live until exit.
Terminal openTerminal();

// Bytes one read of standard input asks the system for: more than a line typed
// or pasted at a prompt, so one mostly comes whole, and longer input comes in
// several reads. The reads take the bytes one by one from the stream, so the
// size only sets how often the system is asked.
inline constexpr size_t kInputRoom = 4096;

// What a read waits for. The numbers are the ones the page is told
// (web/page_library.js names them again).
enum class InputKind {
  number = 0,  // one number, as "3"
  pair = 1,    // two numbers joined by a hyphen, as "7-1"
  name = 2,    // one word of text
};

// Tells the user's side what the read about to wait is for, so that it can
// offer the keys for it. Nothing to do where a terminal does the typing.
void expectInput(InputKind kind);

// A converter from one encoding to another, as the platform provides it.
struct Converter;

// The names a platform's converter may know CP932 by, tried in this order:
// "SHIFT_JIS" is the last resort.
inline constexpr std::array<const char*, 3> kCp932Names = {"CP932", "WINDOWS-31J", "SHIFT_JIS"};

// True if `name` is one of kCp932Names, for a converter that knows CP932
// under each of them.
inline bool isCp932Name(std::string_view name) {
  return std::any_of(kCp932Names.begin(), kCp932Names.end(),
                     [name](std::string_view cp932) { return name == cp932; });
}

// Opens a converter from the encoding named `from` to the one named `to`
// (names as iconv knows them: "UTF-8", "CP932", ...); nullptr when the
// platform has none for them, with the system's error left behind.
Converter* openConverter(const char* to, const char* from);
using ConverterOpener = Converter* (*)(const char* to, const char* from);

void closeConverter(Converter* converter);

// The most bytes the console hands to convert() at once: its output waiting to
// be sent (it never gathers more, see console.h), or one typed word. A
// converter may reserve room for that much once, so no conversion allocates.
inline constexpr size_t kConversionRoom = size_t{68} * 1024;

// Converts all of `in` into `out`. False when a character has no form in the
// target encoding or the bytes are broken; `out` then holds an unspecified
// part of the result.
bool convert(Converter& converter, std::string_view in, std::string& out);

// Forgets any earlier system error, so that a failure reports its own cause.
void clearSystemError();

// The system's words, as UTF-8, for the error that the last failed call left
// behind ("No space left on device"); a general input/output error if none.
std::string describeSystemError();
