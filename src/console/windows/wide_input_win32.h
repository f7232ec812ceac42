#pragma once

#include <functional>
#include <streambuf>
#include <string>

// Input that reaches the tool as UTF-16 (typed at a Windows console) or in an
// encoding other than the console's, handed on as bytes in the console's
// encoding so the token reads work on it unchanged. Built on Windows only.

// Reads the next piece of text as UTF-16 into its argument; false when the
// input has ended.
using WideReader = std::function<bool(std::wstring&)>;

// A read buffer over a WideReader that converts each piece to bytes of
// `codePage` (65001 or 932). A surrogate pair split between two pieces is
// joined before it is converted. A character the code page cannot hold
// becomes DEL, which every read refuses.
class WideInputBuffer : public std::streambuf {
 public:
  WideInputBuffer(WideReader reader, unsigned codePage);

 protected:
  int_type underflow() override;

 private:
  WideReader reader_;
  unsigned codePage_;
  std::wstring wide_;
  wchar_t carried_ = 0;  // a high surrogate whose other half is in the next piece
  std::string bytes_;
};

// Reads what is typed at the console behind `handle` (a console input
// HANDLE) with ReadConsoleW, one line at a time. A read that fails throws
// InputFailed.
WideReader consoleReader(void* handle);

// Ends the text of `reader` at the first Ctrl-Z, as the Windows console
// convention has it: what came before it is kept, nothing after it is read.
WideReader endingAtCtrlZ(WideReader reader);

// Reads bytes of `codePage` from `bytes` one line at a time, a long line in
// pieces of a few KB that never split a character. A UTF-8 byte order mark
// at the very start is dropped.
WideReader lineReader(std::streambuf& bytes, unsigned codePage);
