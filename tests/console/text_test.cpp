#include "console/text.h"

#include <gtest/gtest.h>

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
