#include "console/cp932_width.h"

#include "console/text.h"

int cp932Width(char32_t codePoint) {
  // "¥" and "‾" are written as the single bytes 0x5C and 0x7E.
  bool narrow = codePoint < 0x80 || (codePoint >= 0xFF61 && codePoint <= 0xFF9F) ||
                codePoint == 0xA5 || codePoint == 0x203E;
  return narrow ? 1 : 2;
}

int cp932Width(std::string_view utf8) {
  int width = 0;
  while (!utf8.empty()) {
    Utf8Character d = firstCharacter(utf8);
    // A byte that is not UTF-8 is written as one byte.
    width += d.length == 0 ? 1 : cp932Width(d.codePoint);
    utf8.remove_prefix(d.length == 0 ? 1 : d.length);
  }
  return width;
}
