#pragma once

#include <string_view>

// Facts about UTF-8 text as the console shows it.

// Width of the text in bytes of its CP932 form, which is also its width in
// terminal columns: ASCII, half-width katakana (U+FF61..U+FF9F), "¥" and "‾"
// count 1, every other character 2. Field widths and name limits are measured with it.
int cp932Width(std::string_view utf8);

// True if the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// True if the text holds a C0 or C1 control character or DEL.
bool hasControlCharacter(std::string_view utf8);
