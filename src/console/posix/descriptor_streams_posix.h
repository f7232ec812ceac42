#pragma once

#include <array>
#include <streambuf>

#include "console/platform.h"
#include "console/unbuffered_output.h"

// Standard input and output read and written with the system's own calls,
// with no C library buffer in between: a C stream that is line-buffered (a
// terminal) drops the bytes of a failed write and reports success, and it
// cannot tell a failed read from the end of the input. Built on POSIX only.

// Reads a file descriptor. A read that fails throws InputFailed; EINTR is
// retried, and a descriptor left non-blocking is waited on, not failed. The
// end of the input stays the end, as it does for a C stream.
class DescriptorInputBuffer : public std::streambuf {
 public:
  explicit DescriptorInputBuffer(int fd) : fd_(fd) {}

 protected:
  int_type underflow() override;

 private:
  int fd_;
  bool ended_ = false;
  std::array<char, kInputRoom> bytes_{};
};

// Writes a file descriptor, every byte at once and in full: partial writes
// go on, EINTR is retried and a non-blocking descriptor is waited on. A write
// that fails makes the stream fail, with the system's error left in errno.
class DescriptorOutputBuffer : public UnbufferedOutput {
 public:
  explicit DescriptorOutputBuffer(int fd) : fd_(fd) {}

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;

 private:
  int fd_;
};
