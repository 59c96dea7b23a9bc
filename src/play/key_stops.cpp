#include "play/key_stops.h"

#include <cmath>
#include <cstddef>

#include "model/pictures.h"
#include "play/frm_main.h"

namespace zerdo {

namespace {

// A picture id or piece number out of the tables' range names no piece (0).
int piece_number(const FrmMain& frm, int k) {
  if (k < 1 || k > kPieceIds) return 0;
  const MainState& s = frm.state();
  return s.tables
      .piece_of_picture[static_cast<std::size_t>(s.shape.range_code)][static_cast<std::size_t>(k)];
}

int picture_of(const FrmMain& frm, int piece) {
  if (piece < 1 || piece > kPieceIds) return 0;
  const MainState& s = frm.state();
  return s.tables.picture_of_piece[static_cast<std::size_t>(s.shape.range_code)]
                                  [static_cast<std::size_t>(piece)];
}

const Control* piece_control(const FrmMain& frm, int k) {
  return frm.controls().find_picture(Role::Piece, k);
}

KeyStop stop_over(KeyStop::Kind kind, int index, const Control* c) {
  KeyStop stop{kind, index};
  if (c) {
    stop.left = c->left;
    stop.top = c->top;
    stop.width = c->width;
    stop.height = c->height;
  }
  return stop;
}

}  // namespace

KeyStop stock_stop(const FrmMain& frm, int k) {
  const Control* c = piece_control(frm, k);
  KeyStop stop = stop_over(KeyStop::Kind::Stock, k, c);
  if (c) {
    const Spot spot =
        stock_spot(frm.layout(), frm.state().shape, static_cast<Int>(piece_number(frm, k)));
    stop.left = spot.left;
    stop.top = spot.top;
  }
  return stop;
}

KeyStep step_from(const FrmMain& frm, const KeyStop& here, KeyPlace::Block beside, Arrow arrow,
                  int carried) {
  const KeyCursor to =
      step({key_place(frm, here), beside}, arrow, frm.state().shape.side, carried == 0);
  return {stop_at(frm, to.at), to.beside};
}

BoardReading::Homes stock_homes(const FrmMain& frm) {
  BoardReading::Homes homes{};
  for (int k = 1; k <= kPieceIds; ++k) {
    const KeyStop home = stock_stop(frm, k);
    homes[static_cast<std::size_t>(k)] = {home.left, home.top};
  }
  return homes;
}

std::vector<KeyStop> key_stops(const FrmMain& frm, int carried) {
  std::vector<KeyStop> stops;
  const MainState& s = frm.state();
  // The stock, column by column as it is laid out (shape by shape).
  for (int p = 1; p <= s.shape.field_count; ++p) {
    const int k = picture_of(frm, p);
    const Control* c = piece_control(frm, k);
    if (c && c->visible) stops.push_back(stock_stop(frm, k));
  }
  // The fields of the board, row by row.
  for (int f = 1; f <= s.shape.field_count; ++f) {
    const Control* c = frm.controls().find(Role::BoardField, f);
    if (c && c->visible) stops.push_back(stop_over(KeyStop::Kind::Field, f, c));
  }
  // The clue cards, row by row: a piece is never put down on them.
  if (carried == 0)
    for (int i = 1; i <= s.shape.field_count; ++i) {
      const Control* c = frm.controls().find(Role::Card, i - 1);
      if (c && c->visible) stops.push_back(stop_over(KeyStop::Kind::Card, i, c));
    }
  return stops;
}

KeyPlace key_place(const FrmMain& frm, const KeyStop& stop) {
  const int side = frm.state().shape.side;
  switch (stop.kind) {
    case KeyStop::Kind::Stock:
      return stock_place(piece_number(frm, stop.index), side);
    case KeyStop::Kind::Field:
      return board_place(stop.index, side);
    case KeyStop::Kind::Card:
      break;
  }
  return card_place(stop.index, side);
}

KeyStop stop_at(const FrmMain& frm, const KeyPlace& place) {
  const int n = place_number(place, frm.state().shape.side);
  switch (place.block) {
    case KeyPlace::Block::Stock:
      return stock_stop(frm, picture_of(frm, n));
    case KeyPlace::Block::Board:
      return stop_over(KeyStop::Kind::Field, n, frm.controls().find(Role::BoardField, n));
    case KeyPlace::Block::Cards:
      break;
  }
  return stop_over(KeyStop::Kind::Card, n, frm.controls().find(Role::Card, n - 1));
}

int piece_at_stop(const FrmMain& frm, const KeyStop& stop) {
  if (stop.kind == KeyStop::Kind::Card) return 0;
  const MainState& s = frm.state();
  // Field 0 would be the stock: a field the board has not holds nothing.
  if (stop.kind == KeyStop::Kind::Field && (stop.index < 1 || stop.index > s.shape.field_count))
    return 0;
  const int wanted = stop.kind == KeyStop::Kind::Field ? stop.index : 0;
  for (int k = 1; k <= kPieceIds; ++k) {
    const int p = piece_number(frm, k);
    const Control* c = piece_control(frm, k);
    if (p == 0 || !c || !c->visible || s.dragging[static_cast<std::size_t>(k)]) continue;
    if (stop.kind == KeyStop::Kind::Stock && k != stop.index) continue;
    if (s.placement[static_cast<std::size_t>(p)] == wanted) return k;
  }
  return 0;
}

Spot drop_corner(const FrmMain& frm, int piece, const KeyStop& stop) {
  const double x = stop.left + stop.width / 2.0, y = stop.top + stop.height / 2.0;
  const Control* c = piece_control(frm, piece);
  if (!c) return {static_cast<Int>(std::lround(x)), static_cast<Int>(std::lround(y))};
  return {static_cast<Int>(std::lround(x - c->width / 2.0)),
          static_cast<Int>(std::lround(y - c->height / 2.0))};
}

}  // namespace zerdo
