// Dragging pieces from the stock onto the board fields.
#include <cmath>

#include "play/frm_main.h"

namespace zerdo {

Int FrmMain::piece_of(int k) const {
  return k >= 1 && k <= 16
             ? s_.tables.piece_of_picture[static_cast<std::size_t>(s_.shape.range_code)]
                                         [static_cast<std::size_t>(k)]
             : Int{0};
}

// A piece reacts to the mouse only while the game runs and the piece is shown.
bool FrmMain::piece_live(int k) {
  return loaded_ && k >= 1 && k <= 16 && s_.play_mode == 1 && view_.piece(k).visible;
}

void FrmMain::picture_mouse_down(int k) {
  if (!piece_live(k)) return;
  view_.piece(k).border = 1;
  s_.dragging[static_cast<std::size_t>(k)] = true;
}

void FrmMain::picture_mouse_move(int k, long x, long y) {
  if (!piece_live(k) || !s_.dragging[static_cast<std::size_t>(k)]) return;
  // The picture's corner jumps to the pointer; a wild pointer is clamped to
  // the 16-bit coordinate range instead of wrapping around.
  Control& p = view_.piece(k);
  p.left = clamp16(static_cast<long long>(p.left) + x);
  p.top = clamp16(static_cast<long long>(p.top) + y);
}

void FrmMain::picture_mouse_up(int k) {
  if (!piece_live(k)) return;
  release(k);
}

void FrmMain::release(int k) {
  Control& p = view_.piece(k);
  p.border = 0;
  s_.dragging[static_cast<std::size_t>(k)] = false;
  const Int f = welches_feld(p.left, p.top);
  s_.placement[static_cast<std::size_t>(piece_of(k))] = f;
  set_left_top_for_field(f);
  if (f > 0)
    set_zerdo_wahl(k);
  else
    reset_zerdo(k);
  gewinnaussage();
}

Int FrmMain::welches_feld(Int x, Int y) {
  s_.target_left = x;
  s_.target_top = y;
  const Layout& L = view_.layout();
  const long x0 = L.board_left, y0 = L.board_top, w = L.field_width, h = L.field_height;
  const long n = s_.shape.side;
  // The upper bounds test the corner, the lower bounds the reference point 50
  // twips inside it.
  if (!(y <= y0 + n * h && y + 50L >= y0 && x + 50L >= x0 && x <= x0 + n * w)) return 0;
  const long dx = x + 50L - x0, dy = y + 50L - y0;
  const bool four = s_.shape.is_4x4();
  const long column = 1 + (dx > w) + (dx > 2 * w) + (four && dx > 3 * w);
  const long row = 1 + (dy > h) + (dy > 2 * h) + (four && dy > 3 * h);
  return static_cast<Int>(column + n * (row - 1));
}

void FrmMain::set_left_top_for_field(Int f) {
  // Thousands of moves saturate the 16-bit counter rather than wrap around.
  s_.moves = clamp16(long{s_.moves} + 1);
  setStatusBarZerdo(s_.puzzle_id, s_.moves, "", false);
  const Layout& L = view_.layout();
  const int n = s_.shape.side;
  const int row = (f - 1) / n;
  const int column = f - n * row - 1;
  const bool four = s_.shape.is_4x4();
  s_.target_left = clamp16(long{L.board_left} + long{L.field_width} * column + (four ? 70 : 80));
  s_.target_top = clamp16(long{L.board_top} + long{L.field_height} * row + (four ? 170 : 100));
}

void FrmMain::set_a_zerdo(int k, long left, long top) {
  if (k < 1 || k > 16) return;
  Control& p = view_.piece(k);
  p.left = clamp16(left);
  p.top = clamp16(top);
}

void FrmMain::set_zerdo_wahl(int k) { set_a_zerdo(k, s_.target_left, s_.target_top); }

void FrmMain::reset_zerdo(int k) {
  const Layout& L = view_.layout();
  const int n = s_.shape.side;
  const int p = piece_of(k);
  const int s = (p - 1) / n;  // shape column; truncates towards zero
  const int c = (p - 1) - n * s;
  set_a_zerdo(k, long{L.stock_left} + long{L.stock_step_x} * s,
              long{L.stock_top} + long{L.stock_step_y} * c);
}

void FrmMain::reset_all_zerdos() {
  for (int k = 1; k <= 16; ++k) reset_zerdo(k);
  s_.placement.fill(0);
  for (int f = 1; f <= s_.shape.field_count; ++f) view_.field(f).caption = "";
}

}  // namespace zerdo
