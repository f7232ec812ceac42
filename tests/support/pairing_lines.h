#pragma once

#include <optional>
#include <string>

#include "draw/characters_and_vehicles.h"

// One pairing a draw wrote, as roster positions counted from 1. A name that
// is not an allowed entry of the starting rosters leaves its two numbers 0.
struct Pairing {
  int cls = 0;
  int character = 0;
  int group = 0;
  int vehicle = 0;
  bool kart() const { return isKartGroup(group); }
  // True if the vehicle is of the character's weight class.
  bool linked() const { return group == vehicleGroupFor(cls, kart()); }
};

// Where `slot` (flag first) stands in the roster, if anywhere.
template <typename R>
void findSlot(const R& roster, std::string_view slot, int& group, int& entry) {
  for (int g = 1; g <= R::kGroups; ++g) {
    for (int e = 1; e <= R::kEntries; ++e) {
      if (entryText(roster, g, e) == slot) {
        group = g;
        entry = e;
      }
    }
  }
}

// The pairing on a line of a draw ("1:  name /vehicle" or " A:  name
// /vehicle"); nothing for a line without one.
inline std::optional<Pairing> pairingOn(const std::string& line) {
  static const CharacterRoster characters = startingCharacterRoster();
  static const VehicleRoster vehicles = startingVehicleRoster();
  size_t colon = line.find(": ");
  size_t slash = line.find(" /");
  if (colon == std::string::npos || slash == std::string::npos) {
    return std::nullopt;
  }
  Pairing p;
  findSlot(characters, line.substr(colon + 2, slash - colon - 2), p.cls, p.character);
  findSlot(vehicles, line.substr(slash + 2), p.group, p.vehicle);
  return p;
}
