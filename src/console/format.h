#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "console/console.h"

// One value for a formatted write: a number for "%d" or a text for "%s".
// Numbers may be 64-bit, so a sum of many 32-bit scores prints whole.
struct FormatArg {
  FormatArg(int value) : isNumber(true), number(value) {}        // NOLINT: implicit on purpose
  FormatArg(long long value) : isNumber(true), number(value) {}  // NOLINT: implicit on purpose
  FormatArg(std::string_view value) : text(value) {}             // NOLINT: implicit on purpose
  FormatArg(const char* value) : text(value) {}                  // NOLINT: implicit on purpose
  FormatArg(const std::string& value) : text(value) {}           // NOLINT: implicit on purpose

  bool isNumber = false;
  long long number = 0;
  std::string_view text;
};

// Appends `format` to `out` with each conversion replaced by the next value.
// Conversions are "%d" and "%s" with an optional width ("%2d", "%17s"); a
// value narrower than the width is padded on the left with ASCII blanks, its
// width counted in CP932 bytes; a wider one is written whole.
void formatTo(std::string& out, std::string_view format, std::initializer_list<FormatArg> args);

// Formatted write to the console.
void write(Console& console, std::string_view format, std::initializer_list<FormatArg> args = {});
