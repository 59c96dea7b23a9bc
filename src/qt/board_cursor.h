#pragma once
#include <QRectF>

#include "play/key_stops.h"

namespace zerdo {

// A keyboard stop's area (play/key_stops.h) in board coordinates: logical
// pixels of the unscaled board, 15 twips each.
QRectF stop_rect(const KeyStop& stop);

}  // namespace zerdo
