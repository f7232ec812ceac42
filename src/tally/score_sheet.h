#pragma once

#include <array>

#include "participants/participant_table.h"

// The tally's scores and totals. Row i of the sheet and slot i of the
// participant table always describe the same participant: the sort moves
// them together.
struct ScoreSheet {
  // [i][r] is participant i+1's score in race r+1.
  std::array<std::array<int, kMaxTallyRaces>, kMaxTallyParticipants> scores{};
  // [i] is the sum of row i over the races played; 64 bits, so nine 32-bit
  // scores never overflow it.
  std::array<long long, kMaxTallyParticipants> totals{};
};

// The participant count and race count of `table` as the sheet holds them:
// 0 to 12 rows and 1 to 9 races. The tally's entry asks for no more than
// that; the limits only make sure nothing reaches outside the sheet.
int sheetRows(const ParticipantTable& table);
int sheetRaces(const ParticipantTable& table);

// Exchanges two integers.
void swapi(int& a, int& b);
void swapi(long long& a, long long& b);

// Exchanges the contents of two name slots whole.
void swapc(NameSlot& a, NameSlot& b);

// Sorts the participants' rows by descending total with an exchange sort
// that never exchanges equal totals, so ties keep the order of entry. Each
// row's name and its scores in the races played move with its total.
void sortByTotal(ScoreSheet& sheet, ParticipantTable& table);
