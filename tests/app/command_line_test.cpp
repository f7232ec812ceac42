#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CommandLine parse(std::vector<const char*> args) {
  return parseCommandLine(args);
}

using Action = CommandLine::Action;

}  // namespace

TEST(CommandLine, OptionsAndTheirValues) {
  EXPECT_EQ(parse({}).action, Action::dialogue);
  EXPECT_FALSE(parse({}).seed);
  EXPECT_EQ(parse({"--help"}).action, Action::help);
  EXPECT_EQ(parse({"-h"}).action, Action::help);
  EXPECT_EQ(parse({"--version"}).action, Action::version);
  EXPECT_EQ(parse({"--seed", "42", "--help", "--version"}).action, Action::help);

  for (const auto& args : {std::vector<const char*>{"--seed", "0"}, {"--seed=0"}}) {
    CommandLine line = parse(args);
    EXPECT_EQ(line.action, Action::dialogue);
    EXPECT_EQ(line.seed, 0U);
  }
  EXPECT_EQ(parse({"--seed", "4294967295"}).seed, 4294967295U);
  EXPECT_EQ(parse({"--seed", "1", "--seed", "2"}).seed, 2U);  // the last one counts
}

TEST(CommandLine, AnythingElseIsAUsageError) {
  for (auto args : {std::vector<const char*>{"--seed"},
                    {"--seed", "4294967296"},
                    {"--seed", "-1"},
                    {"--seed", "+1"},
                    {"--seed", " 1"},
                    {"--version", "--seed", "1x"},
                    {"--seed", ""},
                    {"--seed="},
                    {"--seed", "0x10"},
                    {"--bogus"},
                    {"-x"},
                    {"run"},
                    {"--help", "--bogus"},
                    {"--help=1"},
                    {"--"}}) {
    CommandLine line = parse(args);
    EXPECT_EQ(line.action, Action::usage) << args.size() << " " << args[0];
    EXPECT_FALSE(line.seed);
  }
  // Every argument is read before any is acted on. The first wrong one is
  // named; a seed that is missing or no number says which numbers it takes.
  EXPECT_EQ(parse({"--seed", "1", "-x", "--bogus"}).problem, "不明な引数です: '-x'");
  const std::string badSeed = "--seed には0から4294967295までの数を指定してください";
  EXPECT_EQ(parse({"--seed=4294967296"}).problem, badSeed);
  EXPECT_EQ(parse({"--seed"}).problem, badSeed);
}
