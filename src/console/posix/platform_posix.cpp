#include <iconv.h>
#include <langinfo.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <clocale>
#include <iostream>

#include "console/platform.h"
#include "console/posix/descriptor_streams_posix.h"

struct Converter {
  iconv_t handle;
};

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // NOLINT: iconv's own error value
const size_t kConversionFailed = static_cast<size_t>(-1);

// Bytes iconv makes per call, into a piece on the stack that is then appended
// to the result: any size is right, and this one keeps the stack small and the
// calls few (the whole output room, kConversionRoom, takes 68).
constexpr size_t kConvertedPiece = 1024;

}  // namespace

// The locale's codeset decides: the standard streams carry whatever bytes the
// terminal sends and shows. Input and output bypass the C library's buffers,
// so that no failed read or write goes unseen; standard error stays
// unbuffered as it is.
Terminal openTerminal() {
  std::setlocale(LC_CTYPE, "");
  static DescriptorInputBuffer inputBuffer(STDIN_FILENO);
  static DescriptorOutputBuffer outputBuffer(STDOUT_FILENO);
  static std::istream input(&inputBuffer);
  static std::ostream output(&outputBuffer);
  return {input, output, std::cerr, encodingForCodeset(nl_langinfo(CODESET))};
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
  std::array<char, kConvertedPiece> chunk{};
  char* inPtr = const_cast<char*>(in.data());  // NOLINT: iconv takes a non-const pointer
  size_t inLeft = in.size();
  while (inLeft > 0) {
    char* outPtr = chunk.data();
    size_t outLeft = chunk.size();
    size_t result = iconv(converter.handle, &inPtr, &inLeft, &outPtr, &outLeft);
    const auto made = static_cast<size_t>(outPtr - chunk.data());
    out.append(chunk.data(), made);
    if (result == kConversionFailed && errno != E2BIG) {
      return false;  // EILSEQ: no form in the target, or broken bytes; EINVAL: cut short
    }
    if (result == kConversionFailed && made == 0) {
      return false;  // a converter that neither takes nor makes anything would go on for ever
    }
  }
  return true;
}

// The terminal's own keyboard types every kind of answer.
void expectInput(InputKind /*kind*/) {}
