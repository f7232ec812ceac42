#pragma once

#include <cstdint>
#include <random>

// The source of random numbers for the draw. The program uses a seeded one;
// tests hand in one that replays a fixed list.
class Generator {
 public:
  virtual ~Generator() = default;
  // The next random number, never negative.
  virtual int next() = 0;
};

// A Mersenne Twister started from a given seed, so a run can be repeated.
class SeededGenerator : public Generator {
 public:
  explicit SeededGenerator(std::uint32_t seed);
  int next() override;

 private:
  std::mt19937 engine_;
};

// The seed the program starts from: the current time in seconds.
std::uint32_t clockSeed();
