#include "support/dialogue_runner.h"

#ifdef _WIN32
#include "console/windows/windows_api.h"
#else
#include <iconv.h>
#endif

#include <stdexcept>

#include "app/dialogue.h"

Transcript runScript(std::string_view input, Generator& generator, Encoding encoding) {
  StringConsole screen{std::string(input), encoding};
  ExitStatus status = runDialogue(screen.console, generator);
  return {screen.out.str(), status};
}

Transcript runScript(std::string_view input, Encoding encoding) {
  ReplayGenerator generator({0});
  return runScript(input, generator, encoding);
}

#ifdef _WIN32
// The same through the Windows API, from UTF-8 to UTF-16 to CP932.
std::string toCp932(std::string_view utf8) {
  if (utf8.empty()) {
    return {};
  }
  const int length = static_cast<int>(utf8.size());
  std::wstring wide(utf8.size(), L'\0');
  int wideLength =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(), length);
  std::string out(utf8.size() * 2, '\0');
  BOOL usedDefault = FALSE;
  int outLength =
      WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, out.data(),
                          static_cast<int>(out.size()), nullptr, &usedDefault);
  if (wideLength == 0 || outLength == 0 || usedDefault) {
    throw std::runtime_error("text has no CP932 form");
  }
  out.resize(static_cast<size_t>(outLength));
  return out;
}
#else
std::string toCp932(std::string_view utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  std::string in(utf8);
  std::string out(in.size() * 2 + 1, '\0');
  char* inPtr = in.data();
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) {
    throw std::runtime_error("text has no CP932 form");
  }
  out.resize(out.size() - outLeft);
  return out;
}
#endif

std::string times(int count, std::string_view text) {
  std::string result;
  for (int i = 0; i < count; ++i) {
    result += text;
  }
  return result;
}
