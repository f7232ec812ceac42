#include "console/cp932_width.h"

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
