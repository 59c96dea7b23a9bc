#include "qt/board_widget.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "model/pictures.h"
#include "play/frm_main.h"
#include "qt/control_painter.h"

namespace zerdo {

namespace {

bool is_piece(const Control& c) { return c.role == Role::Piece; }
bool is_tip(const Control& c) { return c.role == Role::Tip; }
bool is_card(const Control& c) { return c.role == Role::Card; }

// The clue card (1..16) under point, 0 for none: what lies on a card (its
// cells and pictures) belongs to the card; a piece lying over it does not.
int card_at(const ControlSet& set, const QPointF& point) {
  const Control* top = control_at(set, point);
  if (!top || is_piece(*top)) return 0;
  const Control* card = control_at(set, point, is_card);
  return card ? card->index + 1 : 0;
}

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
  return a.kind == b.kind && a.role == b.role && a.left == b.left && a.top == b.top &&
         a.width == b.width && a.height == b.height && a.visible == b.visible &&
         a.picture == b.picture && a.back_colour == b.back_colour && a.border == b.border &&
         a.caption == b.caption && a.marked == b.marked && a.highlighted == b.highlighted &&
         a.wrong == b.wrong && a.index == b.index;
}

// Whether two states of a control are drawn from the same looks: the same
// but for its place. Only a picture keeps its size wherever it is; any other
// control is snapped to whole pixels, so its size may change when it moves.
bool same_looks(const Control& a, const Control& b) {
  Control moved = b;
  if (a.kind == ControlKind::Picture) {
    moved.left = a.left;
    moved.top = a.top;
  }
  return looks_same(a, moved);
}

}  // namespace

BoardWidget::BoardWidget(FrmMain& frm, Dispatch dispatch, QWidget* parent)
    : QWidget(parent), frm_(frm), dispatch_(std::move(dispatch)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  setFocusPolicy(Qt::StrongFocus);
}

void BoardWidget::set_natural_size(const QSizeF& size, qreal zoom) {
  if (size == natural_ && zoom == zoom_) return;
  natural_ = size;
  zoom_ = zoom;
  fit_board();
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  fit_board();
}

void BoardWidget::fit_board() {
  qreal factor = 1.0;
  QPointF at(0, 0);
  if (!natural_.isEmpty() && width() > 0 && height() > 0) {
    factor = qMin(width() / natural_.width(), height() / natural_.height());
    // The window's size is rounded to whole pixels: the factor it was made
    // for counts when it is off by less than a pixel (at 100 % the board is
    // not scaled at all).
    if (std::abs(factor - zoom_) * qMax(natural_.width(), natural_.height()) < 1) factor = zoom_;
    // Centred, on whole device pixels so that lines stay crisp.
    const qreal dpr = devicePixelRatioF();
    at = QPointF(std::floor((width() - natural_.width() * factor) / 2 * dpr) / dpr,
                 std::floor((height() - natural_.height() * factor) / 2 * dpr) / dpr);
  }
  const QTransform t = QTransform::fromTranslate(at.x(), at.y()).scale(factor, factor);
  if (t == to_widget_ && factor == factor_) return;
  if (factor != factor_) looks_stale_ = true;
  factor_ = factor;
  to_widget_ = t;
  to_board_ = t.inverted();
  update();
}

QRect BoardWidget::widget_area(const QRectF& board_rect) const {
  return to_widget_.mapRect(board_rect).toAlignedRect().adjusted(-1, -1, 1, 1);
}

int BoardWidget::piece_at(const QPointF& point) const {
  const Control* c = control_at(frm_.controls(), to_board(point), is_piece);
  return c ? c->picture : 0;
}

const Control* BoardWidget::piece_control(int k) const {
  return frm_.controls().find_picture(Role::Piece, k);
}

void BoardWidget::sync() {
  const std::vector<Control>& now = frm_.controls().all();
  // The colour patterns switched on or off change every picture at once.
  if (now.size() != shown_.size() || frm_.state().colour_marks != marks_shown_) {
    shown_ = now;
    marks_shown_ = frm_.state().colour_marks;
    reader_dirty_ = true;
    looks_stale_ = true;
    update();
    tell_reader();
    return;
  }
  QRegion dirty;
  for (std::size_t i = 0; i < now.size(); ++i) {
    if (looks_same(now[i], shown_[i])) continue;
    if (!same_looks(now[i], shown_[i])) looks_stale_ = true;
    dirty += widget_area(paint_area(shown_[i]));
    dirty += widget_area(paint_area(now[i]));
    shown_[i] = now[i];
  }
  // What the screen reader tells follows the controls: a piece's place, a
  // card's mark.
  if (!dirty.isEmpty()) reader_dirty_ = true;
  // The controller let go of the piece the mouse drags (new cards came):
  // the drag ends here, and the button's release is no move.
  if (drag_ != 0 && !frm_.state().dragging[static_cast<std::size_t>(drag_)]) drag_ = 0;
  // The controller let go of the piece the keyboard carries (a new puzzle,
  // the game stopped): the keyboard lets go too.
  if (carried_ != 0 && !frm_.state().dragging[static_cast<std::size_t>(carried_)]) {
    carried_ = 0;
    carried_stop_.reset();
  }
  // The focus frame follows its stop when the board changes beneath it.
  const QRect frame = focus_shown() ? focus_area(current_stop()) : QRect();
  if (frame != focus_painted_) {
    dirty += focus_painted_;
    dirty += frame;
  }
  if (!dirty.isEmpty()) update(dirty);
  tell_reader();
}

void BoardWidget::tell_reader() {
  const int held = held_piece();
  const int was_held = told_held_;
  told_held_ = held;
  if (held != was_held) {
    reader_dirty_ = true;
    // A piece picked up or put down, by mouse or keyboard, is said at once:
    // its name and where it is now.
    for (const ReaderItem& i : reader_items())
      if (i.kind == ReaderItem::Kind::Piece && i.index == (held != 0 ? held : was_held))
        setAccessibleDescription(QString::fromStdString(i.name + ", " + i.description));
  }
  // The rest only while a screen reader listens: the board is read again
  // (every card through the solver) only then.
  if (!QAccessible::isActive()) {
    told_.clear();
    return;
  }
  const std::vector<ReaderItem>& now = reader_items();
  if (now == told_) return;
  const bool same_items =
      now.size() == told_.size() && std::equal(now.begin(), now.end(), told_.begin(),
                                               [](const ReaderItem& a, const ReaderItem& b) {
                                                 return a.kind == b.kind && a.index == b.index;
                                               });
  if (!same_items) {
    // Another range, or the first time: other children.
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
  } else {
    for (std::size_t i = 0; i < now.size(); ++i) {
      const auto tell = [this, i](QAccessible::Event what) {
        QAccessibleEvent e(this, what);
        e.setChild(static_cast<int>(i));
        QAccessible::updateAccessibility(&e);
      };
      if (now[i].name != told_[i].name) tell(QAccessible::NameChanged);
      if (now[i].description != told_[i].description) tell(QAccessible::DescriptionChanged);
    }
  }
  told_ = now;
}

void BoardWidget::prepare_looks() {
  looks_ = zerdo::prepare_looks(frm_.controls(), devicePixelRatioF(), {}, frm_.state().colour_marks,
                                factor_);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const qreal dpr = p.device()->devicePixelRatio();
  const bool marks = frm_.state().colour_marks;
  if (looks_.valid()) cache_looks(looks_.get());
  // Looks new to the board (another puzzle's pictures, a piece picked up,
  // another size or pixel ratio) are drawn on a worker too, all at once,
  // before anything is painted. While only a piece's place changes (it is
  // dragged) every look is in the cache already.
  if (looks_stale_ || dpr != looks_dpr_) {
    cache_looks(zerdo::prepare_looks(frm_.controls(), dpr, {}, marks, factor_).get());
    looks_stale_ = false;
    looks_dpr_ = dpr;
  }
  const std::optional<KeyStop> stop = focus_shown() ? current_stop() : std::optional<KeyStop>();
  focus_painted_ = focus_area(stop);
  // Each rectangle of the repainted area on its own: with one rectangle to
  // clip to, the paint engine fills and copies straight, where a clip of
  // several would hand larger fills to its thread pool. Controls wholly
  // outside the rectangle are not drawn at all.
  const QColor back = control_back_colour(Control{});
  for (const QRect& area : event->region()) {
    // In board coordinates, grown by the pixel widget_area adds round a control.
    const qreal pixel = 1 / factor_;
    const QRectF board_area =
        to_board_.mapRect(QRectF(area)).adjusted(-pixel, -pixel, pixel, pixel);
    p.resetTransform();
    p.setClipRect(area);
    p.fillRect(area, back);
    p.setTransform(to_widget_);
    paint_controls(
        p, frm_.controls(),
        [&board_area](const Control& c) { return !board_area.intersects(QRectF(paint_area(c))); },
        {marks});
    if (stop && focus_painted_.intersects(area)) paint_focus(p, *stop);
  }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  // The focus frame is for the keyboard; a click puts it away.
  if (show_focus_) {
    show_focus_ = false;
    update(focus_painted_);
  }
  // A second button while dragging changes nothing, nor does the mouse
  // while the keyboard carries a piece.
  if (drag_ != 0 || carried_ != 0) return;
  const QPointF pos = to_board(event->position());
  const Control* top = control_at(frm_.controls(), pos);
  if (top && is_piece(*top)) {
    drag_ = top->picture;
    const int k = drag_;
    dispatch_([this, k] { frm_.picture_mouse_down(k); });
  } else {
    tip_pressed_ = top && is_tip(*top);
    card_pressed_ = card_at(frm_.controls(), pos);
  }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  if (drag_ == 0) return;
  const Control* piece = piece_control(drag_);
  if (!piece) return;
  // The pointer in twips from the piece's current corner: the controller
  // moves the corner by this much, so the corner follows the pointer.
  const QPointF pos = to_board(event->position());
  const long x = to_twips(pos.x()) - piece->left;
  const long y = to_twips(pos.y()) - piece->top;
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
  if (card_pressed_ != 0) {
    // A click: pressed and released on the same card.
    const int nr = card_pressed_;
    card_pressed_ = 0;
    if (card_at(frm_.controls(), to_board(event->position())) == nr)
      dispatch_([this, nr] { frm_.card_click(nr); });
    return;
  }
  if (tip_pressed_) {
    tip_pressed_ = false;
    const Control* top = control_at(frm_.controls(), to_board(event->position()));
    if (top && is_tip(*top)) dispatch_([this] { frm_.show_statistics(); });
  }
}

// --- the keyboard -----------------------------------------------------------

const std::vector<ReaderItem>& BoardWidget::reader_items() const {
  if (reader_dirty_ || reader_language_ != frm_.state().language_code) {
    const MainState& s = frm_.state();
    // Each piece's place in the stock, which the cursor stands on when empty.
    const BoardReading::Homes homes = stock_homes(frm_);
    BoardReading reading{frm_.controls(), s.sn,  s.shape.field_count, {}, held_piece(),
                         s.language_code, &homes};
    for (int k = 1; k <= 16; ++k) {
      const Int p = s.tables.piece_of_picture[static_cast<std::size_t>(s.shape.range_code)]
                                             [static_cast<std::size_t>(k)];
      if (p > 0)
        reading.field_of[static_cast<std::size_t>(k)] = s.placement[static_cast<std::size_t>(p)];
    }
    reader_items_ = read_board(reading);
    reader_dirty_ = false;
    reader_language_ = s.language_code;
  }
  return reader_items_;
}

int BoardWidget::held_piece() const {
  const MainState& s = frm_.state();
  for (int k = 1; k <= 16; ++k)
    if (s.dragging[static_cast<std::size_t>(k)]) return k;
  return 0;
}

std::optional<std::pair<int, int>> BoardWidget::cursor_item() const {
  const std::optional<KeyStop> at = current_stop();
  if (!at || !show_focus_) return std::nullopt;
  switch (at->kind) {
    case KeyStop::Kind::Stock:
      // A piece in its place is the piece; an empty place tells itself.
      return std::pair{
          static_cast<int>(piece_at_stop(frm_, *at) == at->index ? ReaderItem::Kind::Piece
                                                                 : ReaderItem::Kind::StockPlace),
          at->index};
    case KeyStop::Kind::Field:
      return std::pair{static_cast<int>(ReaderItem::Kind::Field), at->index};
    case KeyStop::Kind::Card:
      return std::pair{static_cast<int>(ReaderItem::Kind::Card), at->index};
  }
  return std::nullopt;
}

std::vector<KeyStop> BoardWidget::stops() const { return key_stops(frm_, carried_); }

std::optional<KeyStop> BoardWidget::current_stop() const {
  const std::vector<KeyStop> stops = this->stops();
  if (stops.empty()) return std::nullopt;
  if (!cursor_) return stops.front();
  for (const KeyStop& s : stops)
    if (s.same_place(*cursor_)) return s;
  // Its stop is gone: the nearest one takes its place.
  const KeyStop* nearest = &stops.front();
  qreal best = -1;
  for (const KeyStop& s : stops) {
    const QPointF d = stop_rect(s).center() - stop_rect(*cursor_).center();
    const qreal dist = QPointF::dotProduct(d, d);
    if (best < 0 || dist < best) {
      best = dist;
      nearest = &s;
    }
  }
  return *nearest;
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
  // Keys with Ctrl, Alt or Meta are the menus' shortcuts; nothing happens by
  // keyboard while the mouse holds a piece.
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                             Qt::MetaModifier | Qt::ShiftModifier));
  if (drag_ != 0 || !plain) {
    QWidget::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
      step_cursor(Arrow::Left);
      break;
    case Qt::Key_Right:
      step_cursor(Arrow::Right);
      break;
    case Qt::Key_Up:
      step_cursor(Arrow::Up);
      break;
    case Qt::Key_Down:
      step_cursor(Arrow::Down);
      break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      pick_or_put();
      break;
    case Qt::Key_Escape:
      if (carried_ == 0) {
        QWidget::keyPressEvent(event);
        return;
      }
      put_back();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void BoardWidget::step_cursor(Arrow arrow) {
  const std::optional<KeyStop> here = current_stop();
  if (!here) return;
  // The first key only shows where the cursor stands.
  if (!show_focus_ || !cursor_ || !cursor_->same_place(*here)) {
    show_focus_ = true;
    move_cursor(*here);
    return;
  }
  // The grid says where the arrow leads; the cards only while nothing is
  // carried.
  const KeyStep to = step_from(frm_, *here, beside_, arrow, carried_);
  beside_ = to.beside;
  const KeyStop& next = to.stop;
  if (!next.same_place(*here)) move_cursor(next);
}

void BoardWidget::move_cursor(const KeyStop& stop) {
  cursor_ = stop;
  if (carried_ != 0) {
    // The carried piece moves as under the mouse: the controller moves its
    // corner by the distance to where it is to go.
    const Control* piece = piece_control(carried_);
    if (piece) {
      const Spot corner = drop_corner(frm_, carried_, stop);
      const long x = long{corner.left} - piece->left;
      const long y = long{corner.top} - piece->top;
      const int k = carried_;
      if (x != 0 || y != 0) dispatch_([this, k, x, y] { frm_.picture_mouse_move(k, x, y); });
    }
  }
  sync();
  emit cursor_moved();
}

void BoardWidget::pick_or_put() {
  const std::optional<KeyStop> here = current_stop();
  if (!here) return;
  show_focus_ = true;
  cursor_ = here;
  if (here->kind == KeyStop::Kind::Card) {
    // Space on a card ticks it off, or clears its mark, as a click does.
    const int nr = here->index;
    dispatch_([this, nr] { frm_.card_click(nr); });
    sync();
    emit cursor_moved();
    return;
  }
  if (carried_ != 0) {
    // Put down where the cursor stands: the release judges the field.
    const int k = carried_;
    carried_ = 0;
    carried_stop_.reset();
    dispatch_([this, k] { frm_.picture_mouse_up(k); });
    sync();
    emit cursor_moved();
    return;
  }
  const int k = piece_at_stop(frm_, *here);
  const Control* piece = k ? piece_control(k) : nullptr;
  if (!piece) return;
  const QPointF corner(piece->left, piece->top);
  dispatch_([this, k] { frm_.picture_mouse_down(k); });
  // A stopped game, or a box still open, lets no piece be picked up.
  if (!frm_.state().dragging[static_cast<std::size_t>(k)]) return;
  carried_ = k;
  carried_from_ = corner;
  carried_stop_ = here;
  sync();
  emit cursor_moved();
}

void BoardWidget::put_back() {
  const int k = carried_;
  const Control* piece = piece_control(k);
  if (piece) {
    // Back to the corner it was picked up at, then let go there: what a
    // click on the piece does.
    const long x = std::lround(carried_from_.x()) - piece->left;
    const long y = std::lround(carried_from_.y()) - piece->top;
    if (x != 0 || y != 0) dispatch_([this, k, x, y] { frm_.picture_mouse_move(k, x, y); });
  }
  if (carried_stop_) cursor_ = carried_stop_;
  carried_ = 0;
  carried_stop_.reset();
  dispatch_([this, k] { frm_.picture_mouse_up(k); });
  sync();
  emit cursor_moved();
}

bool BoardWidget::focus_shown() const { return show_focus_ && hasFocus(); }

QRect BoardWidget::focus_area(const std::optional<KeyStop>& stop) const {
  if (!stop || !focus_shown()) return QRect();
  return widget_area(
      stop_rect(*stop).adjusted(-kPaintMargin, -kPaintMargin, kPaintMargin, kPaintMargin));
}

void BoardWidget::paint_focus(QPainter& p, const KeyStop& stop) {
  // Two rings, dark outside and light inside, seen on any background.
  const QRectF r = stop_rect(stop).adjusted(-3, -3, 3, 3);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 20, 24), 2.5));
  p.drawRoundedRect(r, 6, 6);
  p.setPen(QPen(carried_ != 0 ? QColor(255, 214, 64) : QColor(255, 255, 255), 1.25));
  p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 4.5, 4.5);
  p.restore();
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  sync();
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  sync();
}

bool BoardWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QPointF pos = to_board(help->pos());
    const Control* c =
        control_at(frm_.controls(), pos, [](const Control& k) { return !k.tooltip.empty(); });
    // A tip only for the control really on top, not one hidden beneath it.
    const Control* top = control_at(frm_.controls(), pos);
    if (c && c == top)
      QToolTip::showText(help->globalPos(), QString::fromStdString(c->tooltip), this,
                         widget_area(control_pixel_rect(*c)));
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

}  // namespace zerdo
