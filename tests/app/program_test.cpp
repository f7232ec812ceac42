#include "app/program.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "support/dialogue_runner.h"

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

// Lines typed at a terminal: each is taken when the program reads on, and
// echoed into `screen` then, after the prompt it answers.
struct TypedLines : std::streambuf {
  TypedLines(const std::string& text, std::ostream& screen) : lines(text), screen(screen) {}
  int_type underflow() override {
    if (!std::getline(lines, line)) {
      return traits_type::eof();
    }
    screen << (line += '\n');
    setg(line.data(), line.data(), line.data() + line.size());
    return traits_type::to_int_type(line[0]);
  }
  std::istringstream lines;
  std::string line;
  std::ostream& screen;
};

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

TEST(Program, TheReadmeSessionIsWhatATerminalShows) {
  std::ifstream file(ZEPIRO_README);
  std::string readme{std::istreambuf_iterator<char>(file), {}};
  const size_t start = readme.find("```\n", readme.find("## A session")) + 4;
  const std::string block = readme.substr(start, readme.find("```\n", start) - start);

  std::ostringstream screen;
  TypedLines typed("0\n2\n2\nゼピロ\nミナ\n2\n5\n", screen);
  std::istream in(&typed);
  Console console(in, screen, Encoding::utf8);
  EXPECT_EQ(runProgram(std::vector<const char*>{"--seed", "20261208"}, console, 0),
            ExitStatus::finished);
  std::string shown = screen.str();
  for (size_t at = shown.find(kPageBreak); at != std::string::npos; at = shown.find(kPageBreak)) {
    shown.erase(at, kPageBreak.size());  // the README leaves the page breaks out
  }
  EXPECT_EQ("$ zepiro --seed 20261208\n" + shown, block) << ZEPIRO_README;
}
