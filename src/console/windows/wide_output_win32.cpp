#include "console/windows/wide_output_win32.h"

#include "console/windows/windows_api.h"

#include <utility>

#include "console/windows/codepage_win32.h"

WideOutputBuffer::WideOutputBuffer(WideWriter writer, unsigned codePage)
    : writer_(std::move(writer)), codePage_(codePage) {}

WideOutputBuffer::~WideOutputBuffer() {
  send();
}

WideOutputBuffer::int_type WideOutputBuffer::overflow(int_type c) {
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    bytes_ += traits_type::to_char_type(c);
  }
  return traits_type::not_eof(c);
}

std::streamsize WideOutputBuffer::xsputn(const char* bytes, std::streamsize count) {
  bytes_.append(bytes, static_cast<size_t>(count));
  return count;
}

int WideOutputBuffer::sync() {
  return send() ? 0 : -1;
}

bool WideOutputBuffer::send() {
  if (bytes_.empty()) {
    return true;
  }
  // Broken bytes are a failure to write, not text to show as replacement
  // characters.
  const bool converted = bytesToWide(bytes_, codePage_, wide_);
  bytes_.clear();
  if (!converted) {
    return false;
  }
  std::wstring_view rest = wide_;
  while (!rest.empty()) {
    size_t length = rest.size() < kWidePieceLength ? rest.size() : kWidePieceLength;
    if (length < rest.size() && isHighSurrogate(rest[length - 1])) {
      --length;
    }
    if (!writer_(rest.substr(0, length))) {
      return false;
    }
    rest.remove_prefix(length);
  }
  return true;
}

WideWriter consoleWriter(void* handle) {
  return [handle](std::wstring_view wide) {
    while (!wide.empty()) {
      DWORD written = 0;
      if (!WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) ||
          written == 0) {
        return false;
      }
      wide.remove_prefix(written < wide.size() ? written : wide.size());
    }
    return true;
  };
}
