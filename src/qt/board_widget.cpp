#include "qt/board_widget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "model/pictures.h"
#include "play/frm_main.h"
#include "qt/control_painter.h"

namespace zerdo {

namespace {

// The draggable pieces are the single picture boxes with a piece picture;
// the small pieces on the cards are arrays of instances.
bool is_piece(const Control& c) {
  return c.kind == ControlKind::Picture && c.index < 0 && c.picture >= 1 && c.picture <= kPieceIds;
}

bool is_tip(const Control& c) { return c.name == "FrameTip"; }

long to_twips(qreal pixels) { return std::lround(pixels * kTwipsPerPixel); }

// What a control paints reaches this far past its rectangle (the shadow of a
// held piece, antialiased edges), in logical pixels.
constexpr int kPaintMargin = 8;

QRect paint_area(const Control& c) {
  return control_pixel_rect(c).toAlignedRect().adjusted(-kPaintMargin, -kPaintMargin, kPaintMargin,
                                                        kPaintMargin);
}

// Whether two states of a control paint the same pixels.
bool looks_same(const Control& a, const Control& b) {
  return a.kind == b.kind && a.left == b.left && a.top == b.top && a.width == b.width &&
         a.height == b.height && a.visible == b.visible && a.picture == b.picture &&
         a.back_colour == b.back_colour && a.border == b.border && a.caption == b.caption &&
         a.name == b.name && a.index == b.index;
}

}  // namespace

BoardWidget::BoardWidget(FrmMain& frm, Dispatch dispatch, QWidget* parent)
    : QWidget(parent), frm_(frm), dispatch_(std::move(dispatch)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
}

int BoardWidget::piece_at(const QPointF& point) const {
  const Control* c = control_at(frm_.controls(), point, is_piece);
  return c ? c->picture : 0;
}

const Control* BoardWidget::piece_control(int k) const {
  return frm_.controls().find("Picture_" + std::string(picture_name(k)));
}

void BoardWidget::sync() {
  const std::vector<Control>& now = frm_.controls().all();
  if (now.size() != shown_.size()) {
    shown_ = now;
    update();
    return;
  }
  QRegion dirty;
  for (std::size_t i = 0; i < now.size(); ++i) {
    if (looks_same(now[i], shown_[i])) continue;
    dirty += paint_area(shown_[i]);
    dirty += paint_area(now[i]);
    shown_[i] = now[i];
  }
  if (!dirty.isEmpty()) update(dirty);
}

void BoardWidget::prepare_looks() {
  looks_ = zerdo::prepare_looks(frm_.controls(), devicePixelRatioF());
}

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRegion& dirty = event->region();
  // Controls wholly outside the repainted area are not drawn at all.
  const auto outside = [&dirty](const Control& c) { return !dirty.intersects(paint_area(c)); };
  if (looks_.valid()) cache_looks(looks_.get());
  // Looks new to this paint (another puzzle's pictures, another size) are
  // drawn on a worker too, all at once, before anything is painted.
  cache_looks(zerdo::prepare_looks(frm_.controls(), p.device()->devicePixelRatio(), outside).get());
  p.fillRect(event->rect(), control_back_colour(Control{}));
  paint_controls(p, frm_.controls(), outside);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  if (drag_ != 0) return;  // a second button while dragging changes nothing
  const QPointF pos = event->position();
  const Control* top = control_at(frm_.controls(), pos);
  if (top && is_piece(*top)) {
    drag_ = top->picture;
    const int k = drag_;
    dispatch_([this, k] { frm_.picture_mouse_down(k); });
  } else {
    tip_pressed_ = top && is_tip(*top);
  }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  if (drag_ == 0) return;
  const Control* piece = piece_control(drag_);
  if (!piece) return;
  // The pointer in twips from the piece's current corner: the controller
  // moves the corner by this much, so the corner follows the pointer.
  const long x = to_twips(event->position().x()) - piece->left;
  const long y = to_twips(event->position().y()) - piece->top;
  const int k = drag_;
  dispatch_([this, k, x, y] { frm_.picture_mouse_move(k, x, y); });
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ != 0) {
    if (event->buttons() != Qt::NoButton) return;  // wait for the last button
    const int k = drag_;
    drag_ = 0;
    dispatch_([this, k] { frm_.picture_mouse_up(k); });
    return;
  }
  if (tip_pressed_) {
    tip_pressed_ = false;
    const Control* top = control_at(frm_.controls(), event->position());
    if (top && is_tip(*top)) dispatch_([this] { frm_.FrameTip_Click(); });
  }
}

bool BoardWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const Control* c = control_at(frm_.controls(), help->pos(),
                                  [](const Control& k) { return !k.tooltip.empty(); });
    // A tip only for the control really on top, not one hidden beneath it.
    const Control* top = control_at(frm_.controls(), help->pos());
    if (c && c == top)
      QToolTip::showText(help->globalPos(), QString::fromStdString(c->tooltip), this,
                         control_pixel_rect(*c).toRect());
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

}  // namespace zerdo
