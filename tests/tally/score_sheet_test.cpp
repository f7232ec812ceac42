#include "tally/score_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Row {
  const char* name;
  std::vector<int> scores;
};

// A table and sheet as the tally leaves them before the sort.
struct Tally {
  ParticipantTable table;
  ScoreSheet sheet;
};

Tally makeTally(const std::vector<Row>& rows, int races) {
  Tally t;
  t.table.count = static_cast<int>(rows.size());
  t.table.races = races;
  for (size_t i = 0; i < rows.size(); ++i) {
    setName(t.table.names[i], rows[i].name);
    for (size_t r = 0; r < rows[i].scores.size(); ++r) {
      t.sheet.scores[i][r] = rows[i].scores[r];
      t.sheet.totals[i] += rows[i].scores[r];
    }
  }
  return t;
}

// Row i as "name:score,score,...=total" over the races played.
std::string rowText(const Tally& t, int i) {
  auto row = static_cast<size_t>(i);
  // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict, wrongly) inside
  // a chained operator+ that starts from a literal.
  std::string text(nameAt(t.table, i));
  text += ':';
  for (size_t r = 0; r < static_cast<size_t>(t.table.races); ++r) {
    if (r > 0) {
      text += ',';
    }
    text += std::to_string(t.sheet.scores[row][r]);
  }
  text += '=';
  text += std::to_string(t.sheet.totals[row]);
  return text;
}

std::vector<std::string> rowsText(const Tally& t) {
  std::vector<std::string> rows;
  for (int i = 0; i < t.table.count; ++i) {
    rows.push_back(rowText(t, i));
  }
  return rows;
}

}  // namespace

TEST(SortByTotal, HighestFirstAndEqualTotalsKeepTheirOrder) {
  Tally t = makeTally({{"A", {10, 10, 10}}, {"B", {20, 15, 10}}, {"C", {0, 0, 30}}}, 3);
  sortByTotal(t.sheet, t.table);
  EXPECT_EQ(rowsText(t),
            (std::vector<std::string>{"B:20,15,10=45", "A:10,10,10=30", "C:0,0,30=30"}));

  // Ties spread over the list, negative and zero totals: each name stays with
  // its own scores, and tied rows keep the order they were entered in.
  t = makeTally({{"ゼピロ", {5, 0}},
                 {"B", {4, 6}},
                 {"C", {-2, 7}},
                 {"D", {10, 0}},
                 {"E", {-3, 0}},
                 {"F", {0, 0}},
                 {"G", {-1, -2}}},
                2);
  sortByTotal(t.sheet, t.table);
  EXPECT_EQ(rowsText(t),
            (std::vector<std::string>{"B:4,6=10", "D:10,0=10", "ゼピロ:5,0=5", "C:-2,7=5",
                                      "F:0,0=0", "E:-3,0=-3", "G:-1,-2=-3"}));
}

TEST(SortByTotal, StaysWithinTheSheet) {
  // Counts beyond the sheet never reach the sort through the entry; were they
  // there, only the sheet's 12 rows and 9 races would be touched.
  Tally t;
  t.table.count = 15;
  t.table.races = 99;
  t.sheet.totals[11] = 7;
  sortByTotal(t.sheet, t.table);
  EXPECT_EQ(t.sheet.totals[0], 7);
  EXPECT_EQ(sheetRows(t.table), 12);
  EXPECT_EQ(sheetRaces(t.table), 9);
}
