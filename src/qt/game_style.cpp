#include "qt/game_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <algorithm>

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

// The option drawn with the shared palette for as long as it lives, then
// given its own back: the caller's option (made by the widget for this one
// drawing) is left as it was.
class SharedPaletteScope {
 public:
  SharedPaletteScope(const GameStyle& style, const QStyleOption* option)
      : option_(const_cast<QStyleOption*>(option)) {
    if (!option_) return;
    QPalette shared = style.shared(option_->palette);
    if (shared.cacheKey() == option_->palette.cacheKey()) return;
    own_ = option_->palette;
    option_->palette = shared;
    swapped_ = true;
  }
  ~SharedPaletteScope() {
    if (swapped_) option_->palette = own_;
  }
  SharedPaletteScope(const SharedPaletteScope&) = delete;
  SharedPaletteScope& operator=(const SharedPaletteScope&) = delete;

 private:
  QStyleOption* option_;
  QPalette own_;
  bool swapped_ = false;
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

QPalette GameStyle::shared(const QPalette& palette) const {
  const auto same = std::find_if(palettes_.begin(), palettes_.end(), [&](const QPalette& p) {
    return p.cacheKey() == palette.cacheKey() || p == palette;
  });
  if (same == palettes_.end()) {
    if (palettes_.size() < kMaxPalettes) palettes_.push_back(palette);
    return palette;
  }
  QPalette out = *same;
  out.setCurrentColorGroup(palette.currentColorGroup());
  return out;
}

void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  SharedPaletteScope scope(*this, option);
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void GameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  SharedPaletteScope scope(*this, option);
  QProxyStyle::drawControl(element, option, painter, widget);
}

void GameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
  SharedPaletteScope scope(*this, option);
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

}  // namespace zerdo
