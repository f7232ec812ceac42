#include "console/format.h"

#include <array>
#include <charconv>

#include "console/text.h"

namespace {

void appendPadded(std::string& out, std::string_view text, int textWidth, int fieldWidth) {
  if (textWidth < fieldWidth) {
    out.append(static_cast<size_t>(fieldWidth - textWidth), ' ');
  }
  out += text;
}

void appendValue(std::string& out, const FormatArg& arg, int fieldWidth) {
  if (arg.isNumber) {
    std::array<char, 24> digits{};
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), arg.number);
    (void)error;  // 24 bytes always hold a 64-bit number
    std::string_view text(digits.data(), static_cast<size_t>(end - digits.data()));
    appendPadded(out, text, static_cast<int>(text.size()), fieldWidth);
  } else {
    appendPadded(out, arg.text, cp932Width(arg.text), fieldWidth);
  }
}

}  // namespace

void formatTo(std::string& out, std::string_view format, std::initializer_list<FormatArg> args) {
  const FormatArg* next = args.begin();
  size_t i = 0;
  while (i < format.size()) {
    size_t percent = format.find('%', i);
    if (percent == std::string_view::npos) {
      out += format.substr(i);
      return;
    }
    out += format.substr(i, percent - i);
    size_t j = percent + 1;
    int fieldWidth = 0;
    while (j < format.size() && format[j] >= '0' && format[j] <= '9') {
      fieldWidth = fieldWidth * 10 + (format[j] - '0');
      ++j;
    }
    if (j < format.size() && (format[j] == 'd' || format[j] == 's') && next != args.end()) {
      appendValue(out, *next++, fieldWidth);
    }
    i = j + 1;
  }
}

void write(Console& console, std::string_view format, std::initializer_list<FormatArg> args) {
  formatTo(console.pending, format, args);
  flushIfLarge(console);
}
