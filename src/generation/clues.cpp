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

Long Generator::field_bit_of(int r) const {
  const Long f = sn_(r, sn_field);
  return in_range(f, 1, kRecords) ? t_.field_bit[static_cast<std::size_t>(f)] : 0;
}

Long Generator::fields_taken_before(int r) const {
  Long taken = 0;
  for (int i = 1; i < r && i <= kRecords; ++i) taken |= field_bit_of(i);
  return taken;
}

void Generator::calc_klex_and_figur(Int r, int column) {
  bis_jetzt_gespielt(r);
  const Int a = cur_attr_[1];
  const Int b = cur_attr_[2];
  set_klex(r, column, a, b, attr_count_[1][a], attr_count_[2][b]);
}

void Generator::klex_every_card(int column) {
  Int colours[5] = {}, shapes[5] = {};
  for (int r = 1; r <= shape_.field_count && r <= kRecords; ++r) {
    const Long pict = sn_(r, sn_pict);
    const Int a = attr_of(t_, pict, 1);
    const Int b = attr_of(t_, pict, 2);
    set_klex(static_cast<Int>(r), column, a, b, colours[a], shapes[b]);
    ++colours[a];
    ++shapes[b];
  }
}

void Generator::set_klex(Int r, int column, Int colour, Int shape, Int colour_count,
                         Int shape_count) {
  if (!in_range(r, 1, kRecords) || !in_range(column, 0, kColumns - 1)) return;
  const Int n = shape_.side;
  // The other pieces of the colour (or shape) all lie on the board already,
  // so the colour (or shape) alone names the piece.
  const bool colour_last = colour_count == n - 1;
  const bool shape_last = shape_count == n - 1;
  if (colour_last && shape_last)
    sn_(r, column) = chance(50) ? 20 + shape : 16 + colour;
  else if (colour_last)
    sn_(r, column) = 16 + colour;
  else if (shape_last)
    sn_(r, column) = 20 + shape;
}

void Generator::calc_gesperrt(Int r, int /*column*/) {
  gesperrt_with(r, fields_taken_before(r + 1));
}

void Generator::gesperrt_from(int first) {
  Long taken = fields_taken_before(first);
  for (int r = first; r <= shape_.field_count; ++r) {
    taken |= field_bit_of(r);
    gesperrt_with(static_cast<Int>(r), taken);
  }
}

void Generator::gesperrt_with(Int r, Long taken_through_r) {
  const int count = shape_.field_count;
  if (!chance(75)) return;
  if (r >= count || !in_range(r, 1, kRecords)) return;
  // Cross every field still free once this card's piece lies on the board too.
  const Long all_fields = (Long{1} << count) - 1;
  sn_(r, sn_kreuze) += all_fields & ~taken_through_r;
  sn_(r, sn_vorgabe) = 0;
}

void Generator::calc_disabled(Int r, int column) {
  if (!in_range(r, 1, kRecords) || !in_range(column, 0, kColumns - 1)) return;
  const int count = shape_.field_count;
  const int n = shape_.side;
  const Long f0 = sn_(r, sn_field);
  const BoardMasks& m = board_masks(shape_);

  if (chance(25)) {
    // Only the row and the column through the card's own field keep borders.
    if (!in_range(f0, 1, count)) return;
    const auto f = static_cast<std::size_t>(f0);
    sn_(r, sn_sperre) = m.cells & ~m.row[static_cast<std::size_t>(m.row_of[f])] &
                        ~m.col[static_cast<std::size_t>(m.col_of[f])];
    return;
  }

  // Scatter: keep the own field and random further cells, taken in the order
  // of a fresh arrangement read from the last record up, until every row and
  // every column of the card has a bordered cell.
  calc_a_row_1_n(column, static_cast<Int>(count));
  // Row i of a cell as bit i, its column j as bit 8 + j: one test for both.
  const unsigned all_lines = ((2u << n) - 2) * 257u;
  Long marked = 0;
  unsigned lines_hit = 0;
  auto mark = [&](Long cell) {
    if (!in_range(cell, 1, count)) return;
    const auto c = static_cast<std::size_t>(cell);
    marked |= t_.field_bit[c];
    lines_hit |= (1u << m.row_of[c]) | (256u << m.col_of[c]);
  };
  mark(f0);
  for (int k = count; k >= 1; --k) {
    mark(sn_(k, column));
    if (lines_hit == all_lines) break;
  }
  // The marked cells are distinct bits, so their sum is the mask itself.
  sn_(r, sn_sperre) += marked;
  sn_(r, sn_sperre) = ~sn_(r, sn_sperre) & m.cells;
}

}  // namespace zerdo
