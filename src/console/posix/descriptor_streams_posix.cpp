#include "console/posix/descriptor_streams_posix.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "console/read_failure.h"

namespace {

// True if the call that set errno may simply be made again: it was
// interrupted, or the descriptor had nothing ready and has now (poll waits
// for it without using the processor).
bool retryAfter(int fd, short ready) {
  if (errno == EINTR) {
    return true;
  }
  if (errno != EAGAIN && errno != EWOULDBLOCK) {
    return false;
  }
  pollfd wanted{fd, ready, 0};
  while (poll(&wanted, 1, -1) < 0) {
    if (errno != EINTR) {
      return false;
    }
  }
  return true;
}

}  // namespace

DescriptorInputBuffer::int_type DescriptorInputBuffer::underflow() {
  while (!ended_) {
    ssize_t got = read(fd_, bytes_.data(), bytes_.size());
    if (got > 0) {
      setg(bytes_.data(), bytes_.data(), bytes_.data() + got);
      return traits_type::to_int_type(bytes_[0]);
    }
    if (got == 0) {
      ended_ = true;
    } else if (!retryAfter(fd_, POLLIN)) {
      failReading();
    }
  }
  return traits_type::eof();
}

std::streamsize DescriptorOutputBuffer::xsputn(const char* bytes, std::streamsize count) {
  std::streamsize done = 0;
  while (done < count) {
    ssize_t written = write(fd_, bytes + done, static_cast<size_t>(count - done));
    if (written > 0) {
      done += written;
    } else if (written == 0 || !retryAfter(fd_, POLLOUT)) {
      break;
    }
  }
  return done;
}
