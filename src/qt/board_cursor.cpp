#include "qt/board_cursor.h"

#include "qt/control_painter.h"

namespace zerdo {

QRectF stop_rect(const KeyStop& stop) {
  return QRectF(stop.left / kTwipsPerPixel, stop.top / kTwipsPerPixel, stop.width / kTwipsPerPixel,
                stop.height / kTwipsPerPixel);
}

}  // namespace zerdo
