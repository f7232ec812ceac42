#include "participants/participant_table.h"

#include <cstring>

std::array<NameSlot, kMaxParticipants> ParticipantTable::startingNames() {
  std::array<NameSlot, kMaxParticipants> names{};
  constexpr std::string_view kNewcomer = "新規";
  for (int i = 0; i < 12; ++i) {
    std::memcpy(names[i].data(), kNewcomer.data(), kNewcomer.size());
  }
  return names;
}

std::string_view nameAt(const ParticipantTable& table, int index) {
  return table.names[static_cast<size_t>(index)].data();
}

void removeParticipant(ParticipantTable& table, int index) {
  for (int j = index; j < table.count - 1; ++j) {
    table.names[static_cast<size_t>(j)] = table.names[static_cast<size_t>(j) + 1];
  }
  --table.count;
}
