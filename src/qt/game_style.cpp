#include "qt/game_style.h"

#include <QPainter>
#include <QPainterPath>

#include "qt/painted_icon_engine.h"

namespace zerdo {

namespace {

// A double chevron pointing right (or down when vertical): the menu bar's
// button for menus that no longer fit.
class OverflowIconEngine : public PaintedIconEngine {
 public:
  explicit OverflowIconEngine(bool vertical) : vertical_(vertical) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const qreal s = qMin(rect.width(), rect.height());
    const QPointF c = QRectF(rect).center();
    QPainterPath path;
    for (const qreal shift : {-0.2, 0.12}) {
      const QPointF a(shift - 0.1, -0.28), tip(shift + 0.14, 0), b(shift - 0.1, 0.28);
      const auto at = [&](const QPointF& q) {
        return vertical_ ? c + QPointF(q.y(), q.x()) * s : c + q * s;
      };
      path.moveTo(at(a));
      path.lineTo(at(tip));
      path.lineTo(at(b));
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(mode == QIcon::Disabled ? QColor(150, 146, 138) : QColor(40, 38, 36),
                         qMax<qreal>(1.0, s * 0.1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(path);
    painter->restore();
  }

  QIconEngine* clone() const override { return new OverflowIconEngine(vertical_); }

 private:
  bool vertical_;
};

}  // namespace

QIcon GameStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                              const QWidget* widget) const {
  switch (which) {
    case SP_ToolBarHorizontalExtensionButton:
      return QIcon(new OverflowIconEngine(false));
    case SP_ToolBarVerticalExtensionButton:
      return QIcon(new OverflowIconEngine(true));
    default:
      return QProxyStyle::standardIcon(which, option, widget);
  }
}

}  // namespace zerdo
