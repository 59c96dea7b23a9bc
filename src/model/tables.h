#pragma once
#include <array>

#include "model/board_shape.h"
#include "model/pictures.h"
#include "model/types.h"

namespace zerdo {

// The fixed tables of the main window, filled once at start-up and never changed.
struct FixedTables {
  std::array<Long, 17> field_bit{};                       // field_bit[k] = 2^(k-1)
  std::array<std::array<Int, 3>, 17> picture_attr{};      // [id][1] colour, [id][2] shape
  std::array<std::array<Int, 17>, 3> picture_of_piece{};  // [range][piece] -> picture id
  std::array<std::array<Int, 17>, 3> piece_of_picture{};  // [range][id] -> piece number

  void fill();
};

// getplatz: the first piece number p of the range whose picture is id, 0 if none.
Int getplatz(const FixedTables& t, int range, int id);

}  // namespace zerdo
