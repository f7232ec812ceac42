#include "app/program.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

struct Outcome {
  ExitStatus status;
  std::string out;
  std::string err;
};

Outcome run(std::vector<const char*> args, const std::string& input = "2\n") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  Console console(in, out, err, Encoding::utf8);
  ExitStatus status = runProgram(args, console, 7);
  return {status, out.str(), err.str()};
}

}  // namespace

TEST(Program, EachAnswerHasItsStatusAndItsStream) {
  Outcome help = run({"-h"});
  EXPECT_EQ(help.status, ExitStatus::finished);
  EXPECT_EQ(help.out.rfind("使い方: zepiro [--seed N] [--help] [--version]\n", 0), 0U);
  EXPECT_EQ(help.err, "");

  Outcome version = run({"--version"});
  EXPECT_EQ(version.status, ExitStatus::finished);
  EXPECT_EQ(version.out.rfind("zepiro ", 0), 0U);
  EXPECT_EQ(version.out.find('\n'), version.out.size() - 1);

  Outcome usage = run({"--help", "--bogus"});
  EXPECT_EQ(usage.status, ExitStatus::cannotWork);
  EXPECT_EQ(usage.out, "") << "no dialogue";
  EXPECT_EQ(usage.err,
            "zepiro: 不明な引数です: '--bogus'\n"
            "使い方: zepiro [--seed N] [--help] [--version]\n");

  // The dialogue itself: the input ends at the title menu.
  EXPECT_EQ(run({}, "").status, ExitStatus::inputEnded);
}
