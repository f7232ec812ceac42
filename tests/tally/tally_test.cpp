#include "tally/tally.h"

#include <gtest/gtest.h>

#include <string>

#include "console/input.h"
#include "support/dialogue_runner.h"
#include "support/expected_screens.h"

namespace {

// A tally of `names` over `races` races, answered from `input`.
struct Fixture : StringConsole {
  Fixture(std::initializer_list<const char*> names, int races, std::string input)
      : StringConsole(std::move(input)) {
    table.races = races;
    for (const char* name : names) {
      setName(table.names[static_cast<size_t>(table.count++)], name);
    }
  }
  std::string run() {
    runTally(console, table, sheet);
    return written();
  }
  ParticipantTable table;
  ScoreSheet sheet;
};

}  // namespace

TEST(Tally, OneRaceWritesNoPlusAndNobodyWritesOnlyTheFrame) {
  Fixture f({"A", "B"}, 1, "5 10\n");
  EXPECT_EQ(f.run(), scoreQuestion("A", 1) + scoreQuestion("B", 1) + kPageBreak + kResultsHead +
                         " 1st　[10]  10pts　B\n"
                         " 2nd　[ 5]   5pts　A\n" +
                         kResultsTail);
  EXPECT_EQ(nameAt(f.table, 0), "B");  // the names stay in result order

  Fixture nobody({}, 1, "");
  EXPECT_EQ(nobody.run(), kPageBreak + kResultsHead + kResultsTail);
}

TEST(Tally, SortsByTotalAndEachNameKeepsItsScoresAndTiesTheirOrder) {
  // Ties spread over the list, negative and zero totals.
  Fixture f({"ゼピロ", "B", "C", "D", "E", "F", "G"}, 2, "5 0 4 6 -2 7 10 0 -3 0 0 0 -1 -2\n");
  EXPECT_TRUE(f.run().ends_with(kResultsHead +
                                " 1st　[ 4+ 6]  10pts　B\n"
                                " 1st　[10+ 0]  10pts　D\n"
                                " 3rd　[ 5+ 0]   5pts　ゼピロ\n"
                                " 3rd　[-2+ 7]   5pts　C\n"
                                " 5th　[ 0+ 0]   0pts　F\n"
                                " 6th　[-3+ 0]  -3pts　E\n"
                                " 6th　[-1+-2]  -3pts　G\n" +
                                kResultsTail));
}

TEST(Tally, RefusedScoresAreAskedAgainAndTotalsStartAfreshEachTally) {
  Fixture f({"A"}, 2, "x 9\n2147483648\n3 4\n");
  std::string out = f.run();
  EXPECT_EQ(out, scoreQuestion("A", 1) + kNotNumber + scoreQuestion("A", 1) + kTooLarge +
                     scoreQuestion("A", 1) + scoreQuestion("A", 2) + kPageBreak + kResultsHead +
                     " 1st　[ 3+ 4]   7pts　A\n" + kResultsTail);

  // The sheet lives on to the next tally, whose totals must not include these.
  f.in.clear();
  f.in.str("1 1\n");
  f.out.str("");
  EXPECT_NE(f.run().find(" 1st　[ 1+ 1]   2pts　A\n"), std::string::npos);
}
