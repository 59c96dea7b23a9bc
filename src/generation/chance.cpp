#include <cstdint>
#include <string>

#include "generation/generator.h"

namespace zerdo {

namespace {

// A number as the game writes it into messages: a leading blank when it is
// not negative, a minus sign otherwise.
std::string str_number(Int v) { return (v >= 0 ? " " : "") + std::to_string(v); }

}  // namespace

bool Generator::prozent(Int& p) {
  if (p < 0 || p > 100) p = 50;
  // Single precision on purpose: the test result for a drawn number must not
  // depend on how wide the arithmetic is.
  const float x = host_.draw_uniform() * 100.0f;
  return x < static_cast<float>(p);
}

bool Generator::chance(Int p) { return prozent(p); }

Int Generator::fifty_fifty(Int a, Int b) { return chance(50) ? b : a; }

void Generator::calc_a_row_1_n(int column, Int n) {
  const int count = shape_.field_count;
  if (column < 0 || column >= kColumns || count < 1 || count > kRecords) return;
  const int top = n < 1 ? 1 : n;
  // Values 1..N still free, as bits 0..N-1.
  std::uint32_t free = (std::uint32_t{1} << count) - 1;
  for (int i = 1; i <= count; ++i) {
    // Integer part of n * u + 1, in double so that it is exact (in single
    // precision it reaches n + 1 for u just below 1); kept to 1..n all the same.
    const double x = static_cast<double>(n) * static_cast<double>(host_.draw_uniform());
    const int r = x >= 1.0 ? (x < top ? static_cast<int>(x) + 1 : top) : 1;
    if (i == 1) {
      sn_(1, column) = r;
      if (r <= count) free &= ~(std::uint32_t{1} << (r - 1));
      continue;
    }
    // The first free value at or after (r mod N) + 1, counted cyclically.
    int start = r;
    while (start >= count) start -= count;
    const std::uint32_t ahead = free >> start << start;
    const std::uint32_t pick = ahead != 0 ? ahead : free;
    if (pick == 0) return;  // cannot happen: at most N - 1 values are taken
    const int bit = __builtin_ctz(pick);
    sn_(i, column) = bit + 1;
    free &= ~(std::uint32_t{1} << bit);
  }
}

void Generator::ask_for(bool condition, Int a, Int b) {
  if (!condition) return;
  host_.alert("!! Internal error" + str_number(a) + " bei" + str_number(b) + "!!");
}

}  // namespace zerdo
