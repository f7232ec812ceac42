#include "draw/draw.h"

#include <cstdint>

#include "console/format.h"
#include "draw/feasibility.h"

namespace {

// A random number from 0 to `count` - 1.
int below(Generator& generator, int count) {
  return static_cast<int>(generator.next() % static_cast<std::uint32_t>(count));
}

// One attempt at a pairing: a class, a character of that class and a vehicle
// of that class's kart or bike group, all counted from 1.
struct Attempt {
  int cls;
  int character;
  int group;
  int vehicle;
  bool kart;
};

// Draws the numbers of one attempt, in this order: class, slot, character,
// vehicle and, for a single race, a second slot of 0 to 3 that also resets the
// kart quota to 1 (slots 0 and 1 are karts, 2 and 3 bikes). A slot within the
// kart quota gives a kart, so with races left r and quota q a kart comes with
// odds q/r.
Attempt drawAttempt(Generator& generator, int racesLeft, int& kartQuota, bool oneRace) {
  int cls = below(generator, CharacterRoster::kGroups);
  int slot = below(generator, racesLeft) + 1;
  int character = below(generator, CharacterRoster::kEntries);
  int vehicle = below(generator, VehicleRoster::kEntries);
  if (oneRace) {
    slot = below(generator, 4);
    kartQuota = 1;
  }
  bool kart = slot <= kartQuota;
  return {cls + 1, character + 1, vehicleGroupFor(cls + 1, kart), vehicle + 1, kart};
}

bool allowed(const Attempt& a, const CharacterRoster& characters, const VehicleRoster& vehicles) {
  return flagOf(vehicles, a.group, a.vehicle) != kBanned &&
         flagOf(characters, a.cls, a.character) != kBanned;
}

void drawParticipant(Console& console, std::string_view name, int races,
                     const CharacterRoster& characters, const VehicleRoster& vehicles,
                     Generator& generator) {
  int racesLeft = races;
  int kartQuota = races / 2 + (races % 2 == 1 ? 1 : 0);
  if (races >= 2) {
    write(console, "%s:\n", {name});
  }
  for (int race = 1; race <= races; ++race) {
    // A banned pick throws the whole attempt away, class and slot included.
    Attempt a{};
    do {
      a = drawAttempt(generator, racesLeft, kartQuota, races == 1);
    } while (!allowed(a, characters, vehicles));
    std::string_view character = entryText(characters, a.cls, a.character);
    std::string_view vehicle = entryText(vehicles, a.group, a.vehicle);
    if (races == 1) {
      write(console, " %s: %s /%s\n", {name, character, vehicle});
    } else {
      write(console, "%d: %s /%s\n", {race, character, vehicle});
    }
    if (a.kart) {
      --kartQuota;
    }
    --racesLeft;
  }
}

void writeNotice(Console& console, MissingPairing missing) {
  switch (missing) {
    case MissingPairing::kart:
      writeText(console,
                "□縛りのため、カートに乗れるキャラとマシンの組み合わせがありません\n"
                "□2レース以上ではカートとバイクの両方が必要です\n");
      break;
    case MissingPairing::bike:
      writeText(console,
                "□縛りのため、バイクに乗れるキャラとマシンの組み合わせがありません\n"
                "□2レース以上ではカートとバイクの両方が必要です\n");
      break;
    case MissingPairing::any:
      writeText(console, "□縛りのため、選べるキャラとマシンの組み合わせがありません\n");
      break;
    case MissingPairing::none:
      return;
  }
  writeText(console, "□「1:縛りキャラ・マシンを変える」で縛りを見直してください\n");
}

}  // namespace

void drawPairings(Console& console, const ParticipantTable& table,
                  const CharacterRoster& characters, const VehicleRoster& vehicles,
                  Generator& generator) {
  writeText(console, "\n-----------------------------\n");
  if (table.count > 0) {
    // The bans are the same for everyone, so one look before the first
    // pairing tells whether every participant's draw can finish.
    MissingPairing missing = missingPairing(characters, vehicles, table.races);
    if (missing != MissingPairing::none) {
      writeNotice(console, missing);
    } else {
      for (int i = 0; i < table.count; ++i) {
        drawParticipant(console, nameAt(table, i), table.races, characters, vehicles, generator);
      }
    }
  }
  writeText(console, "-----------------------------\n\n");
}
