#pragma once

#include <array>
#include <string_view>

// Who takes part and how many races are run, shared by the draw and the tally.

inline constexpr int kMaxParticipants = 15;  // slots in the table, and the draw's limit
inline constexpr int kNameWidth = 11;        // CP932 bytes a name may take
inline constexpr int kMaxDrawRaces = 99;     // races the draw accepts

// Slots that hold a name before anyone is entered.
inline constexpr int kStartingNames = 12;

// The tally's score sheet holds up to 12 participants and 1 to 9 races.
inline constexpr int kMaxTallyParticipants = 12;
inline constexpr int kMaxTallyRaces = 9;

// A name as UTF-8 with a closing NUL. Eleven CP932 bytes are at most eleven
// characters of at most three UTF-8 bytes each.
using NameSlot = std::array<char, 3 * kNameWidth + 1>;

struct ParticipantTable {
  std::array<NameSlot, kMaxParticipants> names = startingNames();  // [i] is participant i+1
  int count = 0;  // participants in use, from the first slot on
  int races = 0;  // races per participant

  // The first kStartingNames slots hold "新規", the rest are empty.
  static std::array<NameSlot, kMaxParticipants> startingNames();
};

// Puts `name` (UTF-8) in `slot` with its closing NUL, and clears the rest;
// the bytes that do not fit are left out.
void setName(NameSlot& slot, std::string_view name);

// The name of participant `index + 1`.
std::string_view nameAt(const ParticipantTable& table, int index);

// Removes participant `index + 1`; those after it move up one slot.
void removeParticipant(ParticipantTable& table, int index);
