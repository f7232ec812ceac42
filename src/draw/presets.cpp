#include "draw/presets.h"

#include "draw/characters_and_vehicles.h"

namespace {

template <typename R>
void setFlags(R& roster, EntryNumber number, char flag) {
  for (int e = 1; e <= R::kEntries; ++e) {
    if (number.entry == kWholeGroup || number.entry == e) {
      setFlag(roster, number.group, e, flag);
    }
  }
}

}  // namespace

template <typename R>
void applyPreset(R& roster, const Presets& presets, int preset) {
  if (preset == presets.allowAll || preset == presets.banAll) {
    for (int g = 1; g <= R::kGroups; ++g) {
      setFlags(roster, {g, kWholeGroup}, preset == presets.allowAll ? kAllowed : kBanned);
    }
  } else if (preset >= 1 && preset <= static_cast<int>(presets.bans.size())) {
    for (EntryNumber number : presets.bans[static_cast<size_t>(preset - 1)]) {
      if (number.group == 0) {
        break;
      }
      setFlags(roster, number, kBanned);
    }
  }
}

template void applyPreset(CharacterRoster& roster, const Presets& presets, int preset);
template void applyPreset(VehicleRoster& roster, const Presets& presets, int preset);
