#include "console/windows/codepage_win32.h"

#include <gtest/gtest.h>

// The strict round trip through the console's converters is covered in
// cp932_codec_test.cpp, which runs here too.

TEST(WideToBytes, PutsNoLookAlikeInPlaceOfAMissingCharacter) {
  std::string bytes;
  EXPECT_FALSE(wideToBytes(L"café", kCp932CodePage, bytes));
  EXPECT_EQ(bytes, "caf?");
  EXPECT_TRUE(wideToBytes(L"café", kUtf8CodePage, bytes));
  EXPECT_EQ(bytes, "café");
}

TEST(BytesToWide, RefusesBrokenBytesButStillHandsOnTheRest) {
  std::wstring wide;
  EXPECT_TRUE(bytesToWide("", kCp932CodePage, wide));
  EXPECT_EQ(wide, L"");
  EXPECT_FALSE(bytesToWide("ab\xFF", kUtf8CodePage, wide));
  EXPECT_EQ(wide.substr(0, 2), L"ab");
  EXPECT_EQ(wide.size(), 3U);
}
