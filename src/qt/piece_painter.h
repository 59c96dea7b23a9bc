#pragma once
#include <QColor>
#include <QRectF>

class QPainter;

namespace zerdo {

// Draws picture id 1..25 into rect as vector shapes, crisp at any scale:
// 1..16 the pieces (shape and colour of the picture table), 17..20 colour
// blots, 21..24 black shapes, 25 the cross. Other ids draw nothing.
void paint_picture(QPainter& p, const QRectF& rect, int picture_id);

// The program's icon: four pieces on a small board.
void paint_program_icon(QPainter& p, const QRectF& rect);

// The colour of colour code 1..4 (lila, rood, vert, blau).
QColor piece_colour(int colour_code);

}  // namespace zerdo
