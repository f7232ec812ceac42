#include "console/page_streams_web.h"

#include <cerrno>

#include "console/page_web.h"

PageInputBuffer::int_type PageInputBuffer::underflow() {
  const int got = zepiro_page_read(bytes_.data(), static_cast<int>(bytes_.size()));
  if (got <= 0) {
    return traits_type::eof();
  }
  setg(bytes_.data(), bytes_.data(), bytes_.data() + got);
  return traits_type::to_int_type(bytes_[0]);
}

std::streamsize PageOutputBuffer::xsputn(const char* bytes, std::streamsize count) {
  constexpr std::streamsize kPiece = 1 << 20;
  for (std::streamsize done = 0; done < count; done += kPiece) {
    const std::streamsize piece = count - done < kPiece ? count - done : kPiece;
    if (zepiro_page_write(stream_, bytes + done, static_cast<int>(piece)) < 0) {
      errno = EPIPE;  // as a pipe whose reader has gone
      return done;
    }
  }
  return count;
}
