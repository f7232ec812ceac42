#pragma once

#include <string_view>

// The byte encoding of the console the tool talks to. Text inside the tool is
// always UTF-8; in CP932 mode it is converted on its way out and typed text on
// its way in.
enum class Encoding { utf8, cp932 };

// Maps a locale codeset name (as nl_langinfo(CODESET) gives it) to the console
// encoding: any Shift_JIS family name means CP932, everything else UTF-8.
Encoding encodingForCodeset(std::string_view codeset);

// The Windows code page numbers of the two encodings.
inline constexpr unsigned kUtf8CodePage = 65001;
inline constexpr unsigned kCp932CodePage = 932;

// Maps a Windows code page number (a console's output code page, or the ANSI
// code page) to the console encoding: 932 means CP932, everything else UTF-8.
Encoding encodingForCodePage(unsigned codePage);

// True for a byte that starts a two-byte CP932 character.
bool isCp932LeadByte(int byte);
