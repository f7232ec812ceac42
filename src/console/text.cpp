#include "console/text.h"

#include <cstddef>

Utf8Character firstCharacter(std::string_view text) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  if (lead < 0x80) {
    return {lead, 1};
  }
  size_t length = 0;
  char32_t value = 0;
  char32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1Fu, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0Fu, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07u, smallest = 0x10000;
  } else {
    return {0, 0};
  }
  if (text.size() < length) {
    return {0, 0};
  }
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) {
      return {0, 0};
    }
    value = (value << 6) | (byte(i) & 0x3Fu);
  }
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return {0, 0};
  }
  return {value, length};
}

bool isValidUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    Utf8Character d = firstCharacter(bytes);
    if (d.length == 0) {
      return false;
    }
    bytes.remove_prefix(d.length);
  }
  return true;
}

bool hasControlCharacter(std::string_view utf8) {
  while (!utf8.empty()) {
    Utf8Character d = firstCharacter(utf8);
    char32_t c = d.codePoint;
    if (d.length != 0 && (c < 0x20 || (c >= 0x7F && c <= 0x9F))) {
      return true;
    }
    utf8.remove_prefix(d.length == 0 ? 1 : d.length);
  }
  return false;
}
