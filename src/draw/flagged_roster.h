#pragma once

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

// A table of named entries in numbered groups, each entry carrying its own
// ban flag. Every entry is a slot string whose first byte is the flag and the
// rest the name (UTF-8), so printing the slot shows the flag in front.

inline constexpr char kAllowed = ' ';  // the entry may be drawn
inline constexpr char kBanned = '-';   // the draw never hands the entry out

template <int Groups, int Entries, size_t SlotBytes>
struct Roster {
  static_assert(SlotBytes <= 256, "a slot's length must fit in a byte");
  static constexpr int kGroups = Groups;
  static constexpr int kEntries = Entries;
  static constexpr size_t kSlotBytes = SlotBytes;
  std::array<std::array<std::array<char, SlotBytes>, Entries>, Groups> slots{};
  // Bytes of each slot string before its NUL, so the draw need not count them
  // for every pairing it writes.
  std::array<std::array<unsigned char, Entries>, Groups> lengths{};
};

// True if (group, entry), both counted from 1, names an entry of the roster.
template <typename R>
bool hasEntry(const R& /*roster*/, int group, int entry) {
  return group >= 1 && group <= R::kGroups && entry >= 1 && entry <= R::kEntries;
}

// The slot string of an entry, flag first; (group, entry) must exist.
template <typename R>
std::string_view entryText(const R& roster, int group, int entry) {
  const auto g = static_cast<size_t>(group - 1);
  const auto e = static_cast<size_t>(entry - 1);
  return {roster.slots[g][e].data(), roster.lengths[g][e]};
}

template <typename R>
char flagOf(const R& roster, int group, int entry) {
  return roster.slots[static_cast<size_t>(group - 1)][static_cast<size_t>(entry - 1)][0];
}

template <typename R>
void setFlag(R& roster, int group, int entry, char flag) {
  roster.slots[static_cast<size_t>(group - 1)][static_cast<size_t>(entry - 1)][0] = flag;
}

// Bans an allowed entry and allows a banned one.
template <typename R>
void toggle(R& roster, int group, int entry) {
  setFlag(roster, group, entry, flagOf(roster, group, entry) == kBanned ? kAllowed : kBanned);
}

// True if every name of `names` fits a slot of R with its flag and its NUL.
template <typename R, typename Names>
constexpr bool namesFit(const Names& names) {
  return std::all_of(names.begin(), names.end(), [](const auto& group) {
    return std::all_of(group.begin(), group.end(),
                       [](std::string_view name) { return name.size() + 2 <= R::kSlotBytes; });
  });
}

// Fills every slot with an allowed flag and its name from `names`, which
// must fit (namesFit).
template <typename R, typename Names>
R rosterFromNames(const Names& names) {
  R roster;
  for (int g = 0; g < R::kGroups; ++g) {
    for (int e = 0; e < R::kEntries; ++e) {
      auto& slot = roster.slots[static_cast<size_t>(g)][static_cast<size_t>(e)];
      std::string_view name = names[static_cast<size_t>(g)][static_cast<size_t>(e)];
      slot[0] = kAllowed;
      std::memcpy(slot.data() + 1, name.data(), name.size());
      roster.lengths[static_cast<size_t>(g)][static_cast<size_t>(e)] =
          static_cast<unsigned char>(name.size() + 1);
    }
  }
  return roster;
}
