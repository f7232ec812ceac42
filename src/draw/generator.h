#pragma once

#include <cstdint>

// The source of random numbers for the draw. The program uses a seeded one;
// tests hand in one that replays a fixed list.
class Generator {
 public:
  virtual ~Generator() = default;
  // The next random number.
  virtual std::uint32_t next() = 0;
};

// A generator started from a given seed, so a run can be repeated: the same
// seed gives the same numbers on every platform.
class SeededGenerator : public Generator {
 public:
  explicit SeededGenerator(std::uint32_t seed);
  std::uint32_t next() override;

 private:
  std::uint64_t state_;
};

// The seed the program starts from: the current time in seconds.
std::uint32_t clockSeed();
