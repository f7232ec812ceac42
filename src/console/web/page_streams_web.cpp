#include "console/web/page_streams_web.h"

#include <algorithm>
#include <cerrno>

#include "console/web/page_web.h"

namespace {

// The most bytes handed to the page at once. zepiro_page_write counts them in
// an int, so a longer write goes in pieces; a mebibyte is far below the int's
// limit and above anything the console writes at once (kConversionRoom).
constexpr std::streamsize kLargestPageWrite = 1 << 20;

}  // namespace

PageInputBuffer::int_type PageInputBuffer::underflow() {
  const int got = zepiro_page_read(bytes_.data(), static_cast<int>(bytes_.size()));
  if (got <= 0) {
    return traits_type::eof();
  }
  setg(bytes_.data(), bytes_.data(), bytes_.data() + got);
  return traits_type::to_int_type(bytes_[0]);
}

std::streamsize PageOutputBuffer::xsputn(const char* bytes, std::streamsize count) {
  for (std::streamsize done = 0; done < count; done += kLargestPageWrite) {
    const std::streamsize piece = std::min(count - done, kLargestPageWrite);
    if (zepiro_page_write(stream_, bytes + done, static_cast<int>(piece)) < 0) {
      errno = EPIPE;  // as a pipe whose reader has gone
      return done;
    }
  }
  return count;
}
