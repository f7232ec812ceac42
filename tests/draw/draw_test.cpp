#include "draw/draw.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/bans.h"
#include "support/dialogue_runner.h"
#include "support/expected_screens.h"
#include "support/pairing_lines.h"

namespace {

const std::string kChangeBans = "□「1:縛りキャラ・マシンを変える」で縛りを見直してください\n";

struct DrawCase {
  ParticipantTable table;
  CharacterRoster characters = startingCharacterRoster();
  VehicleRoster vehicles = startingVehicleRoster();

  DrawCase(std::initializer_list<const char*> names, int races) {
    for (std::string_view name : names) {
      setName(table.names[static_cast<size_t>(table.count++)], name);
    }
    table.races = races;
  }

  std::string draw(Generator& generator) const {
    StringConsole screen;
    drawPairings(screen.console, table, characters, vehicles, generator);
    return screen.written();
  }
};

// The pairings of every participant, in order, read from a draw's output.
// Only allowed slot strings are recognised, so a banned entry fails the read.
std::vector<std::vector<Pairing>> readPairings(const std::string& output, int races) {
  std::vector<std::vector<Pairing>> result;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    std::optional<Pairing> p = pairingOn(line);
    if (!p) {
      if (!line.empty() && line.back() == ':') {
        result.emplace_back();  // a name line
      }
      continue;
    }
    if (races == 1) {
      result.emplace_back();
    }
    EXPECT_NE(p->cls * p->group, 0) << line;
    result.back().push_back(*p);
  }
  return result;
}

}  // namespace

TEST(Draw, ReplayedNumbersGiveAKnownTranscript) {
  DrawCase s({"A", "B"}, 2);
  // Per attempt: class, slot, character, vehicle; each taken modulo its range.
  ReplayGenerator generator({1, 1, 6, 4, 0, 5, 7, 0, 5, 4, 10, 8, 2, 0, 0, 5});
  EXPECT_EQ(s.draw(generator), kDrawOpen +
                                   "A:\n"
                                   "1:  ピッピモンドール / ストームライナー\n"  // slot 2 of 2: bike
                                   "2:  ケムリ / ベーシック・マシーンS\n"  // the kart still owed
                                   "B:\n"
                                   "1:  グラントロール / ボルケーノクルーザー\n"
                                   "2:  ゴルバ / ミラージュ\n" +  // quota spent: bike
                                   kDrawClose);
  EXPECT_EQ(generator.used(), 16u);
}

TEST(Draw, ABannedPickThrowsTheWholeAttemptAway) {
  DrawCase s({"A"}, 2);
  setFlag(s.vehicles, 1, 1, kBanned);
  setFlag(s.characters, 2, 1, kBanned);
  ReplayGenerator generator({0, 0, 0, 0,    // banned kart
                             1, 1, 0, 0,    // banned character, with a new class and slot
                             1, 1, 1, 0,    // medium bike
                             0, 0, 0, 1});  // the kart
  EXPECT_EQ(s.draw(generator), kDrawOpen +
                                   "A:\n"
                                   "1:  ガルボン / ベーシック・ライダーM\n"
                                   "2:  チビポロンタ / マイクロランナーズ\n" +
                                   kDrawClose);
  EXPECT_EQ(generator.used(), 16u);
}

TEST(Draw, OneRaceDrawsASecondSlotThatDecidesTheKind) {
  DrawCase s({"A", "B"}, 1);
  setFlag(s.vehicles, 4, 1, kBanned);
  ReplayGenerator generator({0, 7, 0, 0, 1,    // second slot 1: kart
                             0, 0, 0, 0, 6,    // 6 % 4 = 2: bike, banned
                             0, 0, 0, 1, 3});  // bike
  EXPECT_EQ(s.draw(generator), kDrawOpen +
                                   " A:  チビポロンタ / ベーシック・マシーンS\n"
                                   " B:  チビポロンタ / ミサイルバード\n" +
                                   kDrawClose);
  EXPECT_EQ(generator.used(), 15u);
}

TEST(Draw, EveryParticipantGetsTheExactKartAndBikeMixInRandomOrder) {
  SeededGenerator generator(7);
  for (int races : {2, 3, 4, 9}) {
    DrawCase s({"A", "B", "C"}, races);
    std::vector<int> kartsAt(static_cast<size_t>(races));
    for (int run = 0; run < 200; ++run) {
      auto drawn = readPairings(s.draw(generator), races);
      ASSERT_EQ(drawn.size(), 3u);
      for (const auto& pairings : drawn) {
        ASSERT_EQ(pairings.size(), static_cast<size_t>(races));
        int karts = 0;
        for (size_t r = 0; r < pairings.size(); ++r) {
          karts += pairings[r].kart() ? 1 : 0;
          kartsAt[r] += pairings[r].kart() ? 1 : 0;
        }
        EXPECT_EQ(karts, (races + 1) / 2) << races;
      }
    }
    for (int count : kartsAt) {  // every race is sometimes a kart, sometimes a bike
      EXPECT_GT(count, 0) << races;
      EXPECT_LT(count, 600) << races;
    }
  }
}

TEST(Draw, EveryEntryOccursAndTheClassLinkHolds) {
  SeededGenerator generator(11);
  std::vector<int> characterSeen(24);
  std::vector<int> vehicleSeen(36);
  DrawCase many({"A", "B", "C"}, 99);
  for (int run = 0; run < 10; ++run) {
    for (const auto& pairings : readPairings(many.draw(generator), 99)) {
      for (const Pairing& p : pairings) {
        EXPECT_TRUE(p.linked());
        ++characterSeen[static_cast<size_t>((p.cls - 1) * 8 + p.character - 1)];
        ++vehicleSeen[static_cast<size_t>((p.group - 1) * 6 + p.vehicle - 1)];
      }
    }
  }
  for (int seen : characterSeen) {
    EXPECT_GT(seen, 0);
  }
  for (int seen : vehicleSeen) {
    EXPECT_GT(seen, 0);
  }

  DrawCase one({"A"}, 1);  // one race: kart and bike at even odds
  int karts = 0;
  for (int run = 0; run < 4000; ++run) {
    karts += readPairings(one.draw(generator), 1)[0][0].kart() ? 1 : 0;
  }
  EXPECT_NEAR(karts, 2000, 200);
}

TEST(Draw, WithOnlyHeavyCharactersAllowedEveryPairingIsHeavy) {
  SeededGenerator generator(3);
  DrawCase s({"A", "B"}, 3);
  banGroup(s.characters, 1);
  banGroup(s.characters, 2);
  for (int run = 0; run < 100; ++run) {
    for (const auto& pairings : readPairings(s.draw(generator), 3)) {
      for (const Pairing& p : pairings) {
        EXPECT_EQ(p.cls, 3);
        EXPECT_TRUE(p.group == 3 || p.group == 6);
      }
    }
  }
}

TEST(Draw, ImpossibleBansWriteANoticeInsteadOfPairings) {
  const std::string both = "□2レース以上ではカートとバイクの両方が必要です\n";
  const std::string noKart =
      "□縛りのため、カートに乗れるキャラとマシンの組み合わせがありません\n" + both;
  const std::string noBike =
      "□縛りのため、バイクに乗れるキャラとマシンの組み合わせがありません\n" + both;
  const std::string none = "□縛りのため、選べるキャラとマシンの組み合わせがありません\n";

  DrawCase karts({"A", "B"}, 2);
  DrawCase bikes({"A", "B"}, 2);
  DrawCase vehicles({"A"}, 1);
  DrawCase characters({"A"}, 5);
  DrawCase classes({"A"}, 2);  // heavy characters only, and no heavy bike
  for (int g = 1; g <= 3; ++g) {
    banGroup(karts.vehicles, vehicleGroupFor(g, true));
    banGroup(bikes.vehicles, vehicleGroupFor(g, false));
    banGroup(characters.characters, g);
  }
  for (int g = 1; g <= 6; ++g) {
    banGroup(vehicles.vehicles, g);
  }
  banGroup(classes.characters, 1);
  banGroup(classes.characters, 2);
  banGroup(classes.vehicles, 6);

  const std::pair<const DrawCase*, std::string> cases[] = {
      {&karts, noKart},    {&bikes, noBike},   {&vehicles, none},
      {&characters, none}, {&classes, noBike},
  };
  for (const auto& [setup, notice] : cases) {
    ReplayGenerator generator({0});
    EXPECT_EQ(setup->draw(generator), kDrawOpen + notice + kChangeBans + kDrawClose);
    EXPECT_EQ(generator.used(), 0u);
  }

  // Nothing to draw needs no notice.
  vehicles.table.races = 0;
  ReplayGenerator generator({0});
  EXPECT_EQ(vehicles.draw(generator), kDrawOpen + kDrawClose);
  vehicles.table.races = 1;
  vehicles.table.count = 0;
  EXPECT_EQ(vehicles.draw(generator), kDrawOpen + kDrawClose);

  // One race with only bikes allowed still draws, a bike.
  karts.table.races = 1;
  ReplayGenerator bikeAfterKart({0, 0, 0, 0, 0, 0, 0, 0, 0, 2});
  EXPECT_EQ(karts.draw(bikeAfterKart), kDrawOpen + " A:  チビポロンタ / ベーシック・ライダーS\n" +
                                           " B:  チビポロンタ / ベーシック・ライダーS\n" +
                                           kDrawClose);
}
