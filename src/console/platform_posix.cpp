#include <iconv.h>
#include <langinfo.h>

#include <array>
#include <cerrno>
#include <clocale>
#include <iostream>

#include "console/platform.h"

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // NOLINT: iconv's own error value
const size_t kConversionFailed = static_cast<size_t>(-1);

// Runs iconv over the whole input. With `substitute`, a character the target
// cannot hold is written as "?" and skipped (its UTF-8 length is taken from
// the lead byte); without it the conversion stops and fails.
bool convert(const char* to, const char* from, std::string_view in, std::string& out,
             bool substitute) {
  out.clear();
  iconv_t converter = iconv_open(to, from);
  if (converter == kNoConverter) {
    return false;
  }
  bool clean = true;
  std::array<char, 1024> chunk{};
  char* inPtr = const_cast<char*>(in.data());  // NOLINT: iconv takes a non-const pointer
  size_t inLeft = in.size();
  while (inLeft > 0) {
    char* outPtr = chunk.data();
    size_t outLeft = chunk.size();
    size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(chunk.data(), static_cast<size_t>(outPtr - chunk.data()));
    if (result != kConversionFailed || errno == E2BIG) {
      continue;
    }
    clean = false;
    if (!substitute || errno != EILSEQ) {
      break;
    }
    auto lead = static_cast<unsigned char>(*inPtr);
    size_t skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    skip = skip < inLeft ? skip : inLeft;
    inPtr += skip;
    inLeft -= skip;
    out += '?';
  }
  iconv_close(converter);
  return clean;
}

}  // namespace

// The locale's codeset decides: the standard streams carry whatever bytes the
// terminal sends and shows.
Terminal openTerminal() {
  std::setlocale(LC_CTYPE, "");
  return {std::cin, std::cout, encodingForCodeset(nl_langinfo(CODESET))};
}

bool utf8ToCp932(std::string_view text, std::string& out) {
  return convert("CP932", "UTF-8", text, out, true);
}

bool cp932ToUtf8(std::string_view bytes, std::string& out) {
  return convert("UTF-8", "CP932", bytes, out, false);
}
