#include "console/input.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <istream>

#include "console/cp932_width.h"
#include "console/text.h"
#include "console/typed_alikes.h"

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

// The ASCII blanks, by byte: the one-byte characters the table takes for a
// blank.
constexpr std::array<bool, 0x80> kAsciiBlanks = [] {
  std::array<bool, 0x80> blanks{};
  for (const TypedAlike& alike : kTypedAlikes) {
    if (alike.utf8.size() == 1 && alike.meaning == ' ') {
      blanks.at(static_cast<unsigned char>(alike.utf8[0])) = true;
    }
  }
  return blanks;
}();

// What separates answers. A number read also takes the wide blank "　" for a
// blank (it means ' ' in the table); a name ends only at the ASCII blanks.
bool isBlank(int c) {
  return c >= 0 && c < 0x80 && kAsciiBlanks[static_cast<size_t>(c)];
}

enum class Scan { number, notNumber, tooLarge };

// A look at the next character keeps its bytes in the room the console has
// for them.
static_assert(std::all_of(kTypedAlikes.begin(), kTypedAlikes.end(),
                          [](const TypedAlike& alike) {
                            return alike.utf8.size() <= kLookAheadRoom;
                          }),
              "a typed alike is longer than the console's look-ahead room");

bool isDigit(int c) {
  return c >= '0' && c <= '9';
}

// Bytes are taken straight from the stream's buffer: the reads keep their
// own state, and the stream's per-call bookkeeping would cost more than the
// byte itself. A character of several bytes is looked at whole before it is
// read, so the bytes looked at are kept aside until they are.
int peekByte(Console& console, size_t at = 0) {
  std::string& ahead = console.reads.ahead;
  if (at == 0 && ahead.empty()) {
    return console.in.rdbuf()->sgetc();
  }
  while (ahead.size() <= at) {
    const int c = console.in.rdbuf()->sbumpc();
    if (c == kEnd) {
      return kEnd;
    }
    ahead += static_cast<char>(c);
  }
  return static_cast<unsigned char>(ahead[at]);
}

int takeByte(Console& console) {
  std::string& ahead = console.reads.ahead;
  if (ahead.empty()) {
    return console.in.rdbuf()->sbumpc();
  }
  const int c = static_cast<unsigned char>(ahead.front());
  ahead.erase(0, 1);
  return c;
}

// True if the input goes on with `bytes`. A byte is looked at only when all
// before it matched, so a look at a character never reaches past a line end.
bool inputGoesOnWith(Console& console, std::string_view bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (peekByte(console, i) != static_cast<unsigned char>(bytes[i])) {
      return false;
    }
  }
  return true;
}

// The next character as a number read sees it: `meaning` is its byte, or the
// ASCII character a typed alike stands for; `length` counts its bytes.
struct Symbol {
  int meaning;
  size_t length;
};

Symbol peekCp932Symbol(Console& console, int lead) {
  auto code = static_cast<unsigned>(lead);
  size_t length = 1;
  if (isCp932LeadByte(lead)) {
    const int trail = peekByte(console, 1);
    if (trail == kEnd) {
      return {lead, 1};
    }
    code = code * 256 + static_cast<unsigned>(trail);
    length = 2;
  }
  for (const TypedAlike& alike : kTypedAlikes) {
    if (alike.cp932 == code) {
      return {alike.meaning, length};
    }
  }
  return {lead, 1};
}

Symbol peekUtf8Symbol(Console& console, int lead) {
  for (const TypedAlike& alike : kTypedAlikes) {
    if (static_cast<unsigned char>(alike.utf8[0]) == lead && inputGoesOnWith(console, alike.utf8)) {
      return {alike.meaning, alike.utf8.size()};
    }
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

void takeBytes(Console& console, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    takeByte(console);
  }
}

// An answers file saved as UTF-8 by some editors starts with a byte order
// mark: one there is not part of the first answer. Anywhere else it is an
// ordinary character.
void skipByteOrderMark(Console& console) {
  constexpr std::string_view kByteOrderMark = "\uFEFF";
  if (console.encoding == Encoding::utf8 && inputGoesOnWith(console, kByteOrderMark)) {
    takeBytes(console, kByteOrderMark.size());
  }
}

// Skips blanks, line ends and wide blanks; the input ending here ends the
// dialogue. Every read starts here, the first one at the start of the input.
void skipBlanks(Console& console) {
  if (!console.reads.started) {
    console.reads.started = true;
    skipByteOrderMark(console);
  }
  for (Symbol s = peekSymbol(console); isBlank(s.meaning); s = peekSymbol(console)) {
    takeBytes(console, s.length);
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
    takeBytes(console, s.length);
    s = peekSymbol(console);
  }
  if (!isDigit(s.meaning)) {
    return Scan::notNumber;
  }
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  bool tooLarge = false;
  for (; isDigit(s.meaning); s = peekSymbol(console)) {
    takeBytes(console, s.length);
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

// Writes the question's prompt and sends all output; the platform then hears
// what the answer is, each time a prompt is shown and before anything is
// read, even when the answer was typed ahead.
void startQuestion(Console& console, InputKind kind, std::string_view prompt,
                   std::initializer_list<FormatArg> args) {
  std::string& question = console.reads.prompt;
  question.clear();
  formatTo(question, prompt, args);
  writeText(console, question);
  flush(console);
  expectInput(kind);
}

// Drops the rest of the refused line, explains, and asks the same question.
void refuse(Console& console, InputKind kind, std::string_view notice,
            std::initializer_list<FormatArg> args = {}) {
  discardLine(console);
  write(console, notice, args);
  writeText(console, console.reads.prompt);
  flush(console);
  expectInput(kind);
}

// A number outside the question's range, or beyond 32 bits where the question
// has a range of its own, is answered with that range.
void refuseNumber(Console& console, InputKind kind, Scan scan, NumberRange range) {
  if (scan == Scan::notNumber) {
    refuse(console, kind, "□数字で入力してください\n");
  } else if (range.low == kAnyNumber.low && range.high == kAnyNumber.high) {
    refuse(console, kind, "□数字が大きすぎます\n");
  } else {
    refuse(console, kind, "□%dから%dまでの数字で入力してください\n", {range.low, range.high});
  }
}

// Reads one word into `console.reads.token`, keeping at most kWordLimit
// bytes. Returns false if it was longer.
bool scanWord(Console& console) {
  skipBlanks(console);
  std::string& token = console.reads.token;
  token.clear();
  bool whole = true;
  for (int c = peekByte(console); c != kEnd && !isBlank(c); c = peekByte(console)) {
    takeByte(console);
    if (token.size() < kWordLimit) {
      token += static_cast<char>(c);
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
// That form must be as wide as the tables measure the name: a converter that
// drops a character without a word (as glibc's does with the invisible tag
// characters) or writes one in an unexpected width never lets it through.
Name storeName(Console& console, std::span<char> slot, int maxWidth) {
  const std::string& token = console.reads.token;
  std::string& converted = console.reads.converted;
  std::string_view text = token;
  size_t width = token.size();
  if (console.encoding == Encoding::cp932) {
    if (!console.codec.toUtf8(token, converted)) {
      return Name::notText;
    }
    text = converted;
  } else if (!isValidUtf8(text) || !console.codec.toCp932(text, converted)) {
    return Name::notText;
  } else {
    width = converted.size();
  }
  if (text.empty() || hasControlCharacter(text) || width != static_cast<size_t>(cp932Width(text))) {
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
  startQuestion(console, InputKind::number, prompt, args);
  for (;;) {
    int value = 0;
    Scan scan = scanNumber(console, value);
    if (scan == Scan::number && value >= range.low && value <= range.high) {
      return value;
    }
    refuseNumber(console, InputKind::number, scan, range);
  }
}

void askPair(Console& console, int& first, int& second, std::string_view prompt) {
  startQuestion(console, InputKind::pair, prompt, {});
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
      takeBytes(console, after.length);  // the hyphen
      scan = scanNumber(console, b);
      if (scan == Scan::number) {
        first = a;
        second = b;
        return;
      }
    }
    refuseNumber(console, InputKind::pair, scan, kAnyNumber);
  }
}

void askWord(Console& console, std::span<char> slot, int maxWidth, std::string_view prompt,
             std::initializer_list<FormatArg> args) {
  startQuestion(console, InputKind::name, prompt, args);
  for (;;) {
    Name name = scanWord(console) ? storeName(console, slot, maxWidth) : Name::tooLong;
    if (name == Name::stored) {
      return;
    }
    if (name == Name::notText) {
      refuse(console, InputKind::name, "□使えない文字が含まれています\n");
    } else {
      refuse(console, InputKind::name, "□半角%d文字（全角%d文字）までで入力してください\n",
             {maxWidth, maxWidth / 2});
    }
  }
}
