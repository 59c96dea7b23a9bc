#include "qt/piece_painter.h"

#include "drawing/looks.h"
#include "qt/drawing_replay.h"

namespace zerdo {

namespace {

drawing::Rect rect_of(const QRectF& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

void paint_picture(QPainter& p, const QRectF& rect, int picture_id, bool colour_marks) {
  drawing::Drawing d;
  drawing::picture(d, rect_of(rect), picture_id, colour_marks);
  replay(p, d);
}

void paint_program_icon(QPainter& p, const QRectF& rect) {
  drawing::Drawing d;
  drawing::program_icon(d, rect_of(rect));
  replay(p, d);
}

}  // namespace zerdo
