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

constexpr std::array<BanList, 6> kVehicleBans = {{
    {{{4, 2}, {5, 2}, {6, 2}, {1, 3}}},                          // 7-1
    {{{4, 5}, {5, 6}, {5, 5}}},                                  // 7-2
    {{{4, 2}, {5, 2}, {6, 2}, {1, 3}, {4, 5}, {5, 6}, {5, 5}}},  // 7-3: 7-1 and 7-2
    {{{2, 3}, {3, 6}, {1, 3}}},                                  // 7-4
    {{{4, kWholeGroup}, {5, kWholeGroup}, {6, kWholeGroup}}},    // 7-5: karts only
    {{{1, kWholeGroup}, {2, kWholeGroup}, {3, kWholeGroup}}},    // 7-6: bikes only
}};

constexpr std::array<BanList, 3> kCharacterBans = {{
    {{{2, kWholeGroup}, {3, kWholeGroup}}},  // 4-1: light only
    {{{1, kWholeGroup}, {3, kWholeGroup}}},  // 4-2: medium only
    {{{1, kWholeGroup}, {2, kWholeGroup}}},  // 4-3: heavy only
}};

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
