#pragma once

#include <cstdint>
#include <random>

// The source of random numbers for the draw. The program uses one seeded from
// the clock; tests hand in one that replays a fixed list.
class Generator {
 public:
  virtual ~Generator() = default;
  // The next random number, never negative.
  virtual int next() = 0;
};

// A generator seeded once from the current time in seconds.
class ClockGenerator : public Generator {
 public:
  ClockGenerator();
  int next() override;

 private:
  std::mt19937 engine_;
};
