#include "generation/board_masks.h"
#include "generation/generator.h"

namespace zerdo {

void Generator::calc_minimum(Int r) {
  // The cards before r as bis_jetzt_gespielt counts them (r beyond N means N).
  if (r > shape_.field_count) r = shape_.field_count;
  if (r < 1 || r > kRecords) return;
  minimum_with(r, fields_taken_before(r));
}

void Generator::minimum_every_card() {
  Long taken = 0;
  for (int r = 1; r <= shape_.field_count && r <= kRecords; ++r) {
    minimum_with(static_cast<Int>(r), taken);
    taken |= field_bit_of(r);
  }
}

void Generator::minimum_with(Int r, Long taken_before_r) {
  const int n = shape_.side;
  const Long f = sn_(r, sn_field);
  if (f < 1 || f > n * n || n < 1 || n > 4) return;
  // Anchored cards keep their clue.
  if (sn_(r, sn_anker) != 0) return;
  const BoardMasks& m = board_masks(shape_);
  const auto cell = static_cast<std::size_t>(f);
  const int row = m.row_of[cell];
  const int col = m.col_of[cell];

  // The other cells of the card's row (column) all hold earlier cards' pieces.
  const Long free_elsewhere = ~taken_before_r & ~t_.field_bit[cell];
  const bool row_mates_taken = (m.row[static_cast<std::size_t>(row)] & free_elsewhere) == 0;
  const bool col_mates_taken = (m.col[static_cast<std::size_t>(col)] & free_elsewhere) == 0;
  if (row_mates_taken) {
    // The row alone fixes the field: keep one column strip and hide which.
    sn_(r, sn_sperre) = m.col_complement(col);
    verschiebe(r, false, col);
  } else if (col_mates_taken) {
    sn_(r, sn_sperre) = m.row_complement(row);
    verschiebe(r, true, row);
  }
}

void Generator::verschiebe(Int r, bool rows, int own) {
  if (!chance(80)) return;  // one time in five the strip stays on its own line
  const int n = shape_.side;
  const BoardMasks& m = board_masks(shape_);
  const auto& lines = rows ? m.row : m.col;

  // The lines other than the own one, in order (the third only on 4x4).
  // Worked out rather than searched for: which line is the card's own is
  // chance, and the processor would guess the search wrong.
  const auto other = [own](int j) { return static_cast<Int>(j + static_cast<int>(j >= own)); };
  const Int others[3] = {other(1), other(2), n == 4 ? other(3) : Int{0}};
  // On 4x4 the three other lines get 35, 35 and 30 per cent.
  Int t = fifty_fifty(others[0], others[1]);
  if (n == 4 && chance(30)) t = others[2];

  // The grey box moves into line t. A card with crosses has none; a box that
  // is off the board (0) or would leave it stays where it is.
  Long& vorgabe = sn_(r, sn_vorgabe);
  const Long moved = vorgabe + (t - own) * (rows ? n : 1);
  const bool moves = (sn_(r, sn_kreuze) == 0) & (vorgabe >= 1) & (vorgabe <= n * n) & (moved >= 1) &
                     (moved <= n * n);
  vorgabe = moves ? moved : vorgabe;

  // Every line but t keeps its borders: the lines together are the board.
  sn_(r, sn_sperre) = m.cells - lines[static_cast<std::size_t>(t)];
}

}  // namespace zerdo
