#include <cstdint>
#include <string>

#include "generation/generator.h"
#include "model/assert.h"

namespace zerdo {

bool Generator::prozent(Int& p) {
  if (p < 0 || p > 100) p = 50;
  // Single precision on purpose: the test result for a drawn number must not
  // depend on how wide the arithmetic is.
  const float x = random_.draw_uniform() * 100.0f;
  return x < static_cast<float>(p);
}

bool Generator::chance(Int p) { return prozent(p); }

Int Generator::fifty_fifty(Int a, Int b) { return chance(50) ? b : a; }

void Generator::calc_a_row_1_n(int column, Int n) {
  const int count = shape_.field_count;
  if (column < 0 || column >= kColumns || count < 1 || count > kRecords) return;
  const int top = n < 1 ? 1 : n;
  // All N numbers of the arrangement in one call: nothing else draws meanwhile.
  float u[kRecords];
  random_.draw_uniforms(u, count);
  // Integer part of n * u + 1, in double so that it is exact (in single
  // precision it reaches n + 1 for u just below 1); kept to 1..n all the same.
  // Clamped to 0..n - 1/2 before the cut, without branches (a NaN gives 0).
  const double scale = n, cap = top - 0.5;
  auto value = [scale, cap](float x) {
    const double v = scale * static_cast<double>(x);
    const double low = v > 0.0 ? v : 0.0;
    return static_cast<int>(low < cap ? low : cap) + 1;
  };
  CardTable& sn = sn_;
  const int first = value(u[0]);
  sn(1, column) = first;
  // Values 1..N still free, as bits 0..N-1.
  std::uint32_t free = (std::uint32_t{1} << count) - 1;
  if (first <= count) free &= ~(std::uint32_t{1} << (first - 1));
  for (int i = 2; i <= count; ++i) {
    // The first free value at or after (r mod N) + 1, counted cyclically.
    const int r = value(u[i - 1]);
    int start = r - (r >= count ? count : 0);
    while (start >= count) start -= count;
    const std::uint32_t ahead = free >> start << start;
    // ahead when it has a free value, else free: without a branch, which the
    // random numbers would make the processor guess wrong every few cards.
    const std::uint32_t pick = ahead | (free & (0u - static_cast<std::uint32_t>(ahead == 0)));
    ZERDO_ASSERT(pick != 0);  // at most N - 1 values are taken
    const int bit = __builtin_ctz(pick);
    sn(i, column) = bit + 1;
    free ^= std::uint32_t{1} << bit;  // a free bit: pick lies within free
  }
  // A first value within 1..N makes the column a permutation of 1..N.
  ZERDO_ASSERT(first > count || free == 0);
}

void Generator::ask_for(bool condition, Int a, Int b) {
  if (!condition) return;
  alerts_.push_back({a, b});
}

}  // namespace zerdo
