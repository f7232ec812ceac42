#include "app/command_line.h"

#include <charconv>
#include <string_view>

namespace {

// The seed as written: decimal digits only, within 32 bits.
std::optional<std::uint32_t> parseSeed(std::string_view text) {
  std::uint32_t value = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

CommandLine parseCommandLine(std::span<const char* const> args) {
  CommandLine line;
  constexpr std::string_view kSeedEquals = "--seed=";
  for (size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h" || arg == "--version") {
      if (line.action == CommandLine::Action::dialogue) {
        line.action = arg == "--version" ? CommandLine::Action::version : CommandLine::Action::help;
      }
      continue;
    }
    std::optional<std::uint32_t> seed;
    if (arg == "--seed") {
      seed = i + 1 < args.size() ? parseSeed(args[++i]) : std::nullopt;
    } else if (arg.starts_with(kSeedEquals)) {
      seed = parseSeed(arg.substr(kSeedEquals.size()));
    } else {
      return {CommandLine::Action::usage, std::nullopt,
              "不明な引数です: '" + std::string(arg) + "'"};
    }
    if (!seed) {
      return {CommandLine::Action::usage, std::nullopt,
              "--seed には0から4294967295までの数を指定してください"};
    }
    line.seed = seed;
  }
  return line;
}
