#include "console/console.h"

#include <ostream>

#include "console/platform.h"

namespace {

// Output is sent early once this much has gathered, so a long screen never
// makes the buffer grow.
constexpr size_t kPendingLimit = size_t{64} * 1024;

}  // namespace

Console::Console(std::istream& input, std::ostream& output, Encoding encoding)
    : in(input), out(output), encoding(encoding) {
  pending.reserve(kPendingLimit + 4096);
  converted.reserve(kPendingLimit + 4096);
  prompt.reserve(512);
  token.reserve(256);
}

void writeText(Console& console, std::string_view text) {
  console.pending += text;
  flushIfLarge(console);
}

void flushIfLarge(Console& console) {
  if (console.pending.size() > kPendingLimit) {
    flush(console);
  }
}

void flush(Console& console) {
  if (console.encoding == Encoding::cp932) {
    utf8ToCp932(console.pending, console.converted);
    console.out.write(console.converted.data(),
                      static_cast<std::streamsize>(console.converted.size()));
  } else {
    console.out.write(console.pending.data(), static_cast<std::streamsize>(console.pending.size()));
  }
  console.out.flush();
  console.pending.clear();
}

void pageBreak(Console& console) {
  writeText(console, "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n");
}
