#include "console/encoding.h"

#include <array>
#include <string>

Encoding encodingForCodeset(std::string_view codeset) {
  // Compare without case, hyphens or underscores: "Shift_JIS", "SHIFT-JIS"
  // and "shiftjis" all name the same thing.
  std::string key;
  for (char c : codeset) {
    if (c == '-' || c == '_') {
      continue;
    }
    key += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  static constexpr std::array<std::string_view, 11> kShiftJisFamily = {
      "SHIFTJIS",   "SJIS",   "CP932",  "MS932",        "WINDOWS31J",   "MSKANJI",
      "CSSHIFTJIS", "IBM932", "IBM943", "CSWINDOWS31J", "SHIFTJISX0213"};
  for (std::string_view name : kShiftJisFamily) {
    if (key == name) {
      return Encoding::cp932;
    }
  }
  return Encoding::utf8;
}

Encoding encodingForCodePage(unsigned codePage) {
  return codePage == kCp932CodePage ? Encoding::cp932 : Encoding::utf8;
}

bool isCp932LeadByte(int byte) {
  const int c = byte & 0xFF;
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
