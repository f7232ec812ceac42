#include "console/cp932_codec.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

TEST(Cp932Codec, RoundTripsJapaneseAndRefusesWhatCp932CannotHold) {
  Cp932Codec codec;
  ASSERT_TRUE(codec.isOpen());
  std::string cp932;
  EXPECT_TRUE(codec.toCp932("□ﾐｻｲﾙ　ゼピロ", cp932));
  EXPECT_EQ(cp932, "\x81\xA0\xD0\xBB\xB2\xD9\x81\x40\x83\x5B\x83\x73\x83\x8D");

  std::string utf8;
  EXPECT_TRUE(codec.toUtf8(cp932, utf8));
  EXPECT_EQ(utf8, "□ﾐｻｲﾙ　ゼピロ");
  EXPECT_FALSE(codec.toUtf8("\x82", utf8));      // a lead byte with nothing after it
  EXPECT_FALSE(codec.toUtf8("\x82\x20", utf8));  // a lead byte before a blank

  // Nothing is put in place of a character CP932 lacks: the conversion fails.
  // The right-to-left override is one of the characters under test.
  // NOLINTNEXTLINE(misc-misleading-bidirectional)
  for (const char* text : {"a😀b", "a\u202Eb", "a\u200Bb", "caf\u00E9"}) {
    EXPECT_FALSE(codec.toCp932(text, cp932)) << text;
  }
  // A failure leaves the converter ready for the next text.
  EXPECT_TRUE(codec.toCp932("ゼピロ", cp932));
  EXPECT_EQ(cp932, "\x83\x5B\x83\x73\x83\x8D");
}

namespace {

std::vector<std::string> namesTried;

// Stands in for the platform's opener: knows no CP932 by the name "CP932",
// as some iconv implementations do not.
Converter* openWithoutTheNameCp932(const char* to, const char* from) {
  namesTried.emplace_back(std::string(from) + ">" + to);
  if (std::string(to) == "CP932" || std::string(from) == "CP932") {
    errno = EINVAL;
    return nullptr;
  }
  return openConverter(to, from);
}

Converter* openNothing(const char* /*to*/, const char* /*from*/) {
  errno = EINVAL;
  return nullptr;
}

}  // namespace

TEST(Cp932Codec, TriesTheOtherNamesOfCp932InTurn) {
  namesTried.clear();
  Cp932Codec codec(openWithoutTheNameCp932);
  ASSERT_TRUE(codec.isOpen());
  EXPECT_EQ(namesTried,
            (std::vector<std::string>{"UTF-8>CP932", "UTF-8>WINDOWS-31J", "WINDOWS-31J>UTF-8"}));
  std::string cp932;
  EXPECT_TRUE(codec.toCp932("ゼピロ", cp932));
  EXPECT_EQ(cp932, "\x83\x5B\x83\x73\x83\x8D");
}

TEST(Cp932Codec, SaysWhyWhenNoNameOpens) {
  Cp932Codec codec(openNothing);
  EXPECT_FALSE(codec.isOpen());
  EXPECT_EQ(codec.openFailure(), "Invalid argument");
  std::string out;
  EXPECT_FALSE(codec.toCp932("a", out));
  EXPECT_FALSE(codec.toUtf8("a", out));
}

TEST(Cp932Codec, NeedsTheConverterToUtf8OnlyWhereTypedBytesAreCp932) {
  // A platform that converts only to CP932, as the page does.
  const ConverterOpener toCp932Only = [](const char* to, const char* from) -> Converter* {
    return std::string_view(to) == "UTF-8" ? nullptr : openConverter(to, from);
  };
  EXPECT_TRUE(Cp932Codec(toCp932Only, Encoding::utf8).isOpen());
  EXPECT_FALSE(Cp932Codec(toCp932Only, Encoding::cp932).isOpen());
}
