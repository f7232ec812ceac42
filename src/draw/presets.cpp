#include "draw/presets.h"

#include <initializer_list>

namespace {

struct EntryNumber {
  int group;
  int entry;
};

void ban(VehicleRoster& vehicles, std::initializer_list<EntryNumber> entries) {
  for (EntryNumber n : entries) {
    setFlag(vehicles, n.group, n.entry, kBanned);
  }
}

template <typename R>
void setGroups(R& roster, int firstGroup, int lastGroup, char flag) {
  for (int g = firstGroup; g <= lastGroup; ++g) {
    for (int e = 1; e <= R::kEntries; ++e) {
      setFlag(roster, g, e, flag);
    }
  }
}

}  // namespace

void applyVehiclePreset(VehicleRoster& vehicles, int preset) {
  switch (preset) {
    case 1:
      ban(vehicles, {{4, 2}, {5, 2}, {6, 2}, {1, 3}});
      break;
    case 2:
      ban(vehicles, {{4, 5}, {5, 6}, {5, 5}});
      break;
    case 3:
      applyVehiclePreset(vehicles, 1);
      applyVehiclePreset(vehicles, 2);
      break;
    case 4:
      ban(vehicles, {{2, 3}, {3, 6}, {1, 3}});
      break;
    case 5:  // karts only
      setGroups(vehicles, 4, 6, kBanned);
      break;
    case 6:  // bikes only
      setGroups(vehicles, 1, 3, kBanned);
      break;
    case 7:
      setGroups(vehicles, 1, 6, kAllowed);
      break;
    case 8:
      setGroups(vehicles, 1, 6, kBanned);
      break;
    default:
      break;
  }
}

void applyCharacterPreset(CharacterRoster& characters, int preset) {
  switch (preset) {
    case 1:  // light only
      setGroups(characters, 2, 3, kBanned);
      break;
    case 2:  // medium only
      setGroups(characters, 1, 1, kBanned);
      setGroups(characters, 3, 3, kBanned);
      break;
    case 3:  // heavy only
      setGroups(characters, 1, 2, kBanned);
      break;
    case 4:
      setGroups(characters, 1, 3, kAllowed);
      break;
    case 5:
      setGroups(characters, 1, 3, kBanned);
      break;
    default:
      break;
  }
}
