#include "tally/score_sheet.h"

#include <algorithm>

int sheetRows(const ParticipantTable& table) {
  return std::clamp(table.count, 0, kMaxTallyParticipants);
}

int sheetRaces(const ParticipantTable& table) {
  return std::clamp(table.races, 1, kMaxTallyRaces);
}

void swapi(int& a, int& b) {
  int kept = a;
  a = b;
  b = kept;
}

void swapi(long long& a, long long& b) {
  long long kept = a;
  a = b;
  b = kept;
}

void swapc(NameSlot& a, NameSlot& b) {
  NameSlot kept = a;
  a = b;
  b = kept;
}

void sortByTotal(ScoreSheet& sheet, ParticipantTable& table) {
  const auto rows = static_cast<size_t>(sheetRows(table));
  const auto races = static_cast<size_t>(sheetRaces(table));
  for (size_t sweep = 1; sweep < rows; ++sweep) {
    for (size_t j = 0; j + 1 < rows; ++j) {
      if (sheet.totals[j] < sheet.totals[j + 1]) {
        swapi(sheet.totals[j], sheet.totals[j + 1]);
        swapc(table.names[j], table.names[j + 1]);
        for (size_t r = 0; r < races; ++r) {
          swapi(sheet.scores[j][r], sheet.scores[j + 1][r]);
        }
      }
    }
  }
}
