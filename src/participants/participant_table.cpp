#include "participants/participant_table.h"

#include <algorithm>

std::array<NameSlot, kMaxParticipants> ParticipantTable::startingNames() {
  std::array<NameSlot, kMaxParticipants> names{};
  static_assert(kStartingNames <= kMaxParticipants);
  for (size_t i = 0; i < kStartingNames; ++i) {
    setName(names[i], "新規");
  }
  return names;
}

void setName(NameSlot& slot, std::string_view name) {
  slot.fill('\0');
  name.copy(slot.data(), std::min(name.size(), slot.size() - 1));
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
