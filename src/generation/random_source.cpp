#include "generation/random_source.h"

namespace zerdo {

void RandomSource::seed(std::uint64_t s) { state_ = s ^ 0x9E3779B97F4A7C15ULL; }

float RandomSource::next() {
  // splitmix64, keeping 24 bits: every value is exact in single precision and below 1.
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return static_cast<float>(z >> 40) * (1.0f / 16777216.0f);
}

}  // namespace zerdo
