#include "qt/board_cursor.h"

#include <cmath>

#include "model/pictures.h"
#include "play/board_spots.h"
#include "play/frm_main.h"
#include "qt/control_painter.h"

namespace zerdo {

namespace {

int piece_number(const FrmMain& frm, int k) {
  const MainState& s = frm.state();
  return s.tables
      .piece_of_picture[static_cast<std::size_t>(s.shape.range_code)][static_cast<std::size_t>(k)];
}

int picture_of(const FrmMain& frm, int piece) {
  const MainState& s = frm.state();
  return s.tables.picture_of_piece[static_cast<std::size_t>(s.shape.range_code)]
                                  [static_cast<std::size_t>(piece)];
}

const Control* piece_control(const FrmMain& frm, int k) {
  return frm.controls().find_picture(Role::Piece, k);
}

}  // namespace

QRectF stock_place_rect(const FrmMain& frm, int k) {
  const Control* c = piece_control(frm, k);
  if (!c) return {};
  Control home = *c;
  const Spot spot =
      stock_spot(frm.layout(), frm.state().shape, static_cast<Int>(piece_number(frm, k)));
  home.left = spot.left;
  home.top = spot.top;
  return control_rect(home);
}

std::vector<CursorStop> cursor_stops(const FrmMain& frm, int carried) {
  std::vector<CursorStop> stops;
  const MainState& s = frm.state();
  // The stock, column by column as it is laid out (shape by shape).
  for (int p = 1; p <= s.shape.field_count; ++p) {
    const int k = picture_of(frm, p);
    const Control* c = piece_control(frm, k);
    if (c && c->visible) stops.push_back({CursorStop::Kind::Stock, k, stock_place_rect(frm, k)});
  }
  // The fields of the board, row by row.
  for (int f = 1; f <= s.shape.field_count; ++f) {
    const Control* c = frm.controls().find(Role::BoardField, f);
    if (c && c->visible) stops.push_back({CursorStop::Kind::Field, f, control_rect(*c)});
  }
  // The clue cards, row by row: a piece is never put down on them.
  if (carried == 0)
    for (int i = 1; i <= s.shape.field_count; ++i) {
      const Control* c = frm.controls().find(Role::Card, i - 1);
      if (c && c->visible) stops.push_back({CursorStop::Kind::Card, i, control_rect(*c)});
    }
  return stops;
}

KeyPlace key_place(const FrmMain& frm, const CursorStop& stop) {
  const int side = frm.state().shape.side;
  switch (stop.kind) {
    case CursorStop::Kind::Stock:
      return stock_place(piece_number(frm, stop.index), side);
    case CursorStop::Kind::Field:
      return board_place(stop.index, side);
    case CursorStop::Kind::Card:
      break;
  }
  return card_place(stop.index, side);
}

CursorStop stop_at(const FrmMain& frm, const KeyPlace& place) {
  const int n = place_number(place, frm.state().shape.side);
  switch (place.block) {
    case KeyPlace::Block::Stock: {
      const int k = picture_of(frm, n);
      return {CursorStop::Kind::Stock, k, stock_place_rect(frm, k)};
    }
    case KeyPlace::Block::Board: {
      const Control* c = frm.controls().find(Role::BoardField, n);
      return {CursorStop::Kind::Field, n, c ? control_rect(*c) : QRectF()};
    }
    case KeyPlace::Block::Cards:
      break;
  }
  const Control* c = frm.controls().find(Role::Card, n - 1);
  return {CursorStop::Kind::Card, n, c ? control_rect(*c) : QRectF()};
}

int piece_at_stop(const FrmMain& frm, const CursorStop& stop) {
  if (stop.kind == CursorStop::Kind::Card) return 0;
  const MainState& s = frm.state();
  const int wanted = stop.kind == CursorStop::Kind::Field ? stop.index : 0;
  for (int k = 1; k <= kPieceIds; ++k) {
    const int p = piece_number(frm, k);
    const Control* c = piece_control(frm, k);
    if (p == 0 || !c || !c->visible || s.dragging[static_cast<std::size_t>(k)]) continue;
    if (stop.kind == CursorStop::Kind::Stock && k != stop.index) continue;
    if (s.placement[static_cast<std::size_t>(p)] == wanted) return k;
  }
  return 0;
}

QPointF drop_corner(const FrmMain& frm, int piece, const CursorStop& stop) {
  const Control* c = piece_control(frm, piece);
  const QPointF centre = stop.rect.center() * kTwipsPerPixel;
  if (!c) return centre;
  return QPointF(std::round(centre.x() - c->width / 2.0), std::round(centre.y() - c->height / 2.0));
}

}  // namespace zerdo
