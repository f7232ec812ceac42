#pragma once

#include <array>
#include <streambuf>

#include "console/platform.h"
#include "console/unbuffered_output.h"

// The standard streams of the program in a page: typed lines come from the
// page's input line, written bytes go to the page's screen.

// Reads what the user types in the page, waiting (through Asyncify) while
// there is nothing.
class PageInputBuffer : public std::streambuf {
 protected:
  int_type underflow() override;

 private:
  std::array<char, kInputRoom> bytes_{};
};

// Hands every byte written to the page at once; `stream` is
// kPageStandardOutput or kPageStandardError. A write fails once the page has
// stopped the run, so the program ends as it does when its output cannot be
// written.
class PageOutputBuffer : public UnbufferedOutput {
 public:
  explicit PageOutputBuffer(int stream) : stream_(stream) {}

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;

 private:
  int stream_;
};
