#include "qt/board_cursor.h"

#include <cmath>
#include <string>

#include "model/pictures.h"
#include "play/frm_main.h"
#include "qt/control_painter.h"

namespace zerdo {

namespace {

int piece_number(const FrmMain& frm, int k) {
  const MainState& s = frm.state();
  return s.tables
      .piece_of_picture[static_cast<std::size_t>(s.shape.range_code)][static_cast<std::size_t>(k)];
}

const Control* piece_control(const FrmMain& frm, int k) {
  return frm.controls().find_picture(Role::Piece, k);
}

}  // namespace

std::vector<CursorStop> cursor_stops(const FrmMain& frm, int carried,
                                     const std::optional<QRectF>& carried_home) {
  std::vector<CursorStop> stops;
  const MainState& s = frm.state();
  // The stock, column by column as it is laid out (shape by shape).
  for (int k = 1; k <= kPieceIds; ++k) {
    const int p = piece_number(frm, k);
    const Control* c = piece_control(frm, k);
    if (p == 0 || !c || !c->visible || s.placement[static_cast<std::size_t>(p)] != 0) continue;
    if (k == carried && !carried_home) continue;
    stops.push_back({CursorStop::Kind::Piece, k, k == carried ? *carried_home : control_rect(*c)});
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

std::optional<CursorStop> next_stop(const std::vector<CursorStop>& stops, const CursorStop& from,
                                    int dx, int dy) {
  const QPointF at = from.rect.center();
  std::optional<CursorStop> best;
  qreal best_score = 0;
  for (const CursorStop& s : stops) {
    if (s.same_place(from)) continue;
    const QPointF v = s.rect.center() - at;
    const qreal along = v.x() * dx + v.y() * dy;
    if (along < 1) continue;  // not that way
    const qreal across = std::abs(v.x() * dy - v.y() * dx);
    // A stop off the line counts as farther, so the cursor keeps to rows
    // and columns where there are any.
    const qreal score = along + 3 * across;
    if (!best || score < best_score) {
      best = s;
      best_score = score;
    }
  }
  return best;
}

int piece_at_stop(const FrmMain& frm, const CursorStop& stop) {
  if (stop.kind == CursorStop::Kind::Piece) return stop.index;
  if (stop.kind != CursorStop::Kind::Field) return 0;
  const MainState& s = frm.state();
  for (int k = 1; k <= kPieceIds; ++k) {
    const int p = piece_number(frm, k);
    const Control* c = piece_control(frm, k);
    if (p != 0 && c && c->visible && s.placement[static_cast<std::size_t>(p)] == stop.index)
      return k;
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
