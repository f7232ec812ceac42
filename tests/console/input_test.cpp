#include "console/input.h"

#include <gtest/gtest.h>

#include <array>

#include "support/dialogue_runner.h"
#include "support/expected_screens.h"

namespace {

using Fixture = StringConsole;  // for driving single reads

constexpr int kWidth = 11;  // a name's limit

}  // namespace

TEST(AskNumber, TakesTokensNotLines) {
  Fixture f("3 2\n12abc\n7\n");
  EXPECT_EQ(askNumber(f.console, "a:"), 3);
  EXPECT_EQ(askNumber(f.console, "b:"), 2);  // answered by the rest of the first line
  EXPECT_EQ(askNumber(f.console, "c:"), 12);
  // The leftover "abc" is refused: the line is dropped and the question asked again.
  EXPECT_EQ(askNumber(f.console, "d:"), 7);
  EXPECT_EQ(f.written(), std::string("a:b:c:d:") + kNotNumber + "d:");
}

TEST(Reads, EveryAsciiBlankSeparatesAnswers) {
  Fixture f("\va\fb\v1\f2\t3\r4 5\n");
  std::array<char, 34> slot{};
  for (const char* name : {"a", "b"}) {
    askWord(f.console, slot, kWidth, "?");
    EXPECT_STREQ(slot.data(), name);
  }
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(askNumber(f.console, "?"), n);
  }
  EXPECT_EQ(f.written(), "???????");
}

TEST(AskNumber, SignsAndThirtyTwoBitLimits) {
  Fixture f("+5 -2147483648 2147483648 x\n2147483647 99999999999999999999\n-0\n");
  EXPECT_EQ(askNumber(f.console, "?"), 5);
  EXPECT_EQ(askNumber(f.console, "?"), -2147483647 - 1);
  EXPECT_EQ(askNumber(f.console, "?"), 2147483647);  // the rest of the first line was dropped
  EXPECT_EQ(askNumber(f.console, "?"), 0);
  EXPECT_EQ(f.written(), "???" + kTooLarge + "??" + kTooLarge + "?");
}

TEST(AskNumber, RefusesOutOfRangeWithItsBounds) {
  Fixture f("16 3\n-1\n15\n");
  EXPECT_EQ(askNumber(f.console, kPeoplePrompt, {}, {0, 15}), 15);
  EXPECT_EQ(f.written(),
            kPeoplePrompt + outOfRange(0, 15) + kPeoplePrompt + outOfRange(0, 15) + kPeoplePrompt);
}

TEST(AskPair, HyphenRulesAndLeftovers) {
  int group = 0;
  int entry = 0;
  Fixture f("1-3\n8\n1 -2\n4-\n 5\n1-x\n2-6\n");
  askPair(f.console, group, entry, "?");
  EXPECT_EQ(group, 1);
  EXPECT_EQ(entry, 3);
  askPair(f.console, group, entry, "?");  // a single number keeps the entry
  EXPECT_EQ(group, 8);
  EXPECT_EQ(entry, 3);
  askPair(f.console, group, entry, "?");  // a blank before the hyphen ends the pair
  EXPECT_EQ(group, 1);
  EXPECT_EQ(entry, 3);
  askPair(f.console, group, entry, "?");  // " -2" is left over and read as a number
  EXPECT_EQ(group, -2);
  EXPECT_EQ(entry, 3);
  askPair(f.console, group, entry, "?");  // blanks and a line end may follow the hyphen
  EXPECT_EQ(group, 4);
  EXPECT_EQ(entry, 5);
  askPair(f.console, group, entry, "?");  // "1-x" is refused whole and nothing changes
  EXPECT_EQ(group, 2);
  EXPECT_EQ(entry, 6);
  EXPECT_EQ(f.written(), std::string("?????") + "?" + kNotNumber + "?");
}

TEST(AskPair, FullWidthAnswersTypedWithTheInputMethodOnInBothEncodings) {
  // Every typed alike, in each encoding; a byte order mark starts the UTF-8
  // answers, as an answers file saved by some editors does. CP932 writes "−"
  // as "－".
  const std::pair<Encoding, std::string> typed[] = {
      {Encoding::utf8, "\uFEFF１５　－２　＋０１２３４６８９\n７－１ ７ー１ ７−１ ７ｰ１\n　名前\n"},
      {Encoding::cp932,
       toCp932("１５　－２　＋０１２３４６８９\n７－１ ７ー１ ７－１ ７ｰ１\n　名前\n")}};
  for (const auto& [encoding, text] : typed) {
    Fixture f(text, encoding);
    EXPECT_EQ(askNumber(f.console, "?"), 15);
    EXPECT_EQ(askNumber(f.console, "?"), -2);
    EXPECT_EQ(askNumber(f.console, "?"), 1234689);
    for (int i = 0; i < 4; ++i) {
      int group = 0;
      int entry = 0;
      askPair(f.console, group, entry, "?");
      EXPECT_EQ(group * 10 + entry, 71);
    }
    std::array<char, 34> slot{};
    askWord(f.console, slot, kWidth, "?");  // the wide blank before it is skipped
    EXPECT_STREQ(slot.data(), "名前");
    EXPECT_EQ(f.written(), "????????");
  }
}

TEST(AskWord, StoresNamesWithinTheirWidth) {
  std::array<char, 34> slot{};
  Fixture f("ＡＢＣＤＥa ＡＢＣＤＥＦ\nｱｲｳｴｵｶｷｸｹｺｻｼ\nﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊ 名　前\n");
  askWord(f.console, slot, kWidth, "?");
  EXPECT_STREQ(slot.data(), "ＡＢＣＤＥa");
  askWord(f.console, slot, kWidth, "?");  // six wide characters and then 12 narrow are refused
  EXPECT_STREQ(slot.data(), "ﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊ");
  askWord(f.console, slot, kWidth, "?");  // a wide blank does not end a word
  EXPECT_STREQ(slot.data(), "名　前");
  EXPECT_EQ(f.written(), "??" + kNameTooLong + "?" + kNameTooLong + "??");
#ifndef _WIN32
  // iconv writes "¥" as one CP932 byte (Windows has no CP932 form for it).
  Fixture yen("¥¥¥¥¥¥\n");
  askWord(yen.console, slot, kWidth, "?");
  EXPECT_STREQ(slot.data(), "¥¥¥¥¥¥");
#endif
}

TEST(AskWord, RefusesBytesThatAreNotText) {
  std::array<char, 34> slot{};
  // Broken UTF-8, a control character, and characters CP932 cannot hold: a
  // right-to-left override, a zero-width space, an emoji and an invisible
  // tag character (which glibc's converter drops without a word).
  Fixture f("\x82\xA0\nok\n\x01x\nfine\n" + std::string(300, 'x') +
            "\nA\u202Eb\nc\u200Bd\n\U0001F600\ne\U000E0041\nend");
  askWord(f.console, slot, kWidth, "?");
  EXPECT_STREQ(slot.data(), "ok");
  askWord(f.console, slot, kWidth, "?");
  EXPECT_STREQ(slot.data(), "fine");
  askWord(f.console, slot, kWidth, "?");
  EXPECT_STREQ(slot.data(), "end");
  const std::string bad = kNotText + "?";
  EXPECT_EQ(f.written(), "?" + bad + "?" + bad + "?" + kNameTooLong + "?" + bad + bad + bad + bad);
}

TEST(AskWord, ReadsCp932AndStoresUtf8) {
  std::array<char, 34> slot{};
  Fixture f(toCp932("ＡＢＣＤＥa\n") + "\x82\n" + toCp932("ﾐｻｲﾙ\n"), Encoding::cp932);
  askWord(f.console, slot, kWidth, "□%d人目の名前:", {1});
  EXPECT_STREQ(slot.data(), "ＡＢＣＤＥa");
  askWord(f.console, slot, kWidth, "□%d人目の名前:", {2});
  EXPECT_STREQ(slot.data(), "ﾐｻｲﾙ");
  EXPECT_EQ(f.written(), toCp932(namePrompt(1) + namePrompt(2) + kNotText + namePrompt(2)));
}
