#pragma once
#include <cstdint>

#include "play/platform.h"
#include "services/random_source.h"

namespace zerdo {

// The program's own random source as the platform's: the same seed gives the
// same puzzles everywhere.
class SourceRandom : public Random {
 public:
  void seed_random(std::uint64_t seed) override { source_.seed(seed); }
  float draw_uniform() override { return source_.next(); }
  void draw_uniforms(float* out, int count) override { source_.fill(out, count); }

 private:
  RandomSource source_;
};

}  // namespace zerdo
