#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/exit_status.h"
#include "console/console.h"
#include "console/encoding.h"
#include "draw/generator.h"

// Runs whole dialogues, or single screens and reads, in-process against
// string streams.

// A generator that hands out a fixed list of numbers in turn, then starts over.
class ReplayGenerator : public Generator {
 public:
  explicit ReplayGenerator(std::vector<std::uint32_t> numbers) : numbers_(std::move(numbers)) {}
  std::uint32_t next() override {
    std::uint32_t value = numbers_[position_ % numbers_.size()];
    ++position_;
    return value;
  }
  size_t used() const { return position_; }

 private:
  std::vector<std::uint32_t> numbers_;
  size_t position_ = 0;
};

struct Transcript {
  std::string output;
  ExitStatus status;
};

// Feeds `input` to the dialogue and returns what it wrote and its status.
Transcript runScript(std::string_view input, Encoding encoding = Encoding::utf8);
Transcript runScript(std::string_view input, Generator& generator,
                     Encoding encoding = Encoding::utf8);

// A console over fixed input that keeps what is written.
struct StringConsole {
  explicit StringConsole(std::string input = "", Encoding encoding = Encoding::utf8)
      : in(std::move(input)), console(in, out, encoding) {}
  // Sends what was written and returns all the output so far.
  std::string written() {
    flush(console);
    return out.str();
  }
  std::istringstream in;
  std::ostringstream out;
  Console console;
};

// CP932 bytes of UTF-8 text, converted by iconv independently of the tool.
std::string toCp932(std::string_view utf8);

// The page break: 25 line ends.
inline const std::string kPageBreak(25, '\n');

// Repeats a text.
std::string times(int count, std::string_view text);
