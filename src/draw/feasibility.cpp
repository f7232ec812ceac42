#include "draw/feasibility.h"

namespace {

template <typename R>
bool anyAllowed(const R& roster, int group) {
  for (int entry = 1; entry <= R::kEntries; ++entry) {
    if (flagOf(roster, group, entry) != kBanned) {
      return true;
    }
  }
  return false;
}

// True if some class has an allowed character and an allowed kart (or bike)
// of that class.
bool pairingPossible(const CharacterRoster& characters, const VehicleRoster& vehicles, bool kart) {
  for (int cls = 1; cls <= CharacterRoster::kGroups; ++cls) {
    if (anyAllowed(characters, cls) && anyAllowed(vehicles, vehicleGroupFor(cls, kart))) {
      return true;
    }
  }
  return false;
}

}  // namespace

MissingPairing missingPairing(const CharacterRoster& characters, const VehicleRoster& vehicles,
                              int races) {
  if (races <= 0) {
    return MissingPairing::none;
  }
  const bool kart = pairingPossible(characters, vehicles, /*kart=*/true);
  const bool bike = pairingPossible(characters, vehicles, /*kart=*/false);
  if (!kart && !bike) {
    return MissingPairing::any;
  }
  if (races == 1) {
    return MissingPairing::none;
  }
  if (!kart) {
    return MissingPairing::kart;
  }
  if (!bike) {
    return MissingPairing::bike;
  }
  return MissingPairing::none;
}
