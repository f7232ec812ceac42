// Time of a whole scripted session in-process: title, 15 participants and 9
// races, the editor with presets, 100 draws, the switch to the tally with 12
// participants and 9 races of scores, and the exit.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "app/dialogue.h"
#include "console/console.h"
#include "draw/generator.h"
#include "support/null_buffer.h"

namespace {

std::string sessionScript() {
  std::string script = "0\n15 9\n";
  for (int i = 1; i <= 15; ++i) {
    script += "参加者" + std::to_string(i) + " ";
  }
  script += "\n0\n7-3\n8\n4-1\n4-4\n5\n7-7\n7-1\n0\n";  // the editor, with presets
  for (int i = 1; i < 100; ++i) {
    script += "0\n";  // 100 draws in all
  }
  script += "4\n12 9\n";
  for (int i = 1; i <= 12; ++i) {
    script += "選手" + std::to_string(i) + " ";
  }
  script += "\n";
  for (int i = 0; i < 12 * 9; ++i) {
    script += std::to_string(i % 15) + " ";
  }
  return script + "\n2\n";
}

void BM_WholeSession(benchmark::State& state) {
  const std::string script = sessionScript();
  NullBuffer sink;
  std::ostream out(&sink);
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    std::istringstream in(script);
    Console console(in, out, Encoding::utf8);
    SeededGenerator generator(clockSeed());
    benchmark::DoNotOptimize(runDialogue(console, generator));
  }
}

}  // namespace

BENCHMARK(BM_WholeSession)->Unit(benchmark::kMillisecond);
