#include "tally/ranking.h"

int rankOf(const ScoreSheet& sheet, int row) {
  auto first = static_cast<size_t>(row);
  while (first > 0 && sheet.totals[first - 1] == sheet.totals[first]) {
    --first;
  }
  return static_cast<int>(first) + 1;
}

std::string_view rankSuffix(int rank) {
  switch (rank) {
    case 1:
      return "st　";
    case 2:
      return "nd　";
    case 3:
      return "rd　";
    default:
      return "th　";
  }
}
