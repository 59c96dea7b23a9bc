#pragma once
#include <QRectF>

class QPainter;

namespace zerdo {

// Draws picture id 1..25 into rect as vector shapes, crisp at any scale:
// 1..16 the pieces, 17..20 colour blots, 21..24 black shapes, 25 the cross
// (the looks of src/drawing, as the web page draws them too). Other ids
// draw nothing. With colour_marks, the pieces and blots also carry the
// pattern of their colour, so that they tell apart without colour vision.
void paint_picture(QPainter& p, const QRectF& rect, int picture_id, bool colour_marks = false);

// The program's icon: four pieces on a small board.
void paint_program_icon(QPainter& p, const QRectF& rect);

}  // namespace zerdo
