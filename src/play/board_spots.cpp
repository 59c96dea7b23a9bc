#include "play/board_spots.h"

#include "view/board_view.h"

namespace zerdo {

Spot field_spot(const Layout& at, const BoardShape& shape, Int field) {
  const int n = shape.side;
  const int row = (field - 1) / n;
  const int column = field - n * row - 1;
  const bool four = shape.is_4x4();
  return {clamp16(long{at.board_left} + long{at.field_width} * column + (four ? 70 : 80)),
          clamp16(long{at.board_top} + long{at.field_height} * row + (four ? 170 : 100))};
}

Spot stock_spot(const Layout& at, const BoardShape& shape, Int piece) {
  const int n = shape.side;
  const int s = (piece - 1) / n;  // shape column; truncates towards zero
  const int c = (piece - 1) - n * s;
  return {clamp16(long{at.stock_left} + long{at.stock_step_x} * s),
          clamp16(long{at.stock_top} + long{at.stock_step_y} * c)};
}

Spot piece_spot(const Layout& at, const BoardShape& shape, Int piece, Int field) {
  return field > 0 ? field_spot(at, shape, field) : stock_spot(at, shape, piece);
}

Int field_at(const Layout& at, const BoardShape& shape, Int x, Int y) {
  const long x0 = at.board_left, y0 = at.board_top, w = at.field_width, h = at.field_height;
  const long n = shape.side;
  // The upper bounds test the corner, the lower bounds the reference point 50
  // twips inside it.
  if (!(y <= y0 + n * h && y + 50L >= y0 && x + 50L >= x0 && x <= x0 + n * w)) return 0;
  const long dx = x + 50L - x0, dy = y + 50L - y0;
  const bool four = shape.is_4x4();
  const long column = 1 + (dx > w) + (dx > 2 * w) + (four && dx > 3 * w);
  const long row = 1 + (dy > h) + (dy > 2 * h) + (four && dy > 3 * h);
  return static_cast<Int>(column + n * (row - 1));
}

}  // namespace zerdo
