#pragma once
#include <array>

#include "model/types.h"

namespace zerdo {

// The borderless-cell masks of anchored cards: entry [a][b] is the sn_sperre of
// a card with its grey box on cell a and its anchor picture on cell b. All zero
// until build() runs once during start-up.
struct AnchorTables {
  std::array<std::array<Long, 10>, 10> sperre_3x3{};
  std::array<std::array<Long, 17>, 17> sperre_4x4{};

  void build();
};

}  // namespace zerdo
