// Runs the whole dialogue on fuzz input as typed text and checks that it
// ends, ends with status 0 or 1, writes only valid text in the console's
// encoding and never writes more than a bounded amount per input byte (so a
// loop that writes without reading is a finding).
//
// Input layout: byte 0 picks the encoding (odd: CP932), bytes 1 to 4 seed
// the generator, the rest is what the user types.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

#include "app/dialogue.h"
#include "console/console.h"
#include "console/platform.h"
#include "console/text.h"
#include "draw/generator.h"

namespace {

// The largest draw (15 participants, 99 races) writes about 100 KB in answer
// to a two-byte input, so this bound leaves room for every honest screen.
constexpr size_t kOutputPerInputByte = 128 * 1024;

[[noreturn]] void finding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

// An output stream buffer that keeps no text: it checks each chunk the
// console sends and counts the bytes.
class CheckingSink : public std::streambuf {
 public:
  CheckingSink(Encoding encoding, size_t limit) : encoding_(encoding), limit_(limit) {}

 protected:
  std::streamsize xsputn(const char* data, std::streamsize size) override {
    std::string_view chunk(data, static_cast<size_t>(size));
    written_ += chunk.size();
    if (written_ > limit_) {
      finding("output out of proportion to the input");
    }
    bool valid = encoding_ == Encoding::utf8 ? isValidUtf8(chunk) : cp932ToUtf8(chunk, scratch_);
    if (!valid) {
      finding("output is not valid text in the console's encoding");
    }
    return size;
  }
  int_type overflow(int_type c) override {
    char byte = static_cast<char>(c);
    return c == traits_type::eof() ? 0 : (xsputn(&byte, 1), c);
  }

 private:
  Encoding encoding_;
  size_t limit_;
  size_t written_ = 0;
  std::string scratch_;
};

// A view of the fuzz input as an input stream, without copying it.
class InputSource : public std::streambuf {
 public:
  explicit InputSource(std::string_view text) {
    char* begin = const_cast<char*>(text.data());  // NOLINT: the buffer is only read
    setg(begin, begin, begin + text.size());
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 5) {
    return 0;
  }
  Encoding encoding = (data[0] & 1) != 0 ? Encoding::cp932 : Encoding::utf8;
  std::uint32_t seed = data[1] | (data[2] << 8) | (data[3] << 16) | (std::uint32_t{data[4]} << 24);
  std::string_view typed(reinterpret_cast<const char*>(data + 5), size - 5);

  InputSource source(typed);
  std::istream in(&source);
  CheckingSink sink(encoding, kOutputPerInputByte * (size + 1));
  std::ostream out(&sink);
  Console console(in, out, encoding);
  SeededGenerator generator(seed);
  int status = runDialogue(console, generator);
  if (status != 0 && status != 1) {
    finding("exit status other than 0 or 1");
  }
  return 0;
}
