#pragma once
#include <cstdint>

namespace zerdo {

// The program's own uniform random source: a fixed initial state, seeded once
// from the clock at start-up. Numbers are single-precision values in [0, 1).
class RandomSource {
 public:
  void seed(std::uint64_t s);
  float next() {
    // A 64-bit linear congruential step (one multiply and one add), keeping
    // the top 24 bits, its best ones: every value is exact in single
    // precision and below 1.
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<float>(static_cast<std::uint32_t>(state_ >> 40)) * (1.0f / 16777216.0f);
  }
  // The next count numbers in order, as count calls of next() would give them.
  void fill(float* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = next();
  }

 private:
  std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
};

}  // namespace zerdo
