#pragma once
#include <QPointF>
#include <QRectF>
#include <vector>

#include "play/key_stops.h"

namespace zerdo {

class FrmMain;

// A place the keyboard cursor can stand on (play/key_stops.h), its area in
// board coordinates (logical pixels of the unscaled board, 15 twips each).
struct CursorStop {
  using Kind = KeyStop::Kind;
  Kind kind = Kind::Field;
  int index = 0;
  QRectF rect;

  bool same_place(const CursorStop& o) const { return kind == o.kind && index == o.index; }
};

// The stops of the board as it stands, in reading order (see key_stops).
std::vector<CursorStop> cursor_stops(const FrmMain& frm, int carried = 0);

// A stop's place on the keyboard's grid, and back with its rect.
KeyPlace key_place(const FrmMain& frm, const CursorStop& stop);
CursorStop cursor_stop_at(const FrmMain& frm, const KeyPlace& place);

// The place of piece k (picture id) in the stock, where it stands there or
// not.
QRectF stock_place_rect(const FrmMain& frm, int k);

// The piece (picture id) a player picks up at stop; 0 when it holds none.
int piece_at_stop(const FrmMain& frm, const CursorStop& stop);

// Where a piece's top-left corner goes (twips) so that it lies centred on
// stop.
QPointF drop_corner(const FrmMain& frm, int piece, const CursorStop& stop);

}  // namespace zerdo
