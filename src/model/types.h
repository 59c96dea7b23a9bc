#pragma once
#include <cstdint>

namespace zerdo {

// Counters, ids, field numbers and screen coordinates are 16-bit; the card
// table and bit masks are 32-bit. Booleans kept in numeric tables are -1 / 0.
using Int = std::int16_t;
using Long = std::int32_t;

constexpr Long kTrue = -1;
constexpr Long kFalse = 0;

// Saturating conversion to the 16-bit range: values that would overflow a
// 16-bit counter or coordinate are clamped instead of wrapping.
constexpr Int clamp16(long long v) {
  return v > 32767 ? Int{32767} : v < -32768 ? Int{-32768} : static_cast<Int>(v);
}

}  // namespace zerdo
