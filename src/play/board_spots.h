#pragma once
#include "model/board_shape.h"
#include "model/types.h"

namespace zerdo {

struct Layout;

// Where a piece control stands (twips), found from the placement alone.
struct Spot {
  Int left = 0;
  Int top = 0;
  bool operator==(const Spot& o) const { return left == o.left && top == o.top; }
};

// The spot a piece snaps to on field f (1..field_count).
Spot field_spot(const Layout& at, const BoardShape& shape, Int field);
// The place of piece p in the stock: one column per shape, one row per colour.
Spot stock_spot(const Layout& at, const BoardShape& shape, Int piece);
// The spot of a piece on field f, or in the stock for f = 0.
Spot piece_spot(const Layout& at, const BoardShape& shape, Int piece, Int field);
// The field (1..field_count) a piece dropped with its corner at (x, y) lands
// on, 0 when it misses the board.
Int field_at(const Layout& at, const BoardShape& shape, Int x, Int y);

}  // namespace zerdo
