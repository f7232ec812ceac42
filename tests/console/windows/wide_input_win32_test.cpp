#include "console/windows/wide_input_win32.h"

#include <gtest/gtest.h>

#include <istream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/dialogue.h"
#include "console/console.h"
#include "console/windows/codepage_win32.h"
#include "support/dialogue_runner.h"

namespace {

// Hands out fixed pieces of typed text, as ReadConsoleW would, and counts
// the calls.
struct TypedPieces {
  std::vector<std::wstring> pieces;
  size_t calls = 0;

  WideReader reader() {
    return [this](std::wstring& wide) {
      ++calls;
      if (calls > pieces.size()) {
        return false;
      }
      wide = pieces[calls - 1];
      return true;
    };
  }
};

std::string readAll(std::streambuf& buffer) {
  std::istream in(&buffer);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(WideInputBuffer, HandsOnTypedTextInTheConsoleEncoding) {
  TypedPieces typed{{L"3 ゼピロ\r\n", L"", L"ﾐｻｲﾙ\r\n"}};
  WideInputBuffer utf8(typed.reader(), kUtf8CodePage);
  EXPECT_EQ(readAll(utf8), "3 ゼピロ\r\nﾐｻｲﾙ\r\n");

  // "é" and an emoji have no CP932 form: each becomes DEL, which the reads
  // refuse, never a "?" that a name could keep.
  TypedPieces again{{L"3 ゼピロ\r\n", L"", L"ﾐｻｲﾙ José\U0001F600\r\n"}};
  WideInputBuffer cp932(again.reader(), kCp932CodePage);
  EXPECT_EQ(readAll(cp932), "3 \x83\x5B\x83\x73\x83\x8D\r\n\xD0\xBB\xB2\xD9 Jos\x7F\x7F\r\n");
}

TEST(WideInputBuffer, JoinsASurrogatePairSplitBetweenPieces) {
  const std::wstring face = L"\U0001F600";
  TypedPieces typed{{L"a" + face.substr(0, 1), face.substr(1) + L"b"}};
  WideInputBuffer buffer(typed.reader(), kUtf8CodePage);
  EXPECT_EQ(readAll(buffer), "a😀b");
}

TEST(EndingAtCtrlZ, KeepsWhatCameBeforeItAndReadsNoFurther) {
  TypedPieces typed{{L"1\r\n", L"2\x1A\r\n", L"3\r\n"}};
  WideInputBuffer buffer(endingAtCtrlZ(typed.reader()), kUtf8CodePage);
  EXPECT_EQ(readAll(buffer), "1\r\n2");
  EXPECT_EQ(typed.calls, 2U);
}

TEST(LineReader, ConvertsPipedBytesFromAnotherEncodingLineByLine) {
  // A line longer than a piece comes in pieces that never split a character.
  const std::string longLine(4095, 'x');
  std::stringbuf piped("3\n\x83\x5B\x83\x73\x83\x8D\n" + longLine + "\x83\x5B\x83\x73\nx");
  WideInputBuffer buffer(lineReader(piped, kCp932CodePage), kUtf8CodePage);
  EXPECT_EQ(readAll(buffer), "3\nゼピロ\n" + longLine + "ゼピ\nx");

  std::stringbuf utf8("\uFEFF" + longLine + "ゼ\uFEFF\n");
  WideInputBuffer fromUtf8(lineReader(utf8, kUtf8CodePage), kUtf8CodePage);
  EXPECT_EQ(readAll(fromUtf8), longLine + "ゼ\uFEFF\n");  // a byte order mark only at the start
}

// A dialogue typed at a console, answer by answer and ended with Ctrl-Z,
// goes as the same answers piped in as bytes do, in either encoding.
TEST(WideInputBuffer, CarriesAWholeDialogueTypedAtAConsole) {
  const std::string answers = "0\n2 1\nゼピロ ﾐｻｲﾙ\nabc\n2\n1\n0\n";
  const Transcript piped = runScript(answers);

  for (Encoding encoding : {Encoding::utf8, Encoding::cp932}) {
    TypedPieces typed{{L"0\r\n", L"2 1\r\n", L"ゼピロ ﾐｻｲﾙ\r\n", L"abc\r\n", L"2\r\n", L"1\r\n",
                       L"0\r\n", L"\x1A\r\n"}};
    WideInputBuffer buffer(endingAtCtrlZ(typed.reader()),
                           encoding == Encoding::cp932 ? kCp932CodePage : kUtf8CodePage);
    std::istream in(&buffer);
    std::ostringstream out;
    Console console(in, out, encoding);
    ReplayGenerator generator({0});
    EXPECT_EQ(runDialogue(console, generator), ExitStatus::inputEnded);
    EXPECT_EQ(out.str(), encoding == Encoding::cp932 ? toCp932(piped.output) : piped.output);
  }
}
