#pragma once

#include <array>
#include <span>

// The ready-made ban sets an editor screen offers, chosen by number.

// A group and an entry in it, both counted from 1; kWholeGroup in place of
// the entry stands for every entry of the group.
struct EntryNumber {
  int group;
  int entry;
};
inline constexpr int kWholeGroup = 0;

// What one preset bans, on top of the bans already set; {0, 0} ends the list.
using BanList = std::array<EntryNumber, 8>;

// A screen's presets: `bans` are numbers 1, 2 and so on, which only ban;
// `allowAll` allows every entry and `banAll` bans every entry.
struct Presets {
  std::span<const BanList> bans;
  int allowAll;
  int banAll;
};

// Applies preset number `preset` to the roster; a number that is none of the
// presets does nothing.
template <typename R>
void applyPreset(R& roster, const Presets& presets, int preset);
