#include "support/dialogue_runner.h"

#include <iconv.h>

#include <sstream>
#include <stdexcept>

#include "app/dialogue.h"
#include "console/console.h"

Transcript runScript(std::string_view input, Generator& generator, Encoding encoding) {
  std::istringstream in{std::string(input)};
  std::ostringstream out;
  Console console(in, out, encoding);
  int status = runDialogue(console, generator);
  return {out.str(), status};
}

Transcript runScript(std::string_view input, Encoding encoding) {
  ReplayGenerator generator({0});
  return runScript(input, generator, encoding);
}

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

std::string times(int count, std::string_view text) {
  std::string result;
  for (int i = 0; i < count; ++i) {
    result += text;
  }
  return result;
}
