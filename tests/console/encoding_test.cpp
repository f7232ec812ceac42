#include "console/encoding.h"

#include <gtest/gtest.h>

#include "console/platform.h"

TEST(EncodingForCodeset, ShiftJisFamilyMeansCp932AndAllElseUtf8) {
  for (const char* name : {"SHIFT_JIS", "Shift_JIS", "SJIS", "sjis", "CP932", "WINDOWS-31J",
                           "MS_KANJI", "SHIFT-JIS"}) {
    EXPECT_EQ(encodingForCodeset(name), Encoding::cp932) << name;
  }
  for (const char* name : {"UTF-8", "utf8", "ANSI_X3.4-1968", "EUC-JP", ""}) {
    EXPECT_EQ(encodingForCodeset(name), Encoding::utf8) << name;
  }
}

TEST(Conversion, RoundTripsJapaneseAndRefusesBrokenBytes) {
  std::string cp932;
  EXPECT_TRUE(utf8ToCp932("□ﾐｻｲﾙ　ゼピロ", cp932));
  EXPECT_EQ(cp932, "\x81\xA0\xD0\xBB\xB2\xD9\x81\x40\x83\x5B\x83\x73\x83\x8D");

  std::string utf8;
  EXPECT_TRUE(cp932ToUtf8(cp932, utf8));
  EXPECT_EQ(utf8, "□ﾐｻｲﾙ　ゼピロ");
  EXPECT_FALSE(cp932ToUtf8("\x82", utf8));      // a lead byte with nothing after it
  EXPECT_FALSE(cp932ToUtf8("\x82\x20", utf8));  // a lead byte before a blank

  // Text CP932 cannot hold is written as "?" rather than lost silently.
  EXPECT_FALSE(utf8ToCp932("a😀b", cp932));
  EXPECT_EQ(cp932, "a?b");
}
