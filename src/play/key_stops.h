#pragma once
#include <vector>

#include "model/types.h"
#include "play/board_spots.h"
#include "view/board_reader.h"
#include "view/key_grid.h"

namespace zerdo {

class FrmMain;

// A place the keyboard cursor can stand on, with its area in twips. The
// window and the web page both walk these, so that the arrows lead the
// same way in both.
struct KeyStop {
  enum class Kind {
    Stock,  // a place of the stock, empty or not; index is the picture id 1..16 of its piece
    Field,  // a field of the board; index is its number 1..N
    Card,   // a clue card; index is its number 1..N (Space marks it)
  };
  Kind kind = Kind::Field;
  int index = 0;
  Int left = 0, top = 0, width = 0, height = 0;

  bool same_place(const KeyStop& o) const { return kind == o.kind && index == o.index; }
};

// Every stop of the board as it stands, in reading order: each place of the
// stock (empty ones too, the place a carried piece came from as well), the
// board's fields, and the clue cards unless a piece is carried (picture id
// carried, 0 for none): a piece is never put down on a card.
std::vector<KeyStop> key_stops(const FrmMain& frm, int carried = 0);

// A stop's place on the keyboard's grid (view/key_grid.h), and back; the
// stop of a place comes with its area.
KeyPlace key_place(const FrmMain& frm, const KeyStop& stop);
KeyStop stop_at(const FrmMain& frm, const KeyPlace& place);

// The place of piece k (picture id) in the stock, where it stands there or
// not; an empty area when the range has no such piece.
KeyStop stock_stop(const FrmMain& frm, int k);

// Where an arrow leads the cursor from the stop here, beside the block it
// last left for the cards (view/key_grid.h's step): the stop it lands on and
// the block it is beside then. The cards are reached only while no piece is
// carried (carried: its picture id, 0 for none).
struct KeyStep {
  KeyStop stop;
  KeyPlace::Block beside = KeyPlace::Block::Board;
};
KeyStep step_from(const FrmMain& frm, const KeyStop& here, KeyPlace::Block beside, Arrow arrow,
                  int carried);

// Every piece's place in the stock (left and top twips, by picture id),
// where a screen reader tells an empty place the cursor stands on.
BoardReading::Homes stock_homes(const FrmMain& frm);

// The piece (picture id) a player picks up at stop: the piece in its stock
// place, or the piece standing on the field; 0 when the stop holds none.
int piece_at_stop(const FrmMain& frm, const KeyStop& stop);

// Where a piece's top-left corner goes (twips) so that it lies centred on
// stop; released there, it falls on the stop's field or goes to the stock.
Spot drop_corner(const FrmMain& frm, int piece, const KeyStop& stop);

}  // namespace zerdo
