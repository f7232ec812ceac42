#include "console/encoding.h"

#include <gtest/gtest.h>

TEST(EncodingForCodeset, ShiftJisFamilyMeansCp932AndAllElseUtf8) {
  for (const char* name : {"SHIFT_JIS", "Shift_JIS", "SJIS", "sjis", "CP932", "WINDOWS-31J",
                           "MS_KANJI", "SHIFT-JIS"}) {
    EXPECT_EQ(encodingForCodeset(name), Encoding::cp932) << name;
  }
  for (const char* name : {"UTF-8", "utf8", "ANSI_X3.4-1968", "EUC-JP", ""}) {
    EXPECT_EQ(encodingForCodeset(name), Encoding::utf8) << name;
  }
}
