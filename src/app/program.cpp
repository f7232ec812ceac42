#include "app/program.h"

#include "app/command_line.h"
#include "app/console_job.h"
#include "app/dialogue.h"
#include "draw/generator.h"

namespace {

constexpr std::string_view kUsage = "使い方: zepiro [--seed N] [--help] [--version]";

constexpr std::string_view kHelp =
    "\n\n"
    "ゼピロレースソフトウェア: レース仲間のための抽選と集計の道具です。\n"
    "引数なしで起動すると、タイトルメニューから対話が始まります。\n"
    "  ランダムキャラマシン抽選  参加者とレースごとに、キャラとマシンを抽選します\n"
    "  大会用ポイント集計        各レースの得点を合計して、順位表を書き出します\n"
    "\n"
    "オプション:\n"
    "  -h, --help          この説明を表示して終了します\n"
    "  --version           版番号を表示して終了します\n"
    "  --seed N, --seed=N  乱数の種を N (0から4294967295) にします。\n"
    "                      同じ版で同じ種と同じ答えなら、同じ抽選結果になります。\n"
    "                      抽選の前にみんなで数 (日付など) を決めてその数で\n"
    "                      起動すれば、誰でもその抽選を再現できます\n"
    "\n"
    "終了ステータス:\n"
    "  0  「終了する」を選んだとき (--help と --version も)\n"
    "  1  「終了する」の前に入力が終わったとき\n"
    "  2  入力を読めないとき、出力に書き込めないとき、CP932の変換器がないとき、\n"
    "     引数が正しくないとき\n";

// Writes a text that ends the program, as the dialogue writes its screens.
ExitStatus writeAndEnd(Console& console, std::string_view first, std::string_view rest = {}) {
  writeText(console, first);
  writeText(console, rest);
  flush(console);
  return ExitStatus::finished;
}

}  // namespace

ExitStatus runProgram(std::span<const char* const> args, Console& console,
                      std::uint32_t clockSeed) {
  CommandLine line = parseCommandLine(args);
  if (line.action == CommandLine::Action::dialogue) {
    SeededGenerator generator(line.seed.value_or(clockSeed));
    return runDialogue(console, generator);
  }
  if (line.action == CommandLine::Action::usage) {
    reportFailure(console, line.problem);
    writeErrorLine(console, kUsage);
    return ExitStatus::cannotWork;
  }
  // The usage text and the version need no converter: without one they go
  // out as their UTF-8 bytes (the version is ASCII anyway).
  if (!console.codec.isOpen()) {
    console.encoding = Encoding::utf8;
  }
  return runReportingFailures(console, [&] {
    return line.action == CommandLine::Action::help
               ? writeAndEnd(console, kUsage, kHelp)
               : writeAndEnd(console, "zepiro " ZEPIRO_VERSION "\n");
  });
}
