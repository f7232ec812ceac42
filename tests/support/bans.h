#pragma once

#include <set>
#include <utility>

#include "draw/flagged_roster.h"

// Sets and reads the ban flags of a roster in tests.

// Bans every entry of `group`.
template <typename R>
void banGroup(R& roster, int group) {
  for (int entry = 1; entry <= R::kEntries; ++entry) {
    setFlag(roster, group, entry, kBanned);
  }
}

// The (group, entry) of every banned entry.
using Banned = std::set<std::pair<int, int>>;
template <typename R>
Banned bannedIn(const R& roster) {
  Banned banned;
  for (int g = 1; g <= R::kGroups; ++g) {
    for (int e = 1; e <= R::kEntries; ++e) {
      if (flagOf(roster, g, e) == kBanned) {
        banned.insert({g, e});
      }
    }
  }
  return banned;
}
