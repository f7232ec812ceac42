// Runs the whole dialogue on fuzz input as typed text and checks that it
// ends with the right status, writes only valid text in the console's
// encoding, never writes more than a bounded amount per input byte (so a
// loop that writes without reading is a finding), and, when its output
// fails, ends with ExitStatus::cannotWork without reading any more input.
//
// Input layout: byte 0 picks the encoding (bit 0 set: CP932) and whether
// the output fails (bit 1 set: after (byte 0 >> 2) * 128 bytes), bytes 1 to
// 4 seed the generator, the rest is what the user types.

#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "app/dialogue.h"
#include "console/console.h"
#include "draw/generator.h"

namespace {

// The largest draw (15 participants, 99 races) writes about 100 KB in answer
// to a two-byte input, so this bound leaves room for every honest screen.
constexpr size_t kOutputPerInputByte = 128 * 1024;

constexpr size_t kNoFailure = static_cast<size_t>(-1);

[[noreturn]] void finding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

// Whether bytes are valid text in an encoding, decided by iconv directly
// rather than by the tool's own conversions, so a fault shared by both
// cannot hide.
class TextCheck {
 public:
  explicit TextCheck(Encoding encoding)
      : handle_(encoding == Encoding::utf8 ? iconv_open("UTF-32LE", "UTF-8")
                                           : iconv_open("UTF-8", "CP932")) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {  // NOLINT: iconv's own error value
      finding("iconv cannot check the output");
    }
  }
  ~TextCheck() { iconv_close(handle_); }
  TextCheck(const TextCheck&) = delete;
  TextCheck& operator=(const TextCheck&) = delete;

  bool valid(std::string_view bytes) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());  // NOLINT: iconv takes a non-const pointer
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
      char* out = chunk_;
      size_t outLeft = sizeof chunk_;
      if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) &&
          out == chunk_) {
        return false;  // no progress: broken or cut-short bytes
      }
    }
    return true;
  }

 private:
  iconv_t handle_;
  char chunk_[4096];
};

// A view of the fuzz input as an input stream, without copying it.
class InputSource : public std::streambuf {
 public:
  explicit InputSource(std::string_view text) {
    char* begin = const_cast<char*>(text.data());  // NOLINT: the buffer is only read
    setg(begin, begin, begin + text.size());
  }
  size_t taken() const { return static_cast<size_t>(gptr() - eback()); }
};

// An output stream buffer that keeps no text: it checks each chunk the
// console sends, counts the bytes, and refuses all bytes past `failAfter`.
class CheckingSink : public std::streambuf {
 public:
  CheckingSink(Encoding encoding, size_t limit, size_t failAfter, const InputSource& source)
      : check_(encoding), limit_(limit), failAfter_(failAfter), source_(source) {}

  bool failed() const { return failed_; }
  size_t takenAtFailure() const { return takenAtFailure_; }

 protected:
  std::streamsize xsputn(const char* data, std::streamsize size) override {
    std::string_view chunk(data, static_cast<size_t>(size));
    if (!check_.valid(chunk)) {
      finding("output is not valid text in the console's encoding");
    }
    if (written_ + chunk.size() > limit_) {
      finding("output out of proportion to the input");
    }
    size_t taken = chunk.size();
    if (written_ + taken > failAfter_) {
      taken = failAfter_ - written_;
      if (!failed_) {
        failed_ = true;
        takenAtFailure_ = source_.taken();
      }
    }
    written_ += taken;
    return static_cast<std::streamsize>(taken);
  }
  int_type overflow(int_type c) override {
    char byte = traits_type::to_char_type(c);
    return c == traits_type::eof() || xsputn(&byte, 1) == 1 ? traits_type::not_eof(c)
                                                            : traits_type::eof();
  }

 private:
  TextCheck check_;
  size_t limit_;
  size_t failAfter_;
  const InputSource& source_;
  size_t written_ = 0;
  bool failed_ = false;
  size_t takenAtFailure_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 5) {
    return 0;
  }
  Encoding encoding = (data[0] & 1) != 0 ? Encoding::cp932 : Encoding::utf8;
  size_t failAfter = (data[0] & 2) != 0 ? static_cast<size_t>(data[0] >> 2) * 128 : kNoFailure;
  std::uint32_t seed = data[1] | (data[2] << 8) | (data[3] << 16) | (std::uint32_t{data[4]} << 24);
  std::string_view typed(reinterpret_cast<const char*>(data + 5), size - 5);

  InputSource source(typed);
  std::istream in(&source);
  CheckingSink sink(encoding, kOutputPerInputByte * (size + 1), failAfter, source);
  std::ostream out(&sink);
  std::ostringstream err;
  Console console(in, out, err, encoding);
  SeededGenerator generator(seed);
  ExitStatus status = runDialogue(console, generator);

  if (sink.failed()) {
    if (status != ExitStatus::cannotWork) {
      finding("output failed but the status is not cannotWork");
    }
    if (source.taken() != sink.takenAtFailure()) {
      finding("input was read after the output failed");
    }
    if (err.str().rfind("zepiro: ", 0) != 0 || err.str().find('\n') != err.str().size() - 1) {
      finding("a failure is not reported in one line on the error stream");
    }
  } else if (status != ExitStatus::finished && status != ExitStatus::inputEnded) {
    finding("a status other than finished or inputEnded while the output worked");
  }
  return 0;
}
