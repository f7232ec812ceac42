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

// A set of entries of a roster, as (group, entry).
using Banned = std::set<std::pair<int, int>>;

// The entries of a roster like R for which `chosen(group, entry)` holds.
template <typename R, typename Choice>
Banned entriesWhere(Choice chosen) {
  Banned entries;
  for (int g = 1; g <= R::kGroups; ++g) {
    for (int e = 1; e <= R::kEntries; ++e) {
      if (chosen(g, e)) {
        entries.insert({g, e});
      }
    }
  }
  return entries;
}

// Every banned entry.
template <typename R>
Banned bannedIn(const R& roster) {
  return entriesWhere<R>([&](int g, int e) { return flagOf(roster, g, e) == kBanned; });
}
