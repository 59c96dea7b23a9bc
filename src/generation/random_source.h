#pragma once
#include <cstdint>

namespace zerdo {

// The program's own uniform random source: a fixed initial state, seeded once
// from the clock at start-up. Numbers are single-precision values in [0, 1).
class RandomSource {
 public:
  void seed(std::uint64_t s);
  float next();

 private:
  std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
};

}  // namespace zerdo
