#include <iconv.h>
#include <langinfo.h>

#include <array>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <iostream>

#include "console/platform.h"

struct Converter {
  iconv_t handle;
};

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // NOLINT: iconv's own error value
const size_t kConversionFailed = static_cast<size_t>(-1);

}  // namespace

// The locale's codeset decides: the standard streams carry whatever bytes the
// terminal sends and shows.
Terminal openTerminal() {
  std::setlocale(LC_CTYPE, "");
  return {std::cin, std::cout, std::cerr, encodingForCodeset(nl_langinfo(CODESET))};
}

Converter* openConverter(const char* to, const char* from) {
  iconv_t handle = iconv_open(to, from);
  return handle == kNoConverter ? nullptr : new Converter{handle};
}

void closeConverter(Converter* converter) {
  iconv_close(converter->handle);
  delete converter;
}

bool convert(Converter& converter, std::string_view in, std::string& out) {
  out.clear();
  iconv(converter.handle, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  std::array<char, 1024> chunk{};
  char* inPtr = const_cast<char*>(in.data());  // NOLINT: iconv takes a non-const pointer
  size_t inLeft = in.size();
  while (inLeft > 0) {
    char* outPtr = chunk.data();
    size_t outLeft = chunk.size();
    size_t result = iconv(converter.handle, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(chunk.data(), static_cast<size_t>(outPtr - chunk.data()));
    if (result == kConversionFailed && errno != E2BIG) {
      return false;  // EILSEQ: no form in the target, or broken bytes; EINVAL: cut short
    }
  }
  return true;
}

void clearSystemError() {
  errno = 0;
}

std::string describeSystemError() {
  return std::strerror(errno != 0 ? errno : EIO);
}
