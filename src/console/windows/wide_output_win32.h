#pragma once

#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

// Output to a Windows console, which takes text as UTF-16. Built on Windows
// only.

// Writes a piece of UTF-16 text out whole; false if it could not.
using WideWriter = std::function<bool(std::wstring_view)>;

// A write buffer that gathers bytes of `codePage` (65001 or 932) and, when
// flushed, hands them to a WideWriter as UTF-16, in pieces of at most
// kWidePieceLength units that never split a surrogate pair (an older console
// refuses a single write larger than its heap). The writer of the bytes
// flushes only after whole characters.
inline constexpr size_t kWidePieceLength = 8192;

class WideOutputBuffer : public std::streambuf {
 public:
  WideOutputBuffer(WideWriter writer, unsigned codePage);
  WideOutputBuffer(const WideOutputBuffer&) = delete;
  WideOutputBuffer& operator=(const WideOutputBuffer&) = delete;
  ~WideOutputBuffer() override;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int sync() override;

 private:
  // Hands what has gathered to the writer; false if it failed.
  bool send();

  WideWriter writer_;
  unsigned codePage_;
  std::string bytes_;
  std::wstring wide_;
};

// Writes to the console behind `handle` (a console output HANDLE) with
// WriteConsoleW.
WideWriter consoleWriter(void* handle);
