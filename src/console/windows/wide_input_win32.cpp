#include "console/windows/wide_input_win32.h"

#include "console/windows/windows_api.h"

#include <string_view>
#include <utility>

#include "console/read_failure.h"
#include "console/windows/codepage_win32.h"

namespace {

// Characters asked of the console per call; a longer line comes in pieces.
constexpr DWORD kPieceLength = 1024;

constexpr wchar_t kCtrlZ = 0x1A;

// Bytes of a piped line handed on at once; a longer line comes in pieces, so
// no input, however long its lines, makes a buffer grow without limit.
constexpr size_t kLinePieceBytes = 4096;

constexpr wchar_t kByteOrderMark = 0xFEFF;

// What a typed character becomes when the console's encoding cannot hold it:
// DEL, a control character that every read refuses (a name gets the notice
// for characters it may not hold). Never "?" or a look-alike that a name
// could keep in place of what was typed.
constexpr char kUnheld = '\x7F';

// The length of the longest start of `bytes` that ends with a whole
// character of `codePage`.
size_t wholeCharacters(std::string_view bytes, unsigned codePage) {
  if (codePage == kCp932CodePage) {
    size_t i = 0;
    while (i < bytes.size()) {
      const size_t length = isCp932LeadByte(bytes[i]) ? 2 : 1;
      if (i + length > bytes.size()) {
        break;
      }
      i += length;
    }
    return i;
  }
  // UTF-8: the last character starts at the last byte that is not a
  // continuation byte, and is cut short if its lead byte promises more.
  auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  size_t lead = bytes.size();
  while (lead > 0 && bytes.size() - lead < 4 && (byte(lead - 1) & 0xC0) == 0x80) {
    --lead;
  }
  if (lead == 0) {
    return bytes.size();
  }
  --lead;
  const size_t length = byte(lead) >= 0xF0   ? 4
                        : byte(lead) >= 0xE0 ? 3
                        : byte(lead) >= 0xC0 ? 2
                                             : 1;
  return lead + length > bytes.size() ? lead : bytes.size();
}

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
  // `cut` holds the start of a character that the last piece ended in.
  return [&bytes, codePage, line = std::string(), cut = std::string(),
          atStart = true](std::wstring& wide) mutable {
    line = cut;
    bool ended = false;
    while (line.size() < kLinePieceBytes && (line.empty() || line.back() != '\n')) {
      const int c = bytes.sbumpc();
      if (c == std::char_traits<char>::eof()) {
        ended = true;
        break;
      }
      line += static_cast<char>(c);
    }
    if (line.empty()) {
      return false;
    }
    const size_t whole =
        ended || line.back() == '\n' ? line.size() : wholeCharacters(line, codePage);
    cut.assign(line, whole);
    line.resize(whole);
    // Broken bytes come through as replacement characters.
    bytesToWide(line, codePage, wide);
    if (atStart && codePage == kUtf8CodePage && !wide.empty() && wide.front() == kByteOrderMark) {
      wide.erase(0, 1);  // an answers file saved with a byte order mark
    }
    atStart = false;
    return true;
  };
}
