#include "tally/score_sheet.h"

#include <gtest/gtest.h>

// How the sort orders rows, and that each name keeps its scores, is held by
// the tally's result tables (tally_test.cpp).

TEST(SortByTotal, StaysWithinTheSheet) {
  // Counts beyond the sheet never reach the sort through the entry; were they
  // there, only the sheet's 12 rows and 9 races would be touched.
  ParticipantTable table;
  ScoreSheet sheet;
  table.count = 15;
  table.races = 99;
  sheet.totals[11] = 7;
  sortByTotal(sheet, table);
  EXPECT_EQ(sheet.totals[0], 7);
  EXPECT_EQ(sheetRows(table), 12);
  EXPECT_EQ(sheetRaces(table), 9);
}
