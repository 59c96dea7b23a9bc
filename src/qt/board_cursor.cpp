#include "qt/board_cursor.h"

#include <cmath>

#include "play/frm_main.h"
#include "qt/control_painter.h"

namespace zerdo {

namespace {

CursorStop in_pixels(const KeyStop& s) {
  return {s.kind, s.index,
          QRectF(s.left / kTwipsPerPixel, s.top / kTwipsPerPixel, s.width / kTwipsPerPixel,
                 s.height / kTwipsPerPixel)};
}

KeyStop in_twips(const CursorStop& s) {
  const QRectF r(s.rect.topLeft() * kTwipsPerPixel, s.rect.size() * kTwipsPerPixel);
  KeyStop k{s.kind, s.index};
  k.left = static_cast<Int>(std::lround(r.left()));
  k.top = static_cast<Int>(std::lround(r.top()));
  k.width = static_cast<Int>(std::lround(r.width()));
  k.height = static_cast<Int>(std::lround(r.height()));
  return k;
}

}  // namespace

std::vector<CursorStop> cursor_stops(const FrmMain& frm, int carried) {
  std::vector<CursorStop> stops;
  for (const KeyStop& s : key_stops(frm, carried)) stops.push_back(in_pixels(s));
  return stops;
}

KeyPlace key_place(const FrmMain& frm, const CursorStop& stop) {
  return key_place(frm, in_twips(stop));
}

CursorStop cursor_stop_at(const FrmMain& frm, const KeyPlace& place) {
  return in_pixels(stop_at(frm, place));
}

QRectF stock_place_rect(const FrmMain& frm, int k) { return in_pixels(stock_stop(frm, k)).rect; }

int piece_at_stop(const FrmMain& frm, const CursorStop& stop) {
  return piece_at_stop(frm, in_twips(stop));
}

QPointF drop_corner(const FrmMain& frm, int piece, const CursorStop& stop) {
  const Spot corner = drop_corner(frm, piece, in_twips(stop));
  return QPointF(corner.left, corner.top);
}

}  // namespace zerdo
