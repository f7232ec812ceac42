#include "console/console.h"

#include <iostream>

Console::Console(std::istream& input, std::ostream& output, Encoding encoding)
    : Console(input, output, std::cerr, encoding) {}

Console::Console(std::istream& input, std::ostream& output, std::ostream& errors, Encoding encoding,
                 ConverterOpener open)
    : in(input), out(output), err(errors), encoding(encoding), codec(open, encoding) {}

WriteBuffers::WriteBuffers() {
  pending.reserve(kConversionRoom);
  converted.reserve(kConversionRoom);
}

ReadBuffers::ReadBuffers() {
  prompt.reserve(kPromptRoom);
  token.reserve(kWordLimit);
  converted.reserve(kTypedNameRoom);
  ahead.reserve(kLookAheadRoom);
}

void writeText(Console& console, std::string_view text) {
  console.writes.pending += text;
  flushIfLarge(console);
}

void flushIfLarge(Console& console) {
  if (console.writes.pending.size() > kSendThreshold) {
    flush(console);
  }
}

void flush(Console& console) {
  std::string_view bytes = console.writes.pending;
  clearSystemError();
  if (console.encoding == Encoding::cp932) {
    if (!console.codec.toCp932(console.writes.pending, console.writes.converted)) {
      throw OutputFailed{"出力をCP932に変換できません: " + describeSystemError()};
    }
    bytes = console.writes.converted;
  }
  console.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  console.out.flush();
  if (!console.out) {
    throw OutputFailed{"出力に書き込めません: " + describeSystemError()};
  }
  console.writes.pending.clear();
}

void pageBreak(Console& console) {
  console.writes.pending.append(kPageBreakLineEnds, '\n');
  flushIfLarge(console);
}

void writeErrorLine(Console& console, std::string_view line) {
  std::string text(line);
  text += '\n';
  std::string_view bytes = text;
  std::string cp932;
  if (console.encoding == Encoding::cp932 && console.codec.toCp932(text, cp932)) {
    bytes = cp932;
  }
  console.err.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  console.err.flush();
}

void reportFailure(Console& console, std::string_view message) {
  writeErrorLine(console, "zepiro: " + std::string(message));
}

bool checkConverters(Console& console) {
  if (console.codec.isOpen()) {
    return true;
  }
  // In Japanese, as every message is; with no converter the line goes out as
  // its UTF-8 bytes.
  reportFailure(console, "CP932の変換器を開けません: " + console.codec.openFailure());
  return false;
}
