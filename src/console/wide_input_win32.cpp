#include "console/wide_input_win32.h"

#include "console/windows_api.h"

#include <utility>

#include "console/codepage_win32.h"
#include "console/read_failure.h"

namespace {

// Characters asked of the console per call; a longer line comes in pieces.
constexpr DWORD kPieceLength = 1024;

constexpr wchar_t kCtrlZ = 0x1A;

// What a typed character becomes when the console's encoding cannot hold it:
// DEL, a control character that every read refuses (a name gets the notice
// for characters it may not hold). Never "?" or a look-alike that a name
// could keep in place of what was typed.
constexpr char kUnheld = '\x7F';

}  // namespace

WideInputBuffer::WideInputBuffer(WideReader reader, unsigned codePage)
    : reader_(std::move(reader)), codePage_(codePage) {}

WideInputBuffer::int_type WideInputBuffer::underflow() {
  while (gptr() == egptr()) {
    if (!reader_(wide_)) {
      return traits_type::eof();  // a half pair left at the end is dropped
    }
    if (carried_ != 0) {
      wide_.insert(wide_.begin(), carried_);
      carried_ = 0;
    }
    if (!wide_.empty() && isHighSurrogate(wide_.back())) {
      carried_ = wide_.back();
      wide_.pop_back();
    }
    wideToBytes(wide_, codePage_, bytes_, kUnheld);
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
  }
  return traits_type::to_int_type(*gptr());
}

WideReader consoleReader(void* handle) {
  return [handle](std::wstring& wide) {
    wide.resize(kPieceLength);
    DWORD got = 0;
    if (!ReadConsoleW(handle, wide.data(), kPieceLength, &got, nullptr)) {
      failReading();
    }
    if (got == 0) {
      return false;  // nothing read (Ctrl-C) ends the input
    }
    wide.resize(got);
    return true;
  };
}

WideReader endingAtCtrlZ(WideReader reader) {
  return [reader = std::move(reader), ended = false](std::wstring& wide) mutable {
    if (ended || !reader(wide)) {
      return false;
    }
    size_t stop = wide.find(kCtrlZ);
    if (stop != std::wstring::npos) {
      wide.resize(stop);
      ended = true;
    }
    return true;
  };
}

WideReader lineReader(std::streambuf& bytes, unsigned codePage) {
  return [&bytes, codePage, line = std::string()](std::wstring& wide) mutable {
    line.clear();
    for (int c = bytes.sbumpc(); c != std::char_traits<char>::eof(); c = bytes.sbumpc()) {
      line += static_cast<char>(c);
      if (c == '\n') {
        break;
      }
    }
    if (line.empty()) {
      return false;
    }
    // Broken bytes come through as replacement characters.
    bytesToWide(line, codePage, wide);
    return true;
  };
}
