#pragma once
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace zerdo {

// An icon drawn by code rather than read from a file: each size is drawn
// when the window system first asks for it, onto a transparent pixmap.
class PaintedIconEngine : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paint(&p, QRect(QPoint(0, 0), size), mode, state);
    return pm;
  }
};

}  // namespace zerdo
