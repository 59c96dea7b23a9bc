#pragma once
#include <QColor>
#include <QFont>
#include <QRectF>
#include <functional>

#include "ui/controls.h"

class QPainter;

namespace zerdo {

// One logical pixel is 15 twips at scale 1.
constexpr double kTwipsPerPixel = 15.0;

// The control's rectangle in logical pixels (unrounded).
QRectF control_rect(const Control& c);
// The control's rectangle snapped to whole logical pixels, so that lines
// along its edges stay crisp.
QRectF control_pixel_rect(const Control& c);
// The background colour of a control: its own, or the window colour.
QColor control_back_colour(const Control& c);

// The font of captions and labels (pixel sized, so it scales with the window).
QFont caption_font();

// Paints every visible control of set in order (later ones on top), except
// those skip returns true for (controls shown by real widgets).
void paint_controls(QPainter& p, const ControlSet& set,
                    const std::function<bool(const Control&)>& skip = {});

// The topmost visible control under point (logical pixels) that accepts
// returns true for; nullptr when there is none.
const Control* control_at(const ControlSet& set, const QPointF& point,
                          const std::function<bool(const Control&)>& accepts = {});

}  // namespace zerdo
