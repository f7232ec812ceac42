#include "console/codepage_win32.h"

#include <gtest/gtest.h>

TEST(WideToBytes, WritesOneQuestionMarkPerCharacterCp932Lacks) {
  std::string bytes;
  EXPECT_TRUE(wideToBytes(L"ゼピロ　ﾐｻｲﾙ", kCp932CodePage, bytes));
  EXPECT_EQ(bytes, "\x83\x5B\x83\x73\x83\x8D\x81\x40\xD0\xBB\xB2\xD9");

  // No look-alike stands in for a missing letter, and a character beyond
  // U+FFFF is one "?", not one per UTF-16 half.
  EXPECT_FALSE(wideToBytes(L"é", kCp932CodePage, bytes));
  EXPECT_EQ(bytes, "?");
  EXPECT_FALSE(wideToBytes(L"a\U0001F600b", kCp932CodePage, bytes));
  EXPECT_EQ(bytes, "a?b");

  EXPECT_TRUE(wideToBytes(L"a\U0001F600b", kUtf8CodePage, bytes));
  EXPECT_EQ(bytes, "a😀b");
}

TEST(BytesToWide, RefusesBrokenBytesButStillHandsOnTheRest) {
  std::wstring wide;
  EXPECT_TRUE(bytesToWide("\x83\x5B\x83\x73\x83\x8D", kCp932CodePage, wide));
  EXPECT_EQ(wide, L"ゼピロ");
  EXPECT_TRUE(bytesToWide("", kCp932CodePage, wide));
  EXPECT_EQ(wide, L"");

  EXPECT_FALSE(bytesToWide("ab\xFF", kUtf8CodePage, wide));
  EXPECT_EQ(wide.substr(0, 2), L"ab");
  EXPECT_EQ(wide.size(), 3U);
}
