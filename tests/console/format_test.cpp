#include "console/format.h"

#include <gtest/gtest.h>

#include "support/dialogue_runner.h"

namespace {

std::string format(std::string_view text, std::initializer_list<FormatArg> args) {
  std::string out;
  formatTo(out, text, args);
  return out;
}

}  // namespace

TEST(Format, RightAlignsByCp932Width) {
  // A nine-byte character entry sits behind eight blanks in a 17-byte field.
  EXPECT_EQ(format("1-%d:%17s|", {4, " モグリン"}), "1-4:         モグリン|");
  // A 23-byte vehicle entry fills its field with no blank in front.
  EXPECT_EQ(format("%23s|", {" ムーン・ライト・ワルツ"}), " ムーン・ライト・ワルツ|");
  // Half-width katakana take one byte each.
  EXPECT_EQ(format("%6s", {"ﾐｻｲﾙ"}), "  ﾐｻｲﾙ");
  // A longer value is written whole.
  EXPECT_EQ(format("%3s", {"ゼピロ"}), "ゼピロ");
}

TEST(Format, NumbersAndPlainText) {
  EXPECT_EQ(format("%2d+%2d] %3dpts", {8, 15, 33}), " 8+15]  33pts");
  EXPECT_EQ(format("%2d|%3d", {-5, -2147483647 - 1}), "-5|-2147483648");
  // 64-bit numbers, as the sum of many scores can be, print whole.
  EXPECT_EQ(format("%3d|%3d|%d", {4000000000LL, 7LL, -9223372036854775807LL - 1}),
            "4000000000|  7|-9223372036854775808");
  EXPECT_EQ(format("%d人目 %s\n", {12, "新規"}), "12人目 新規\n");
  EXPECT_EQ(format("no conversions", {}), "no conversions");
}

TEST(PageBreak, IsExactlyTwentyFiveLineEndsWhenFlushed) {
  StringConsole screen;
  pageBreak(screen.console);
  EXPECT_EQ(screen.out.str(), "");  // nothing is sent before a read or a flush
  EXPECT_EQ(screen.written(), std::string(25, '\n'));
}
