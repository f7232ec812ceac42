#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "console/windows/windows_api.h"

#include "console/platform.h"
#include "console/windows/codepage_win32.h"
#include "console/windows/file_input_win32.h"
#include "console/windows/wide_input_win32.h"
#include "console/windows/wide_output_win32.h"

// On Windows the encoding follows the console, or the ANSI code page where
// there is none:
// - Output to a console whose output code page is 932 is CP932; output to
//   any other console is UTF-8.
// - Output to a pipe or a file is CP932 where the ANSI code page is 932 and
//   UTF-8 everywhere else.
// A console is spoken to in UTF-16 both ways, WriteConsoleW and ReadConsoleW,
// converted from and to the chosen encoding: every character then shows and
// can be typed whatever the console's code pages and Windows version, and the
// console is left as it was; so is standard error when it is a console.
// Pipes and files carry bytes, in binary mode so "\n" stays one byte; piped
// input is read with ReadFile, so a failed read is not taken for the end, and
// input in another encoding than the output's (a console whose code page
// differs from the ANSI one) is converted.

struct Converter {
  unsigned from;      // code page of the bytes taken
  unsigned to;        // code page of the bytes made
  std::wstring wide;  // the text on its way between them, as UTF-16
};

namespace {

// The code page a converter name stands for; 0 for a name it does not know.
unsigned codePageNamed(std::string_view name) {
  if (name == "UTF-8") {
    return kUtf8CodePage;
  }
  return isCp932Name(name) ? kCp932CodePage : 0;
}

unsigned codePageOf(Encoding encoding) {
  return encoding == Encoding::cp932 ? kCp932CodePage : kUtf8CodePage;
}

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// The streams openTerminal sets up, kept until exit.
struct WindowsStreams {
  std::unique_ptr<FileInputBuffer> fileBuffer;
  std::unique_ptr<WideInputBuffer> inputBuffer;
  std::unique_ptr<std::istream> input;
  std::unique_ptr<WideOutputBuffer> outputBuffer;
  std::unique_ptr<std::ostream> output;
  std::unique_ptr<WideOutputBuffer> errorBuffer;
  std::unique_ptr<std::ostream> errors;
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

  std::streambuf* in = nullptr;
  if (isConsole(input)) {
    streams.inputBuffer =
        std::make_unique<WideInputBuffer>(endingAtCtrlZ(consoleReader(input)), codePage);
    in = streams.inputBuffer.get();
  } else {
    streams.fileBuffer = std::make_unique<FileInputBuffer>(input);
    in = streams.fileBuffer.get();
    if (bytesEncoding != encoding) {
      streams.inputBuffer = std::make_unique<WideInputBuffer>(
          lineReader(*streams.fileBuffer, codePageOf(bytesEncoding)), codePage);
      in = streams.inputBuffer.get();
    }
  }
  streams.input = std::make_unique<std::istream>(in);

  std::ostream* err = &std::cerr;
  HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (isConsole(error)) {
    streams.errorBuffer = std::make_unique<WideOutputBuffer>(consoleWriter(error), codePage);
    streams.errors = std::make_unique<std::ostream>(streams.errorBuffer.get());
    err = streams.errors.get();
  }
  return {*streams.input, *out, *err, encoding};
}

Converter* openConverter(const char* to, const char* from) {
  unsigned toPage = codePageNamed(to);
  unsigned fromPage = codePageNamed(from);
  if (toPage == 0 || fromPage == 0 || !IsValidCodePage(toPage) || !IsValidCodePage(fromPage)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto* converter = new Converter{fromPage, toPage, {}};
  // Each byte becomes at most one UTF-16 unit.
  converter->wide.reserve(kConversionRoom);
  return converter;
}

void closeConverter(Converter* converter) {
  delete converter;
}

bool convert(Converter& converter, std::string_view in, std::string& out) {
  // wideToBytes puts "?" for a character the target lacks and says so: the
  // conversion has then failed.
  return bytesToWide(in, converter.from, converter.wide) &&
         wideToBytes(converter.wide, converter.to, out);
}

// The console's own keyboard types every kind of answer.
void expectInput(InputKind /*kind*/) {}

void clearSystemError() {
  SetLastError(0);
  errno = 0;
}

std::string describeSystemError() {
  const DWORD code = GetLastError();
  if (code == 0) {
    return std::strerror(errno != 0 ? errno : EIO);
  }
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::string message;
  if (length > 0) {
    wideToBytes(std::wstring_view(text, length), kUtf8CodePage, message);
    LocalFree(text);
  }
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
    message.pop_back();
  }
  return message.empty() ? "Windows error " + std::to_string(code) : message;
}
