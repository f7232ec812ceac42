// Time of a full draw for the largest table: 15 participants and 99 races,
// with everything allowed and with the bans leaving each class one character
// and one vehicle of a single kind, where most attempts are thrown away.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "console/console.h"
#include "draw/characters_and_vehicles.h"
#include "draw/draw.h"
#include "draw/generator.h"
#include "participants/participant_table.h"
#include "support/null_buffer.h"

namespace {

ParticipantTable fullTable() {
  ParticipantTable table;
  table.count = kMaxParticipants;
  table.races = 99;
  for (int i = 0; i < table.count; ++i) {
    // Appended, not "P" + ...: GCC 12 at -O3 warns (-Wrestrict, wrongly) there.
    std::string name = "P";
    name += std::to_string(i + 1);
    setName(table.names[static_cast<size_t>(i)], name);
  }
  return table;
}

// Leaves only entry 1 of each class and, per class, entry 1 of one vehicle
// group: light and heavy karts, the medium bike.
void banAllButOnePerClass(CharacterRoster& characters, VehicleRoster& vehicles) {
  for (int c = 1; c <= CharacterRoster::kGroups; ++c) {
    for (int e = 2; e <= CharacterRoster::kEntries; ++e) {
      setFlag(characters, c, e, kBanned);
    }
  }
  for (int g = 1; g <= VehicleRoster::kGroups; ++g) {
    bool keep = g == 1 || g == 5 || g == 3;
    for (int e = 1; e <= VehicleRoster::kEntries; ++e) {
      if (!keep || e > 1) {
        setFlag(vehicles, g, e, kBanned);
      }
    }
  }
}

void runDraws(benchmark::State& state, bool heavyBans) {
  ParticipantTable table = fullTable();
  CharacterRoster characters = startingCharacterRoster();
  VehicleRoster vehicles = startingVehicleRoster();
  if (heavyBans) {
    banAllButOnePerClass(characters, vehicles);
  }
  SeededGenerator generator(clockSeed());
  NullBuffer sink;  // drops the output, so only the draw is timed
  std::ostream out(&sink);
  std::istringstream in;
  Console console(in, out, Encoding::utf8);
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    drawPairings(console, table, characters, vehicles, generator);
    flush(console);
  }
  // Seconds per participant, shown in the unit of the time columns.
  state.counters["per_participant"] = benchmark::Counter(
      table.count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_DrawEverythingAllowed(benchmark::State& state) {
  runDraws(state, false);
}

void BM_DrawOnePairingPerClass(benchmark::State& state) {
  runDraws(state, true);
}

}  // namespace

BENCHMARK(BM_DrawEverythingAllowed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawOnePairingPerClass)->Unit(benchmark::kMicrosecond);
