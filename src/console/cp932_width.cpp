#include "console/cp932_width.h"

#include "console/text.h"

int cp932Width(std::string_view utf8) {
  int width = 0;
  while (!utf8.empty()) {
    Utf8Character d = firstCharacter(utf8);
    size_t step = d.length == 0 ? 1 : d.length;
    // "¥" and "‾" are written as the single bytes 0x5C and 0x7E.
    bool narrow = d.length == 0 || d.codePoint < 0x80 ||
                  (d.codePoint >= 0xFF61 && d.codePoint <= 0xFF9F) || d.codePoint == 0xA5 ||
                  d.codePoint == 0x203E;
    width += narrow ? 1 : 2;
    utf8.remove_prefix(step);
  }
  return width;
}
