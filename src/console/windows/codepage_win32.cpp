#include "console/windows/codepage_win32.h"

#include "console/windows/windows_api.h"

#include <algorithm>

namespace {

bool isSurrogate(wchar_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

bool isLowSurrogate(wchar_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// The text with every surrogate pair (and stray surrogate) replaced by one
// `substitute`: a legacy code page holds nothing beyond U+FFFF, and Windows
// would write one substitute per half. Returns false if anything was replaced.
bool replaceSurrogates(std::wstring_view wide, std::wstring& out, wchar_t substitute) {
  out.clear();
  bool clean = true;
  for (size_t i = 0; i < wide.size(); ++i) {
    if (!isSurrogate(wide[i])) {
      out += wide[i];
      continue;
    }
    if (isHighSurrogate(wide[i]) && i + 1 < wide.size() && isLowSurrogate(wide[i + 1])) {
      ++i;
    }
    out += substitute;
    clean = false;
  }
  return clean;
}

}  // namespace

bool wideToBytes(std::wstring_view wide, unsigned codePage, std::string& out, char substitute) {
  out.clear();
  if (wide.empty()) {
    return true;
  }
  if (codePage == kUtf8CodePage) {
    int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                   0, nullptr, nullptr);
    out.resize(static_cast<size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size,
                        nullptr, nullptr);
    return size > 0;
  }
  // Text without surrogates, the usual case, is converted as it stands, so
  // no copy is made (and nothing allocated) for it.
  std::wstring_view source = wide;
  std::wstring plain;
  bool clean = true;
  if (std::any_of(wide.begin(), wide.end(), isSurrogate)) {
    clean = replaceSurrogates(wide, plain, static_cast<wchar_t>(substitute));
    source = plain;
  }
  BOOL usedDefault = FALSE;
  // No "best fit": a character the code page lacks becomes the substitute,
  // never a look-alike such as "e" for "é".
  const int length = static_cast<int>(source.size());
  const char substituteText[] = {substitute, '\0'};
  int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, source.data(), length, nullptr, 0,
                                 substituteText, &usedDefault);
  out.resize(static_cast<size_t>(size));
  WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, source.data(), length, out.data(), size,
                      substituteText, &usedDefault);
  return clean && size > 0 && !usedDefault;
}

bool bytesToWide(std::string_view bytes, unsigned codePage, std::wstring& out) {
  out.clear();
  if (bytes.empty()) {
    return true;
  }
  const int length = static_cast<int>(bytes.size());
  DWORD flags = MB_ERR_INVALID_CHARS;
  int size = MultiByteToWideChar(codePage, flags, bytes.data(), length, nullptr, 0);
  if (size <= 0) {
    flags = 0;
    size = MultiByteToWideChar(codePage, flags, bytes.data(), length, nullptr, 0);
  }
  out.resize(static_cast<size_t>(size > 0 ? size : 0));
  MultiByteToWideChar(codePage, flags, bytes.data(), length, out.data(), size);
  return flags != 0 && size > 0;
}
