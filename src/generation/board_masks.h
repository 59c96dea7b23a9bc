#pragma once
#include <array>
#include <cstdint>

#include "model/board_shape.h"
#include "model/types.h"

namespace zerdo {

// Bit masks (sums of field bits) of the rows and columns of one board, indexed
// from 1, and of all its cells.
struct BoardMasks {
  std::array<Long, 5> row;
  std::array<Long, 5> col;
  Long cells;
  std::array<std::int8_t, 17> row_of;  // row 1..n of each cell
  std::array<std::int8_t, 17> col_of;  // column 1..n of each cell

  Long row_complement(int i) const { return cells & ~row[static_cast<std::size_t>(i)]; }
  Long col_complement(int i) const { return cells & ~col[static_cast<std::size_t>(i)]; }
};

// clang-format off
constexpr BoardMasks kBoard3x3{
    {0, 7, 56, 448, 0},
    {0, 73, 146, 292, 0},
    511,
    {0, 1, 1, 1, 2, 2, 2, 3, 3, 3},
    {0, 1, 2, 3, 1, 2, 3, 1, 2, 3}};
constexpr BoardMasks kBoard4x4{
    {0, 15, 240, 3840, 61440},
    {0, 4369, 8738, 17476, 34952},
    65535,
    {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4},
    {0, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4}};
// clang-format on

// The masks of the board in force: range code 1 is the 3x3 board, any other the 4x4.
inline const BoardMasks& board_masks(const BoardShape& shape) {
  return shape.is_4x4() ? kBoard4x4 : kBoard3x3;
}

}  // namespace zerdo
