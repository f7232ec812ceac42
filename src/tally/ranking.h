#pragma once

#include <string_view>

#include "tally/score_sheet.h"

// Places in the result table.

// The rank of row `row` (from 0) in a sheet sorted by total: a row whose total
// equals the row above shares its rank, any other row ranks by its position,
// so totals 10, 10, 5, 5 rank 1, 1, 3, 3.
int rankOf(const ScoreSheet& sheet, int row);

// The ending written after a rank, wide blank included: "st　", "nd　", "rd　"
// for 1 to 3, "th　" for every other rank.
std::string_view rankSuffix(int rank);
