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
    state_ = state_ * kMul + kAdd;
    return to_unit(state_);
  }
  // The next count numbers in order, as count calls of next() would give them.
  // Four at a time, each straight from the state before the four (k steps of
  // the generator are one multiply and one add as well), so that the four
  // multiplies do not wait for each other.
  void fill(float* out, int count) {
    int i = 0;
    for (; i + 4 <= count; i += 4) {
      const std::uint64_t s = state_;
      out[i] = to_unit(s * kSteps[0].mul + kSteps[0].add);
      out[i + 1] = to_unit(s * kSteps[1].mul + kSteps[1].add);
      out[i + 2] = to_unit(s * kSteps[2].mul + kSteps[2].add);
      state_ = s * kSteps[3].mul + kSteps[3].add;
      out[i + 3] = to_unit(state_);
    }
    for (; i < count; ++i) out[i] = next();
  }

 private:
  static constexpr std::uint64_t kMul = 6364136223846793005ULL;
  static constexpr std::uint64_t kAdd = 1442695040888963407ULL;
  struct Step {
    std::uint64_t mul, add;
  };
  // k + 1 steps at once: state * mul + add.
  static constexpr Step kSteps[4] = {
      {kMul, kAdd},
      {kMul * kMul, kMul* kAdd + kAdd},
      {kMul * kMul * kMul, (kMul * kAdd + kAdd) * kMul + kAdd},
      {kMul * kMul * kMul * kMul, ((kMul * kAdd + kAdd) * kMul + kAdd) * kMul + kAdd},
  };

  static float to_unit(std::uint64_t state) {
    return static_cast<float>(static_cast<std::uint32_t>(state >> 40)) * (1.0f / 16777216.0f);
  }

  std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
};

}  // namespace zerdo
