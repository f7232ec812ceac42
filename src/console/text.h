#pragma once

#include <cstddef>
#include <string_view>

// Facts about UTF-8 text.

// One character at the start of UTF-8 text.
struct Utf8Character {
  char32_t codePoint;
  size_t length;  // bytes it takes; 0 when the bytes there are not UTF-8
};

// Decodes the character at the start of `text`, which must not be empty.
Utf8Character firstCharacter(std::string_view text);

// True if the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// True if the text holds a C0 or C1 control character or DEL.
bool hasControlCharacter(std::string_view utf8);
