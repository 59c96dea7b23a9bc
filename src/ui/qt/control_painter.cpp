#include "ui/qt/control_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QtMath>
#include <cmath>
#include <vector>

#include "ui/board_view.h"
#include "ui/qt/piece_painter.h"

namespace zerdo {

namespace {

// Frames draw their etched line this far below their top, leaving room for
// the caption that sits in the line.
constexpr qreal kFrameLineOffset = 6;

const QColor kEtchDark(140, 136, 128);
const QColor kEtchLight(255, 255, 255);
const QColor kText(28, 28, 30);
const QColor kCellColour(232, 228, 219);

QColor from_bgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QString caption_of(const Control& c) {
  return c.caption ? QString::fromStdString(*c.caption) : QString();
}

// An etched rectangle: a dark line with a light line just inside and below.
void etched_rect(QPainter& p, const QRectF& r) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kEtchLight, 1));
  p.drawRect(r.adjusted(1.5, 1.5, -0.5, -0.5));
  p.setPen(QPen(kEtchDark, 1));
  p.drawRect(r.adjusted(0.5, 0.5, -1.5, -1.5));
}

// A rectangle that is 1 px darker on the top/left than on the bottom/right.
void sunken_rect(QPainter& p, const QRectF& r, const QColor& fill) {
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRect(r);
  p.setPen(QPen(fill.darker(150), 1));
  p.drawLine(QPointF(r.left() + 0.5, r.bottom() - 0.5), QPointF(r.left() + 0.5, r.top() + 0.5));
  p.drawLine(QPointF(r.left() + 0.5, r.top() + 0.5), QPointF(r.right() - 0.5, r.top() + 0.5));
  p.setPen(QPen(fill.lighter(130), 1));
  p.drawLine(QPointF(r.right() - 0.5, r.top() + 1.5), QPointF(r.right() - 0.5, r.bottom() - 0.5));
  p.drawLine(QPointF(r.left() + 1.5, r.bottom() - 0.5), QPointF(r.right() - 0.5, r.bottom() - 0.5));
}

bool is_board_field(const Control& c) { return c.name == "spielfeld" && c.index >= 1; }
bool is_card(const Control& c) { return c.name == "Frame_1_0"; }
bool is_card_cell(const Control& c) {
  return c.name.rfind("Frame_1_", 0) == 0 && c.name != "Frame_1_0";
}

// Pictures, card sheets and board fields are drawn with gradients, shadows
// and clipped glosses, which costs far more than copying them: each look is
// drawn once per size and pixel ratio into a cached pixmap, which is then
// copied onto whole device pixels.
template <typename Draw>
void paint_cached(QPainter& p, const QRectF& r, const QString& look, Draw draw) {
  const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
  const QSize device_size(qCeil(r.width() * dpr), qCeil(r.height() * dpr));
  if (p.transform().type() > QTransform::TxTranslate || device_size.isEmpty()) {
    draw(p, r);
    return;
  }
  // The key names the look, its size (in 1/64 px) and the pixel ratio; it is
  // built for every control on every paint, so it is built cheaply.
  const QString key = look + QLatin1Char('_') + QString::number(qRound(r.width() * 64)) + QLatin1Char('x') +
                      QString::number(qRound(r.height() * 64)) + QLatin1Char('@') +
                      QString::number(qRound(dpr * 64));
  QPixmap pm;
  if (!QPixmapCache::find(key, &pm)) {
    pm = QPixmap(device_size);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter q(&pm);
    q.setRenderHints(p.renderHints());
    draw(q, QRectF(0, 0, r.width(), r.height()));
    q.end();
    QPixmapCache::insert(key, pm);
  }
  const QPointF at = p.transform().map(r.topLeft()) * dpr;
  const QPointF snapped(std::round(at.x()) / dpr, std::round(at.y()) / dpr);
  p.drawPixmap(p.transform().inverted().map(snapped), pm);
}

void paint_picture_cached(QPainter& p, const QRectF& r, int picture_id) {
  paint_cached(p, r, QStringLiteral("picture") + QString::number(picture_id),
               [picture_id](QPainter& q, const QRectF& at) { paint_picture(q, at, picture_id); });
}

// A clue card: a sheet of paper with its number on a tab.
void paint_card(QPainter& p, const QRectF& r, const QString& caption) {
  // The sheet's shadow reaches 2 px below and 1.5 px right of the frame.
  paint_cached(p, r.adjusted(0, 0, 2, 2), QStringLiteral("card"), [](QPainter& q, const QRectF& at) {
    const QRectF sheet = at.adjusted(0.5, kFrameLineOffset + 0.5, -3.5, -3.5);
    q.setPen(Qt::NoPen);
    q.setBrush(QColor(0, 0, 0, 32));
    q.drawRoundedRect(sheet.translated(1.5, 2), 5, 5);
    QLinearGradient paper(sheet.topLeft(), sheet.bottomRight());
    paper.setColorAt(0, QColor(252, 250, 245));
    paper.setColorAt(1, QColor(238, 234, 225));
    q.setBrush(paper);
    q.setPen(QPen(QColor(158, 152, 140), 1));
    q.drawRoundedRect(sheet, 5, 5);
  });
  if (caption.isEmpty()) return;
  // The caption font, white on the dark tab: a bold face would be one more
  // font to load before the first paint.
  const QFont f = caption_font();
  p.setFont(f);
  const QFontMetricsF fm(f);
  const qreal h = fm.height() + 2;
  const QRectF tab(r.left() + 8, r.top() + kFrameLineOffset - h / 2, qMax(h, fm.horizontalAdvance(caption) + 10), h);
  p.setBrush(QColor(92, 86, 78));
  p.setPen(QPen(QColor(70, 64, 58), 1));
  p.drawRoundedRect(tab.adjusted(0.5, 0.5, -0.5, -0.5), h / 2 - 1, h / 2 - 1);
  p.setPen(Qt::white);
  p.drawText(tab, Qt::AlignCenter, caption);
}

void paint_frame(QPainter& p, const Control& c) {
  const QRectF r = control_pixel_rect(c);
  const QColor back = control_back_colour(c);
  if (!is_card_cell(c) && !is_card(c)) {
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRect(r);
  }
  const bool border = c.border.value_or(1) != 0;
  const QRectF body = r.adjusted(0, kFrameLineOffset, 0, 0);

  if (c.name == "FrameTip") {
    // The tip frame is a small clickable plate.
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 246, 196));
    g.setColorAt(1, QColor(240, 212, 120));
    p.setBrush(g);
    p.setPen(QPen(QColor(170, 140, 60), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setPen(kText);
    p.setFont(caption_font());
    p.drawText(r, Qt::AlignCenter, caption_of(c));
    return;
  }
  if (is_card_cell(c)) {
    // A cell of a card's small board; without border the piece is not there
    // and the cell is only the card's paper.
    if (border)
      paint_cached(p, body.adjusted(1, 0, -1, -1), QStringLiteral("cell"),
                   [](QPainter& q, const QRectF& at) { sunken_rect(q, at, kCellColour); });
    return;
  }
  if (is_card(c)) {
    paint_card(p, r, caption_of(c));
    return;
  }
  if (is_board_field(c)) {
    if (border)
      paint_cached(p, body, QStringLiteral("field") + QString::number(back.rgb()), [back](QPainter& q, const QRectF& at) {
        QLinearGradient g(at.topLeft(), at.bottomRight());
        g.setColorAt(0, back.darker(106));
        g.setColorAt(1, back.lighter(104));
        q.setPen(Qt::NoPen);
        q.setBrush(g);
        q.drawRoundedRect(at.adjusted(1, 1, -1, -1), 3, 3);
        q.setPen(QPen(back.darker(135), 1));
        q.setBrush(Qt::NoBrush);
        q.drawRoundedRect(at.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
      });
  } else if (border) {
    etched_rect(p, body);
  }
  const QString caption = caption_of(c);
  if (caption.isEmpty()) return;
  // A field of the solution window with a caption holds a wrong piece.
  const bool wrong = c.name == "Frame1";
  if (wrong) {
    p.setPen(QPen(QColor(200, 40, 40), 1.5));
    p.setBrush(QColor(220, 60, 60, 28));
    p.drawRect(body.adjusted(0.75, 0.75, -0.75, -0.75));
  }
  p.setFont(caption_font());
  const QFontMetricsF fm(p.font());
  const qreal text_w = fm.horizontalAdvance(caption);
  const QRectF text_r(r.left() + 8, r.top() + kFrameLineOffset - fm.height() / 2, text_w + 6,
                      fm.height());
  p.setPen(Qt::NoPen);
  p.setBrush(back);
  p.drawRect(text_r);
  p.setPen(wrong ? QColor(180, 20, 20) : kText);
  p.drawText(text_r, Qt::AlignCenter, caption);
}

void paint_piece_highlight(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(r.translated(3, 4), 8, 8);
  p.setBrush(QColor(255, 236, 140, 150));
  p.setPen(QPen(QColor(226, 170, 30), 1.5));
  p.drawRoundedRect(r.adjusted(0.75, 0.75, -0.75, -0.75), 8, 8);
  p.restore();
}

void paint_text_box(QPainter& p, const Control& c) {
  const QRectF r = control_pixel_rect(c);
  if (c.picture > 0) {
    paint_picture_cached(p, r, c.picture);
  } else if (c.name == "Text_grau") {
    // The must-field box: a grey plate sunk into the cell.
    sunken_rect(p, r, QColor(168, 166, 162));
  } else {
    sunken_rect(p, r, Qt::white);
    p.setPen(kText);
    p.setFont(caption_font());
    p.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, caption_of(c));
  }
}

void paint_label(QPainter& p, const Control& c) {
  const QRectF r = control_rect(c);
  QFont f = caption_font();
  if (c.name == "lblTitle") {
    f.setPixelSize(22);
    f.setBold(true);
  }
  p.setFont(f);
  p.setPen(kText);
  p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption_of(c));
}

}  // namespace

QRectF control_rect(const Control& c) {
  return QRectF(c.left / kTwipsPerPixel, c.top / kTwipsPerPixel, c.width / kTwipsPerPixel,
                c.height / kTwipsPerPixel);
}

QRectF control_pixel_rect(const Control& c) {
  const qreal left = qRound(c.left / kTwipsPerPixel), top = qRound(c.top / kTwipsPerPixel);
  const qreal right = qRound((c.left + c.width) / kTwipsPerPixel);
  const qreal bottom = qRound((c.top + c.height) / kTwipsPerPixel);
  return QRectF(left, top, right - left, bottom - top);
}

QColor control_back_colour(const Control& c) {
  return from_bgr(c.back_colour != 0 ? c.back_colour : kWindowColour);
}

QFont caption_font() {
  QFont f;
  f.setPixelSize(12);
  return f;
}

void paint_controls(QPainter& p, const ControlSet& set,
                    const std::function<bool(const Control&)>& skip) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // A piece held by the mouse (it has a border while dragged) floats above
  // everything else, so it comes last.
  const auto held = [](const Control& c) {
    return c.kind == ControlKind::Picture && c.border.value_or(0) != 0;
  };
  std::vector<const Control*> order;
  order.reserve(set.size());
  for (const Control& c : set.all())
    if (!held(c)) order.push_back(&c);
  for (const Control& c : set.all())
    if (held(c)) order.push_back(&c);
  for (const Control* cp : order) {
    const Control& c = *cp;
    if (!c.visible || c.width <= 0 || c.height <= 0) continue;
    if (skip && skip(c)) continue;
    switch (c.kind) {
      case ControlKind::Frame:
        paint_frame(p, c);
        break;
      case ControlKind::Picture:
        if (c.border.value_or(0) != 0) paint_piece_highlight(p, control_rect(c));
        if (c.picture > 0)
          paint_picture_cached(p, control_rect(c), c.picture);
        else
          paint_program_icon(p, control_rect(c));
        break;
      case ControlKind::TextBox:
        paint_text_box(p, c);
        break;
      case ControlKind::Label:
        paint_label(p, c);
        break;
      case ControlKind::Button:
        break;  // buttons are real widgets
    }
  }
  p.restore();
}

const Control* control_at(const ControlSet& set, const QPointF& point,
                          const std::function<bool(const Control&)>& accepts) {
  const auto& all = set.all();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    if (!it->visible || it->width <= 0 || it->height <= 0) continue;
    if (!control_rect(*it).contains(point)) continue;
    if (!accepts || accepts(*it)) return &*it;
  }
  return nullptr;
}

}  // namespace zerdo
