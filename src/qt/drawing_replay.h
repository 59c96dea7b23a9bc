#pragma once
#include "drawing/drawing.h"

class QPainter;

namespace zerdo {

// Draws d with p, in p's coordinates (logical pixels): the window, the
// look cache, paper and the icons replay the game's looks this way. On
// paper (PDF and printer) a gradient that fades out is laid in thin bands
// of even transparency, since common readers draw such a gradient opaque.
void replay(QPainter& p, const drawing::Drawing& d);

}  // namespace zerdo
