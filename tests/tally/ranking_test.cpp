#include "tally/ranking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "rank suffix" for each row of a sheet with these totals, in this order.
std::vector<std::string> places(const std::vector<long long>& totals) {
  ScoreSheet sheet;
  for (size_t i = 0; i < totals.size(); ++i) {
    sheet.totals[i] = totals[i];
  }
  std::vector<std::string> result;
  for (size_t i = 0; i < totals.size(); ++i) {
    int rank = rankOf(sheet, static_cast<int>(i));
    result.push_back(std::to_string(rank) + std::string(rankSuffix(rank)));
  }
  return result;
}

}  // namespace

TEST(Ranking, TiesShareTheRankOfTheFirstAndTheNextRankSkips) {
  // From 4 on every rank ends in "th", 11 and 12 too.
  EXPECT_EQ(places({10, 10, 5, 5, 1, 0, 0, -1, -2, -3, -4, -5}),
            (std::vector<std::string>{"1st　", "1st　", "3rd　", "3rd　", "5th　", "6th　", "6th　",
                                      "8th　", "9th　", "10th　", "11th　", "12th　"}));
  EXPECT_EQ(places({45, 30, 30}), (std::vector<std::string>{"1st　", "2nd　", "2nd　"}));
  EXPECT_EQ(places({-5, -5, -5}), (std::vector<std::string>{"1st　", "1st　", "1st　"}));
  EXPECT_EQ(places({4000000000, 4000000000, -4294967296}),
            (std::vector<std::string>{"1st　", "1st　", "3rd　"}));
}
