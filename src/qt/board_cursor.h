#pragma once
#include <QRectF>
#include <optional>
#include <vector>

namespace zerdo {

class FrmMain;

// A place the keyboard cursor can stand on, in board coordinates (logical
// pixels of the unscaled board, 15 twips each).
struct CursorStop {
  enum class Kind {
    Piece,  // a piece waiting in the stock; index is its picture id 1..16
    Field,  // a field of the board; index is its number 1..N
    Card,   // a clue card; index is its number 1..N (Space marks it)
  };
  Kind kind = Kind::Field;
  int index = 0;
  QRectF rect;

  bool same_place(const CursorStop& o) const { return kind == o.kind && index == o.index; }
};

// Every stop of the board as it stands, in reading order: the pieces in the
// stock, then the board's fields. A piece carried by the keyboard keeps its
// stock place (carried_home) while it is away, so that it can be put back;
// the clue cards follow, except while a piece is carried.
// Further kinds of stop (the cards, say) are added here, each with its rect;
// the arrows reach them without more work.
std::vector<CursorStop> cursor_stops(const FrmMain& frm, int carried = 0,
                                     const std::optional<QRectF>& carried_home = {});

// The stop an arrow key leads to from `from` in direction (dx, dy), one of
// (±1, 0) and (0, ±1): the nearest stop lying that way, stops in line with
// `from` preferred. nullopt when there is none that way.
std::optional<CursorStop> next_stop(const std::vector<CursorStop>& stops, const CursorStop& from,
                                    int dx, int dy);

// The piece (picture id) a player picks up at stop: the stock piece itself,
// or the piece standing on the field; 0 when the stop holds none.
int piece_at_stop(const FrmMain& frm, const CursorStop& stop);

// Where a piece's top-left corner goes (twips) so that it lies centred on
// stop; released there, it falls on the stop's field or goes to the stock.
QPointF drop_corner(const FrmMain& frm, int piece, const CursorStop& stop);

}  // namespace zerdo
