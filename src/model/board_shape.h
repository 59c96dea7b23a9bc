#pragma once
#include "model/types.h"

namespace zerdo {

// range_code of the two boards, as the store and the puzzle files name them.
constexpr Int kRange3x3 = 1;
constexpr Int kRange4x4 = 2;

// The board in force: its range and its sizes.
struct BoardShape {
  Int range_code = kRange3x3;
  Int field_count = 9;  // N
  Int side = 3;         // n

  constexpr bool is_4x4() const { return range_code == kRange4x4; }
};

}  // namespace zerdo
