#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <memory>

#include "console/windows_api.h"

#include "console/codepage_win32.h"
#include "console/platform.h"
#include "console/wide_input_win32.h"
#include "console/wide_output_win32.h"

// On Windows the encoding follows the console, or the ANSI code page where
// there is none:
// - Output to a console whose output code page is 932 is CP932; output to
//   any other console is UTF-8.
// - Output to a pipe or a file is CP932 where the ANSI code page is 932 and
//   UTF-8 everywhere else.
// A console is spoken to in UTF-16 both ways, WriteConsoleW and ReadConsoleW,
// converted from and to the chosen encoding: every character then shows and
// can be typed whatever the console's code pages and Windows version, and the
// console is left as it was. Pipes and files carry bytes, in binary mode so
// "\n" stays one byte; piped input in another encoding than the output's
// (a console whose code page differs from the ANSI one) is converted.

namespace {

unsigned codePageOf(Encoding encoding) {
  return encoding == Encoding::cp932 ? kCp932CodePage : kUtf8CodePage;
}

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// The streams openTerminal sets up, kept until exit.
struct WindowsStreams {
  std::unique_ptr<WideInputBuffer> inputBuffer;
  std::unique_ptr<std::istream> input;
  std::unique_ptr<WideOutputBuffer> outputBuffer;
  std::unique_ptr<std::ostream> output;
};

}  // namespace

Terminal openTerminal() {
  static WindowsStreams streams;
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  const Encoding bytesEncoding = encodingForCodePage(GetACP());
  const bool outputIsConsole = isConsole(output);
  const Encoding encoding =
      outputIsConsole ? encodingForCodePage(GetConsoleOutputCP()) : bytesEncoding;
  const unsigned codePage = codePageOf(encoding);

  std::ostream* out = &std::cout;
  if (outputIsConsole) {
    streams.outputBuffer = std::make_unique<WideOutputBuffer>(consoleWriter(output), codePage);
    streams.output = std::make_unique<std::ostream>(streams.outputBuffer.get());
    out = streams.output.get();
  } else {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
  }

  std::istream* in = &std::cin;
  if (isConsole(input)) {
    streams.inputBuffer =
        std::make_unique<WideInputBuffer>(endingAtCtrlZ(consoleReader(input)), codePage);
  } else {
    _setmode(_fileno(stdin), _O_BINARY);
    if (bytesEncoding != encoding) {
      streams.inputBuffer = std::make_unique<WideInputBuffer>(
          lineReader(*std::cin.rdbuf(), codePageOf(bytesEncoding)), codePage);
    }
  }
  if (streams.inputBuffer) {
    streams.input = std::make_unique<std::istream>(streams.inputBuffer.get());
    in = streams.input.get();
  }
  return {*in, *out, encoding};
}

bool utf8ToCp932(std::string_view text, std::string& out) {
  std::wstring wide;
  bool clean = bytesToWide(text, kUtf8CodePage, wide);
  return wideToBytes(wide, kCp932CodePage, out) && clean;
}

bool cp932ToUtf8(std::string_view bytes, std::string& out) {
  std::wstring wide;
  return bytesToWide(bytes, kCp932CodePage, wide) && wideToBytes(wide, kUtf8CodePage, out);
}
