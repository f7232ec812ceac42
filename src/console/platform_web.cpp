#include <cerrno>
#include <climits>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "console/page_streams_web.h"
#include "console/page_web.h"
#include "console/platform.h"

// In a web page the program talks to the page: typed lines come from its
// input line and everything written goes to its screen, in UTF-8. CP932,
// which names are checked and measured against, comes from the browser's own
// Shift_JIS tables (web/page_library.js), as Windows uses its code page.

struct Converter {
  bool toCp932;  // UTF-8 to CP932; CP932 to UTF-8 when false
};

namespace {

// The most bytes a conversion makes from `count` bytes: a CP932 form is never
// longer than the UTF-8 one, and one CP932 byte (a half-width katakana) makes
// at most three of UTF-8.
size_t largestResult(bool toCp932, size_t count) {
  return toCp932 ? count : 3 * count;
}

}  // namespace

Terminal openTerminal() {
  static PageInputBuffer inputBuffer;
  static PageOutputBuffer outputBuffer(1);
  static PageOutputBuffer errorBuffer(2);
  static std::istream input(&inputBuffer);
  static std::ostream output(&outputBuffer);
  static std::ostream errors(&errorBuffer);
  return {input, output, errors, Encoding::utf8};
}

Converter* openConverter(const char* to, const char* from) {
  const bool toCp932 = isCp932Name(to) && std::string_view(from) == "UTF-8";
  const bool toUtf8 = std::string_view(to) == "UTF-8" && isCp932Name(from);
  if ((!toCp932 && !toUtf8) || zepiro_page_has_cp932() == 0) {
    errno = EINVAL;  // as iconv_open says of a conversion it does not know
    return nullptr;
  }
  return new Converter{toCp932};
}

void closeConverter(Converter* converter) {
  delete converter;
}

bool convert(Converter& converter, std::string_view in, std::string& out) {
  const size_t capacity = largestResult(converter.toCp932, in.size());
  if (capacity > INT_MAX) {
    errno = E2BIG;
    return false;
  }
  out.resize(capacity);
  const int made =
      zepiro_page_convert(converter.toCp932 ? 1 : 0, in.data(), static_cast<int>(in.size()),
                          out.data(), static_cast<int>(capacity));
  if (made < 0) {
    out.clear();
    errno = EILSEQ;
    return false;
  }
  out.resize(static_cast<size_t>(made));
  return true;
}

void clearSystemError() {
  errno = 0;
}

std::string describeSystemError() {
  return std::strerror(errno != 0 ? errno : EIO);
}
