#pragma once

#include <string>
#include <string_view>

#include "console/encoding.h"

// Conversions between UTF-16, as the Windows console and its API speak it,
// and the byte encodings of the tool: a Windows code page number (65001 for
// UTF-8, 932 for CP932). Built on Windows only.

// True for the first half of a UTF-16 surrogate pair.
inline bool isHighSurrogate(wchar_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

// Converts UTF-16 text to bytes of `codePage` into `out`. A character the
// code page cannot hold becomes `substitute` (one per character, also beyond
// U+FFFF); returns false if that happened.
bool wideToBytes(std::wstring_view wide, unsigned codePage, std::string& out,
                 char substitute = '?');

// Converts bytes of `codePage` to UTF-16 into `out`. Returns false when the
// bytes are not valid in that code page; `out` then holds them with the code
// page's replacement character in place of the broken ones.
bool bytesToWide(std::string_view bytes, unsigned codePage, std::wstring& out);
