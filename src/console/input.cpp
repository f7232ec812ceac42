#include "console/input.h"

#include <cstdint>
#include <cstring>
#include <istream>

#include "console/text.h"

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

// Longest word kept; the rest of a longer one is read and thrown away.
constexpr size_t kWordLimit = 128;

enum class Scan { number, notNumber, tooLarge };

bool isBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(int c) {
  return c >= '0' && c <= '9';
}

// Bytes are taken straight from the stream's buffer: the reads keep their
// own state, and the stream's per-call bookkeeping would cost more than the
// byte itself.
int peekByte(Console& console) {
  return console.in.rdbuf()->sgetc();
}

int takeByte(Console& console) {
  return console.in.rdbuf()->sbumpc();
}

// Skips blanks and line ends; the input ending here ends the dialogue.
void skipBlanks(Console& console) {
  while (isBlank(peekByte(console))) {
    takeByte(console);
  }
  if (peekByte(console) == kEnd) {
    throw InputEnded{};
  }
}

// Reads an optionally signed decimal number, as "%d" does.
Scan scanNumber(Console& console, int& value) {
  skipBlanks(console);
  bool negative = false;
  if (peekByte(console) == '-' || peekByte(console) == '+') {
    negative = takeByte(console) == '-';
  }
  if (!isDigit(peekByte(console))) {
    return Scan::notNumber;
  }
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  bool tooLarge = false;
  while (isDigit(peekByte(console))) {
    magnitude = magnitude * 10 + (takeByte(console) - '0');
    if (magnitude > limit) {
      tooLarge = true;
      magnitude = limit;  // keeps reading the digits without overflowing
    }
  }
  if (tooLarge) {
    return Scan::tooLarge;
  }
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return Scan::number;
}

void startQuestion(Console& console, std::string_view prompt,
                   std::initializer_list<FormatArg> args) {
  console.prompt.clear();
  formatTo(console.prompt, prompt, args);
  writeText(console, console.prompt);
  flush(console);
}

// Drops the rest of the refused line, explains, and asks the same question.
void refuse(Console& console, std::string_view notice, std::initializer_list<FormatArg> args = {}) {
  discardLine(console);
  write(console, notice, args);
  writeText(console, console.prompt);
  flush(console);
}

void refuseNumber(Console& console, Scan scan, NumberRange range) {
  if (scan == Scan::notNumber) {
    refuse(console, "□数字で入力してください\n");
  } else if (range.low == kAnyNumber.low && range.high == kAnyNumber.high) {
    refuse(console, "□数字が大きすぎます\n");
  } else {
    refuse(console, "□%dから%dまでの数字で入力してください\n", {range.low, range.high});
  }
}

// Reads one word into console.token, keeping at most kWordLimit bytes.
// Returns false if it was longer.
bool scanWord(Console& console) {
  skipBlanks(console);
  console.token.clear();
  bool whole = true;
  for (int c = peekByte(console); c != kEnd && !isBlank(c); c = peekByte(console)) {
    takeByte(console);
    if (console.token.size() < kWordLimit) {
      console.token += static_cast<char>(c);
    } else {
      whole = false;
    }
  }
  return whole;
}

// What became of a word offered as a name.
enum class Name { stored, notText, tooLong };

// Stores the word just read in `slot`, as UTF-8 with a closing NUL, if a name
// may be it: text in the console's encoding, in UTF-8 mode made only of
// characters CP932 can hold (so no invisible or direction-changing character,
// nor one the tables cannot measure, reaches a screen), with no control
// character, at most `maxWidth` CP932 bytes wide. The word's UTF-8 form is
// looked at only in here: in CP932 mode it is in the conversion buffer, which
// the next flush overwrites.
Name storeName(Console& console, std::span<char> slot, int maxWidth) {
  std::string_view text = console.token;
  if (console.encoding == Encoding::cp932) {
    if (!console.codec.toUtf8(console.token, console.converted)) {
      return Name::notText;
    }
    text = console.converted;
  } else if (!isValidUtf8(text) || !console.codec.toCp932(text, console.converted)) {
    return Name::notText;
  }
  if (text.empty() || hasControlCharacter(text)) {
    return Name::notText;
  }
  if (cp932Width(text) > maxWidth || text.size() >= slot.size()) {
    return Name::tooLong;
  }
  std::memcpy(slot.data(), text.data(), text.size());
  slot[text.size()] = '\0';
  return Name::stored;
}

}  // namespace

void discardLine(Console& console) {
  for (int c = takeByte(console); c != kEnd && c != '\n'; c = takeByte(console)) {
  }
}

int askNumber(Console& console, std::string_view prompt, std::initializer_list<FormatArg> args,
              NumberRange range) {
  startQuestion(console, prompt, args);
  for (;;) {
    int value = 0;
    Scan scan = scanNumber(console, value);
    if (scan == Scan::number && value >= range.low && value <= range.high) {
      return value;
    }
    refuseNumber(console, scan == Scan::number ? Scan::tooLarge : scan, range);
  }
}

void askPair(Console& console, int& first, int& second, std::string_view prompt) {
  startQuestion(console, prompt, {});
  for (;;) {
    int a = 0;
    int b = 0;
    Scan scan = scanNumber(console, a);
    if (scan == Scan::number && peekByte(console) != '-') {
      first = a;
      return;
    }
    if (scan == Scan::number) {
      takeByte(console);  // the hyphen
      scan = scanNumber(console, b);
      if (scan == Scan::number) {
        first = a;
        second = b;
        return;
      }
    }
    refuseNumber(console, scan, kAnyNumber);
  }
}

void askWord(Console& console, std::span<char> slot, int maxWidth, std::string_view prompt,
             std::initializer_list<FormatArg> args) {
  startQuestion(console, prompt, args);
  for (;;) {
    Name name = scanWord(console) ? storeName(console, slot, maxWidth) : Name::tooLong;
    if (name == Name::stored) {
      return;
    }
    if (name == Name::notText) {
      refuse(console, "□使えない文字が含まれています\n");
    } else {
      refuse(console, "□半角%d文字（全角%d文字）までで入力してください\n",
             {maxWidth, maxWidth / 2});
    }
  }
}
