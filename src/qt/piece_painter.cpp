#include "qt/piece_painter.h"

#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "model/pictures.h"

namespace zerdo {

namespace {

constexpr int kShapeTriangle = 1, kShapeCircle = 2, kShapeSquare = 3, kShapePlus = 4;
constexpr int kColourLila = 1, kColourRood = 2, kColourVert = 3, kColourBlau = 4;

// The outline of shape code 1..4 (drei, rund, vier, plus) filling rect.
QPainterPath shape_path(int shape, const QRectF& r) {
  QPainterPath path;
  const qreal s = qMin(r.width(), r.height());
  const QPointF c = r.center();
  switch (shape) {
    case kShapeTriangle: {
      // Equilateral, resting on its base, centred by its bounding box.
      const qreal w = s * 0.92, h = w * 0.866;
      const qreal top = c.y() - h / 2 + s * 0.02;
      path.moveTo(c.x(), top);
      path.lineTo(c.x() + w / 2, top + h);
      path.lineTo(c.x() - w / 2, top + h);
      path.closeSubpath();
      break;
    }
    case kShapeCircle:
      path.addEllipse(c, s * 0.44, s * 0.44);
      break;
    case kShapeSquare: {
      const qreal half = s * 0.39;
      path.addRoundedRect(QRectF(c.x() - half, c.y() - half, 2 * half, 2 * half), s * 0.05,
                          s * 0.05);
      break;
    }
    case kShapePlus: {
      const qreal arm = s * 0.45, thick = s * 0.17;
      QPainterPath h, v;
      h.addRoundedRect(QRectF(c.x() - arm, c.y() - thick, 2 * arm, 2 * thick), s * 0.04, s * 0.04);
      v.addRoundedRect(QRectF(c.x() - thick, c.y() - arm, 2 * thick, 2 * arm), s * 0.04, s * 0.04);
      path = h.united(v);
      break;
    }
    default:
      break;
  }
  return path;
}

// An irregular splash: a wobbly blob with a few drops around it.
QPainterPath blot_path(const QRectF& r, int seed) {
  const qreal s = qMin(r.width(), r.height());
  const QPointF c = r.center();
  QPainterPath path;
  constexpr int kSteps = 72;
  for (int i = 0; i <= kSteps; ++i) {
    const qreal t = 2 * M_PI * i / kSteps;
    const qreal wobble = 1 + 0.13 * qSin(5 * t + seed) + 0.08 * qSin(3 * t + 2 * seed) +
                         0.05 * qSin(9 * t + seed * 0.5);
    const QPointF pt(c.x() + s * 0.33 * wobble * qCos(t), c.y() + s * 0.31 * wobble * qSin(t));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  path.closeSubpath();
  const struct {
    qreal angle, dist, radius;
  } drops[] = {{0.7, 0.44, 0.055}, {2.6, 0.45, 0.045}, {4.3, 0.43, 0.06}, {5.5, 0.46, 0.035}};
  for (const auto& d : drops) {
    const qreal a = d.angle + seed * 0.4;
    path.addEllipse(QPointF(c.x() + s * d.dist * qCos(a), c.y() + s * d.dist * qSin(a)),
                    s * d.radius, s * d.radius);
  }
  return path.simplified();
}

// Fills path with a lit gradient of base, a darker outline and a soft shadow.
void paint_solid(QPainter& p, const QPainterPath& path, const QColor& base, qreal size) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 45));
  p.drawPath(path.translated(size * 0.025, size * 0.04));

  const QRectF b = path.boundingRect();
  QLinearGradient fill(b.topLeft(), b.bottomRight());
  fill.setColorAt(0.0, base.lighter(140));
  fill.setColorAt(0.45, base);
  fill.setColorAt(1.0, base.darker(130));
  p.setBrush(fill);
  p.setPen(QPen(base.darker(170), qMax<qreal>(0.6, size * 0.03), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin));
  p.drawPath(path);

  // A gentle gloss over the upper half: the gradient is clear from the middle
  // down, so the whole shape takes it (cheaper than clipping to the shape).
  p.setPen(Qt::NoPen);
  if (p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Pdf) {
    // On paper (PDF and printer) a gradient that fades out is drawn opaque
    // by common readers, and would whiten the whole shape; the gloss is laid
    // in thin bands of even transparency instead.
    constexpr int kBands = 16;
    const qreal band = b.height() / 2 / kBands;
    p.setClipPath(path, Qt::IntersectClip);
    for (int i = 0; i < kBands; ++i) {
      p.setBrush(QColor(255, 255, 255, qRound(90 * (1 - (i + 0.5) / kBands))));
      p.drawRect(QRectF(b.left(), b.top() + i * band, b.width(), band));
    }
  } else {
    QLinearGradient gloss(b.topLeft(), QPointF(b.left(), b.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawPath(path);
  }
  p.restore();
}

// Lays the pattern of colour over path (drawn by paint_solid) and draws its
// outline once more above the pattern's edges.
void paint_mark(QPainter& p, const QPainterPath& path, int colour, const QRectF& rect, qreal size) {
  const QPainterPath mark = colour_mark_path(colour, rect).intersected(path);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 215));
  p.drawPath(mark);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(piece_colour(colour).darker(170), qMax<qreal>(0.6, size * 0.03), Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.restore();
}

void paint_cross(QPainter& p, const QRectF& r) {
  const qreal s = qMin(r.width(), r.height());
  const qreal m = s * 0.2;
  const QRectF in =
      QRectF(r.center().x() - s / 2, r.center().y() - s / 2, s, s).adjusted(m, m, -m, -m);
  p.save();
  p.setPen(QPen(QColor(255, 255, 255, 120), s * 0.16, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(in.topLeft() + QPointF(0.5, 0.7), in.bottomRight() + QPointF(0.5, 0.7));
  p.drawLine(in.topRight() + QPointF(0.5, 0.7), in.bottomLeft() + QPointF(0.5, 0.7));
  p.setPen(QPen(QColor(60, 56, 52), s * 0.12, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(in.topLeft(), in.bottomRight());
  p.drawLine(in.topRight(), in.bottomLeft());
  p.restore();
}

}  // namespace

QColor piece_colour(int colour_code) {
  switch (colour_code) {
    case 1:
      return QColor(146, 64, 182);  // lila
    case 2:
      return QColor(218, 44, 44);  // rood
    case 3:
      return QColor(34, 156, 70);  // vert
    case 4:
      return QColor(36, 100, 214);  // blau
    default:
      return QColor(38, 38, 40);  // the black shapes
  }
}

QPainterPath colour_mark_path(int colour_code, const QRectF& rect) {
  const qreal s = qMin(rect.width(), rect.height());
  const QRectF sq(rect.center().x() - s / 2, rect.center().y() - s / 2, s, s);
  // Five periods across the picture: at card size a stripe is still two
  // pixels wide, and the gap between stripes wider still.
  const qreal period = s / 5, stripe = period * 0.42;
  QPainterPath mark;
  switch (colour_code) {
    case kColourLila:
      for (qreal x = sq.left() + (period - stripe) / 2; x < sq.right(); x += period)
        mark.addRect(QRectF(x, sq.top(), stripe, s));
      break;
    case kColourRood:
      for (qreal y = sq.top() + (period - stripe) / 2; y < sq.bottom(); y += period)
        mark.addRect(QRectF(sq.left(), y, s, stripe));
      break;
    case kColourVert: {
      // Dots on the grid of the stripes' gaps, so that they fall where
      // either kind of straight stripe leaves the colour bare.
      const qreal r = period * 0.32;
      for (qreal y = sq.top(); y <= sq.bottom(); y += period)
        for (qreal x = sq.left(); x <= sq.right(); x += period)
          mark.addEllipse(QPointF(x, y), r, r);
      break;
    }
    case kColourBlau: {
      // Stripes rising to the right, as far apart as the straight ones.
      const qreal step = period * M_SQRT2, w = stripe * M_SQRT2;
      for (qreal x = sq.left() - s; x < sq.right(); x += step) {
        QPolygonF band;
        band << QPointF(x, sq.bottom()) << QPointF(x + w, sq.bottom())
             << QPointF(x + w + s, sq.top()) << QPointF(x + s, sq.top());
        mark.addPolygon(band);
        mark.closeSubpath();
      }
      break;
    }
    default:
      break;
  }
  return mark;
}

void paint_picture(QPainter& p, const QRectF& rect, int picture_id, bool colour_marks) {
  if (picture_id < 1 || picture_id > kPictureIds) return;
  const PictureInfo& info = kPictures[static_cast<std::size_t>(picture_id)];
  const qreal size = qMin(rect.width(), rect.height());
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (picture_id == kCrossId) {
    paint_cross(p, rect);
  } else {
    // The pieces keep a small margin so neighbours never touch.
    const qreal m = size * 0.06;
    const QPainterPath path = info.shape == 0 ? blot_path(rect, picture_id)
                                              : shape_path(info.shape, rect.adjusted(m, m, -m, -m));
    paint_solid(p, path, piece_colour(info.colour), size);
    if (colour_marks && info.colour != 0) paint_mark(p, path, info.colour, rect, size);
  }
  p.restore();
}

void paint_program_icon(QPainter& p, const QRectF& rect) {
  const qreal s = qMin(rect.width(), rect.height());
  const QRectF r(rect.center().x() - s / 2, rect.center().y() - s / 2, s, s);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient bg(r.topLeft(), r.bottomRight());
  bg.setColorAt(0, QColor(250, 247, 240));
  bg.setColorAt(1, QColor(214, 208, 196));
  p.setBrush(bg);
  p.setPen(QPen(QColor(120, 114, 104), qMax<qreal>(1.0, s * 0.03)));
  p.drawRoundedRect(r.adjusted(s * 0.02, s * 0.02, -s * 0.02, -s * 0.02), s * 0.12, s * 0.12);
  const int ids[4] = {2, 16, 9, 10};  // red triangle, blue circle, green square, purple plus
  const qreal half = s * 0.44, pad = s * 0.06;
  for (int i = 0; i < 4; ++i) {
    const QRectF cell(r.left() + pad + (i % 2) * half, r.top() + pad + (i / 2) * half, half, half);
    paint_picture(p, cell, ids[i]);
  }
  p.restore();
}

}  // namespace zerdo
