#include <cerrno>
#include <climits>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "console/platform.h"
#include "console/web/page_streams_web.h"
#include "console/web/page_web.h"

// In a web page the program talks to the page: typed lines come from its
// input line and everything written goes to its screen, in UTF-8. CP932,
// which names are checked and measured against, comes from the browser's own
// Shift_JIS tables (web/page_library.js), as Windows uses its code page.

// The page's console is UTF-8, so typed bytes are never CP932: the one
// conversion is from UTF-8 to CP932.
struct Converter {};

Terminal openTerminal() {
  static PageInputBuffer inputBuffer;
  static PageOutputBuffer outputBuffer(kPageStandardOutput);
  static PageOutputBuffer errorBuffer(kPageStandardError);
  static std::istream input(&inputBuffer);
  static std::ostream output(&outputBuffer);
  static std::ostream errors(&errorBuffer);
  return {input, output, errors, Encoding::utf8};
}

// The page offers the keys for the answer: a keypad for numbers on a touch
// screen, the phone's own keyboard for a name.
void expectInput(InputKind kind) {
  zepiro_page_expect(static_cast<int>(kind));
}

Converter* openConverter(const char* to, const char* from) {
  if (!isCp932Name(to) || std::string_view(from) != "UTF-8" || zepiro_page_has_cp932() == 0) {
    errno = EINVAL;  // as iconv_open says of a conversion it does not know
    return nullptr;
  }
  return new Converter{};
}

void closeConverter(Converter* converter) {
  delete converter;
}

// A CP932 form is never longer than the UTF-8 one, so `out` needs no more
// room than `in` takes.
bool convert(Converter& /*converter*/, std::string_view in, std::string& out) {
  if (in.size() > INT_MAX) {
    errno = E2BIG;
    return false;
  }
  out.resize(in.size());
  const int count = static_cast<int>(in.size());
  const int made = zepiro_page_convert(in.data(), count, out.data(), count);
  if (made < 0) {
    out.clear();
    errno = EILSEQ;
    return false;
  }
  out.resize(static_cast<size_t>(made));
  return true;
}
