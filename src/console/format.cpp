#include "console/format.h"

#include <array>
#include <charconv>

#include "console/cp932_width.h"

namespace {

// Appends a value, padded on the left to `fieldWidth` CP932 bytes. Most
// values have no field width, and measuring a text means decoding it, so
// only a padded field is measured.
void appendValue(std::string& out, const FormatArg& arg, int fieldWidth) {
  std::array<char, 24> digits;  // filled only for a number
  std::string_view text = arg.text;
  if (arg.isNumber) {
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), arg.number);
    (void)error;  // 24 bytes always hold a 64-bit number
    text = std::string_view(digits.data(), static_cast<size_t>(end - digits.data()));
  }
  if (fieldWidth > 0) {
    int width = arg.isNumber ? static_cast<int>(text.size()) : cp932Width(text);
    if (width < fieldWidth) {
      out.append(static_cast<size_t>(fieldWidth - width), ' ');
    }
  }
  out += text;
}

}  // namespace

void formatTo(std::string& out, std::string_view format, std::initializer_list<FormatArg> args) {
  const FormatArg* next = args.begin();
  const size_t size = format.size();
  size_t literal = 0;  // start of the text not yet copied
  for (size_t i = 0; i < size; ++i) {
    if (format[i] != '%') {
      continue;
    }
    if (i > literal) {
      out.append(format.data() + literal, i - literal);
    }
    int fieldWidth = 0;
    while (i + 1 < size && format[i + 1] >= '0' && format[i + 1] <= '9') {
      fieldWidth = fieldWidth * 10 + (format[++i] - '0');
    }
    ++i;  // the conversion letter
    if (i < size && (format[i] == 'd' || format[i] == 's') && next != args.end()) {
      appendValue(out, *next++, fieldWidth);
    }
    literal = i + 1;
  }
  if (literal < size) {
    out.append(format.data() + literal, size - literal);
  }
}

void write(Console& console, std::string_view format, std::initializer_list<FormatArg> args) {
  formatTo(console.writes.pending, format, args);
  flushIfLarge(console);
}
