#include "draw/generator.h"

#include <ctime>

SeededGenerator::SeededGenerator(std::uint32_t seed) : state_(seed) {}

// SplitMix64: a counter moved by a fixed odd step and passed through a mixing
// function. Eight bytes of state, a sequence of its own for every seed, and
// numbers that pass the usual statistical test batteries: plenty for a draw.
std::uint32_t SeededGenerator::next() {
  state_ += 0x9E3779B97F4A7C15u;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30u)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27u)) * 0x94D049BB133111EBu;
  z ^= z >> 31u;
  return static_cast<std::uint32_t>(z >> 33u);  // the top 31 bits, as seeds have always given
}

std::uint32_t clockSeed() {
  return static_cast<std::uint32_t>(std::time(nullptr));
}
