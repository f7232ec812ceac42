#include "console/text.h"

#include <gtest/gtest.h>

TEST(Cp932Width, CountsAsciiAndHalfWidthKatakanaOnceAndEverythingElseTwice) {
  EXPECT_EQ(cp932Width(""), 0);
  EXPECT_EQ(cp932Width("abc 1-2"), 7);
  EXPECT_EQ(cp932Width("ﾐｻｲﾙﾊﾞｰﾄﾞ"), 9);  // dakuten are characters of their own
  EXPECT_EQ(cp932Width("｡ﾟ"), 2);         // the two ends of the half-width range
  EXPECT_EQ(cp932Width("¥‾"), 2);         // one byte each in CP932
  EXPECT_EQ(cp932Width("　"), 2);         // the wide blank
  EXPECT_EQ(cp932Width("□■○※・"), 10);
  EXPECT_EQ(cp932Width(" モグリン"), 9);
  EXPECT_EQ(cp932Width(" ムーン・ライト・ワルツ"), 23);
  EXPECT_EQ(cp932Width("😀"), 2);  // outside CP932 but still one wide character
}

TEST(Utf8Checks, ValidityAndControlCharacters) {
  EXPECT_TRUE(isValidUtf8("名前abc"));
  EXPECT_FALSE(isValidUtf8("\xE5\x90"));      // cut short
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(isValidUtf8("\x82\xA0"));      // CP932 bytes are not UTF-8

  EXPECT_FALSE(hasControlCharacter("ゼピロ　ｱ"));
  EXPECT_TRUE(hasControlCharacter("a\x01"));
  EXPECT_TRUE(hasControlCharacter("\x7F"));
  EXPECT_TRUE(hasControlCharacter("\xC2\x85"));  // U+0085, a C1 control
}
