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
// byte itself. A character of several bytes is looked at whole before it is
// read, so the bytes looked at are kept in console.ahead until they are.
int peekByte(Console& console, size_t at = 0) {
  if (at == 0 && console.ahead.empty()) {
    return console.in.rdbuf()->sgetc();
  }
  while (console.ahead.size() <= at) {
    const int c = console.in.rdbuf()->sbumpc();
    if (c == kEnd) {
      return kEnd;
    }
    console.ahead += static_cast<char>(c);
  }
  return static_cast<unsigned char>(console.ahead[at]);
}

int takeByte(Console& console) {
  if (console.ahead.empty()) {
    return console.in.rdbuf()->sbumpc();
  }
  const int c = static_cast<unsigned char>(console.ahead.front());
  console.ahead.erase(0, 1);
  return c;
}

// The next character as a number read sees it: `meaning` is its byte, or,
// for a digit, a minus or a space typed full-width with the input method on,
// the ASCII character it stands for; `length` counts its bytes.
struct Symbol {
  int meaning;
  size_t length;
};

// "０"-"９", "－", "ー" and "　" in CP932 (U+2212 "−" has no code of its
// own there: it is written as "－").
Symbol peekCp932Symbol(Console& console, int lead) {
  if (lead == 0x81 || lead == 0x82) {
    const int trail = peekByte(console, 1);
    if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) {
      return {'0' + (trail - 0x4F), 2};
    }
    if (lead == 0x81 && trail == 0x40) {
      return {' ', 2};
    }
    if (lead == 0x81 && (trail == 0x7C || trail == 0x5B)) {
      return {'-', 2};
    }
  }
  return {lead, 1};
}

// "０"-"９", "－", "−", "ー" and "　" in UTF-8, all three bytes long. Only
// continuation bytes are looked at past the first, so a look never reaches
// past a line end.
Symbol peekUtf8Symbol(Console& console, int lead) {
  if (lead != 0xE2 && lead != 0xE3 && lead != 0xEF) {
    return {lead, 1};
  }
  const int second = peekByte(console, 1);
  if (second < 0x80 || second > 0xBF) {
    return {lead, 1};
  }
  const int third = peekByte(console, 2);
  if (third < 0x80 || third > 0xBF) {
    return {lead, 1};
  }
  const auto c =
      static_cast<char32_t>(((lead & 0x0F) << 12) | ((second & 0x3F) << 6) | (third & 0x3F));
  if (c >= U'０' && c <= U'９') {
    return {static_cast<int>('0' + (c - U'０')), 3};
  }
  if (c == U'－' || c == U'−' || c == U'ー') {
    return {'-', 3};
  }
  if (c == U'　') {
    return {' ', 3};
  }
  return {lead, 1};
}

Symbol peekSymbol(Console& console) {
  const int lead = peekByte(console);
  if (lead < 0x80) {
    return {lead, 1};  // ASCII, or the end of the input
  }
  return console.encoding == Encoding::cp932 ? peekCp932Symbol(console, lead)
                                             : peekUtf8Symbol(console, lead);
}

void takeSymbol(Console& console, Symbol symbol) {
  for (size_t i = 0; i < symbol.length; ++i) {
    takeByte(console);
  }
}

// Skips blanks, line ends and full-width spaces; the input ending here ends
// the dialogue.
void skipBlanks(Console& console) {
  for (Symbol s = peekSymbol(console); isBlank(s.meaning); s = peekSymbol(console)) {
    takeSymbol(console, s);
  }
  if (peekByte(console) == kEnd) {
    throw InputEnded{};
  }
}

// Reads an optionally signed decimal number, as "%d" does.
Scan scanNumber(Console& console, int& value) {
  skipBlanks(console);
  bool negative = false;
  Symbol s = peekSymbol(console);
  if (s.meaning == '-' || s.meaning == '+') {
    negative = s.meaning == '-';
    takeSymbol(console, s);
    s = peekSymbol(console);
  }
  if (!isDigit(s.meaning)) {
    return Scan::notNumber;
  }
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  bool tooLarge = false;
  for (; isDigit(s.meaning); s = peekSymbol(console)) {
    takeSymbol(console, s);
    magnitude = magnitude * 10 + (s.meaning - '0');
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
// character, at most `maxWidth` bytes wide in the CP932 form the converter
// makes (so the limit and the conversion never disagree: "¥" is one byte).
// The word's UTF-8 form is looked at only in here: in CP932 mode it is in the
// conversion buffer, which the next flush overwrites.
Name storeName(Console& console, std::span<char> slot, int maxWidth) {
  std::string_view text = console.token;
  size_t width = console.token.size();
  if (console.encoding == Encoding::cp932) {
    if (!console.codec.toUtf8(console.token, console.converted)) {
      return Name::notText;
    }
    text = console.converted;
  } else if (!isValidUtf8(text) || !console.codec.toCp932(text, console.converted)) {
    return Name::notText;
  } else {
    width = console.converted.size();
  }
  if (text.empty() || hasControlCharacter(text)) {
    return Name::notText;
  }
  if (width > static_cast<size_t>(maxWidth) || text.size() >= slot.size()) {
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
    const Symbol after = peekSymbol(console);
    if (scan == Scan::number && after.meaning != '-') {
      first = a;
      return;
    }
    if (scan == Scan::number) {
      takeSymbol(console, after);  // the hyphen
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
