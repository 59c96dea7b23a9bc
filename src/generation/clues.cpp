#include "generation/board_masks.h"
#include "generation/generator.h"

namespace zerdo {

namespace {

// Colour (kind 1) or shape (kind 2) code of a card's picture; 0 for anything
// that is not a plain piece, so a stray code cannot index past the tables.
Int attr_of(const FixedTables& t, Long pict, int kind) {
  if (pict < 0 || pict > kPieceIds) return 0;
  return t.picture_attr[static_cast<std::size_t>(pict)][static_cast<std::size_t>(kind)];
}

bool in_range(Long v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

void Generator::bis_jetzt_gespielt(Int& r) {
  const int count = shape_.field_count;
  for (auto& kind : attr_count_)
    for (Int& c : kind) c = 0;
  for (int f = 1; f <= count && f <= kRecords; ++f) field_taken_[f] = false;
  for (int i = 1; i < r && i <= kRecords; ++i) {
    const Long pict = sn_(i, sn_pict);
    ++attr_count_[1][attr_of(t_, pict, 1)];
    ++attr_count_[2][attr_of(t_, pict, 2)];
    const Long f = sn_(i, sn_field);
    if (in_range(f, 0, kRecords)) field_taken_[f] = true;
  }
  if (r > count) r = static_cast<Int>(count);
  const Long pict = in_range(r, 1, kRecords) ? sn_(r, sn_pict) : 0;
  cur_attr_[1] = attr_of(t_, pict, 1);
  cur_attr_[2] = attr_of(t_, pict, 2);
}

void Generator::calc_klex_and_figur(Int r, int column) {
  bis_jetzt_gespielt(r);
  if (!in_range(r, 1, kRecords) || !in_range(column, 0, kColumns - 1)) return;
  const Int a = cur_attr_[1];
  const Int b = cur_attr_[2];
  const Int n = shape_.side;
  // The other pieces of the colour (or shape) all lie on the board already,
  // so the colour (or shape) alone names the piece.
  const bool colour_last = attr_count_[1][a] == n - 1;
  const bool shape_last = attr_count_[2][b] == n - 1;
  if (colour_last && shape_last)
    sn_(r, column) = chance(50) ? 20 + b : 16 + a;
  else if (colour_last)
    sn_(r, column) = 16 + a;
  else if (shape_last)
    sn_(r, column) = 20 + b;
}

void Generator::calc_gesperrt(Int r, int /*column*/) {
  const int count = shape_.field_count;
  if (!chance(75)) return;
  if (r >= count || !in_range(r, 1, kRecords)) return;
  Int next = static_cast<Int>(r + 1);
  bis_jetzt_gespielt(next);
  // Cross every field still free once this card's piece lies on the board too.
  for (int f = 1; f <= count; ++f)
    if (!field_taken_[f]) sn_(r, sn_kreuze) += t_.field_bit[static_cast<std::size_t>(f)];
  sn_(r, sn_vorgabe) = 0;
}

void Generator::calc_disabled(Int r, int column) {
  if (!in_range(r, 1, kRecords) || !in_range(column, 0, kColumns - 1)) return;
  const int count = shape_.field_count;
  const int n = shape_.side;
  const Long f0 = sn_(r, sn_field);

  if (chance(25)) {
    // Only the row and the column through the card's own field keep borders.
    if (!in_range(f0, 1, count)) return;
    const int row0 = (f0 - 1) / n;
    const int col0 = (f0 - 1) % n;
    Long sperre = 0;
    for (int c = 1; c <= count; ++c)
      if ((c - 1) / n != row0 && (c - 1) % n != col0) sperre += t_.field_bit[static_cast<std::size_t>(c)];
    sn_(r, sn_sperre) = sperre;
    return;
  }

  // Scatter: keep the own field and random further cells, taken in the order
  // of a fresh arrangement read from the last record up, until every row and
  // every column of the card has a bordered cell.
  calc_a_row_1_n(column, static_cast<Int>(count));
  const BoardMasks& m = board_masks(shape_.range_code);
  const unsigned all_lines = (2u << n) - 2;  // bits 1..n
  Long marked = 0;
  unsigned rows_hit = 0;
  unsigned cols_hit = 0;
  auto mark = [&](Long cell) {
    if (!in_range(cell, 1, count)) return;
    marked |= t_.field_bit[static_cast<std::size_t>(cell)];
    rows_hit |= 1u << m.row_of[static_cast<std::size_t>(cell)];
    cols_hit |= 1u << m.col_of[static_cast<std::size_t>(cell)];
  };
  mark(f0);
  for (int k = count; k >= 1; --k) {
    mark(sn_(k, column));
    if (rows_hit == all_lines && cols_hit == all_lines) break;
  }
  // The marked cells are distinct bits, so their sum is the mask itself.
  sn_(r, sn_sperre) += marked;
  sn_(r, sn_sperre) = ~sn_(r, sn_sperre) & m.cells;
}

}  // namespace zerdo
