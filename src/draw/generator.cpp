#include "draw/generator.h"

#include <ctime>

SeededGenerator::SeededGenerator(std::uint32_t seed) : engine_(seed) {}

int SeededGenerator::next() {
  return static_cast<int>(engine_() >> 1);
}

std::uint32_t clockSeed() {
  return static_cast<std::uint32_t>(std::time(nullptr));
}
