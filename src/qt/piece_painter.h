#pragma once
#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace zerdo {

// Draws picture id 1..25 into rect as vector shapes, crisp at any scale:
// 1..16 the pieces (shape and colour of the picture table), 17..20 colour
// blots, 21..24 black shapes, 25 the cross. Other ids draw nothing. With
// colour_marks, the pieces and blots also carry the pattern of their colour
// (colour_mark_path), so that they tell apart without colour vision.
void paint_picture(QPainter& p, const QRectF& rect, int picture_id, bool colour_marks = false);

// The pattern of colour code 1..4 over the square of the picture centred in
// rect, as the area of the light strokes laid over the colour: lila vertical
// stripes, rood horizontal stripes, vert dots, blau rising diagonal stripes.
// Empty for any other code.
QPainterPath colour_mark_path(int colour_code, const QRectF& rect);

// The program's icon: four pieces on a small board.
void paint_program_icon(QPainter& p, const QRectF& rect);

// The colour of colour code 1..4 (lila, rood, vert, blau).
QColor piece_colour(int colour_code);

}  // namespace zerdo
