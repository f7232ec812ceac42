#include "draw/generator.h"

#include <ctime>

ClockGenerator::ClockGenerator() : engine_(static_cast<std::uint32_t>(std::time(nullptr))) {}

int ClockGenerator::next() {
  return static_cast<int>(engine_() >> 1);
}
