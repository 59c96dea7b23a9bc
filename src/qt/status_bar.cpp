#include "qt/status_bar.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "model/main_window.h"
#include "qt/control_painter.h"

namespace zerdo {

namespace {
constexpr int kHeight = 22;
constexpr qreal kGap = 2;
}  // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
  setFixedHeight(kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void StatusBar::set_panels(const std::array<StatusPanel, 5>& panels) {
  // Another width moves the panels beside it: the whole bar is painted
  // again. Otherwise only the panels whose text changed (the clock's tick
  // changes the last one); a tool tip is not painted.
  bool moved = false;
  QRegion dirty;
  for (std::size_t i = 1; i < panels.size(); ++i) {
    StatusPanel& now = panels_[i];
    if (panels[i].width != now.width) moved = true;
    if (panels[i].text != now.text) dirty += panel_rect(static_cast<int>(i)).toAlignedRect();
    if (panels[i].width != now.width || panels[i].text != now.text ||
        panels[i].tooltip != now.tooltip)
      now = panels[i];
  }
  if (moved)
    update();
  else if (!dirty.isEmpty())
    update(dirty);
}

QRectF StatusBar::panel_rect(int panel) const {
  const auto width_of = [this](int i) {
    return qMax(0, static_cast<int>(panels_[static_cast<std::size_t>(i)].width)) / kTwipsPerPixel;
  };
  // In a window shown larger than its model (the board zoomed) the first
  // panel takes the room the others leave, as it does at 100 %.
  qreal others = kStatusBarMargin / kTwipsPerPixel;
  for (int i = 2; i <= 4; ++i) others += width_of(i);
  // In a narrower one it takes only what they leave, so that they stay in sight.
  const qreal first = width() > 0 ? qMax<qreal>(0, width() - others) : width_of(1);
  qreal x = kGap;
  for (int i = 1; i < panel; ++i) x += (i == 1 ? first : width_of(i)) + kGap;
  const qreal w = panel == 1 ? first : width_of(panel);
  return QRectF(qRound(x), 2, qRound(w), height() - 3);
}

int StatusBar::panel_at(qreal x) const {
  for (int i = 1; i <= 4; ++i) {
    const QRectF r = panel_rect(i);
    if (x >= r.left() && x < r.right()) return i;
  }
  return 0;
}

QSize StatusBar::sizeHint() const { return QSize(200, kHeight); }

void StatusBar::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), QColor(212, 208, 200));
  p.setPen(QColor(255, 255, 255));
  p.drawLine(0, 0, width(), 0);
  p.setFont(caption_font());
  for (int i = 1; i <= 4; ++i) {
    const QRectF r = panel_rect(i);
    if (r.width() <= 0 || !event->rect().intersects(r.toAlignedRect())) continue;
    p.setPen(QColor(150, 146, 138));
    p.setBrush(QColor(222, 218, 210));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    // Cut at the panel's edge like a narrow panel does, without dots.
    const QRectF text_r = r.adjusted(3, 0, -1, 0);
    p.save();
    p.setClipRect(text_r);
    p.setPen(QColor(28, 28, 30));
    p.drawText(text_r, Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromStdString(panels_[static_cast<std::size_t>(i)].text));
    p.restore();
  }
}

bool StatusBar::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int i = panel_at(help->pos().x());
    const std::string tip = i > 0 ? panels_[static_cast<std::size_t>(i)].tooltip : std::string();
    if (tip.empty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), QString::fromStdString(tip), this,
                         panel_rect(i).toRect());
    return true;
  }
  return QWidget::event(event);
}

}  // namespace zerdo
