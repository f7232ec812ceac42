#pragma once

#include <array>
#include <streambuf>

#include "console/platform.h"

// Standard input that is a pipe or a file, read with ReadFile and no C
// library buffer in between, which cannot tell a failed read from the end of
// the input. Built on Windows only.

// Reads the pipe or file behind `handle` (a HANDLE). A pipe closed by its
// writer, or the end of the file, is the end of the input; any other failure
// (an invalid handle among them) throws InputFailed.
class FileInputBuffer : public std::streambuf {
 public:
  explicit FileInputBuffer(void* handle) : handle_(handle) {}

 protected:
  int_type underflow() override;

 private:
  void* handle_;
  bool ended_ = false;
  std::array<char, kInputRoom> bytes_{};
};
