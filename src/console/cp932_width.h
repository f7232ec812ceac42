#pragma once

#include <string_view>

// Width of UTF-8 text in bytes of its CP932 form, which is also its width in
// terminal columns: ASCII, half-width katakana (U+FF61..U+FF9F), "¥" and "‾"
// count 1, every other character 2. Field widths are measured with it.
int cp932Width(std::string_view utf8);

// The width of one character, as cp932Width counts it.
int cp932Width(char32_t codePoint);
