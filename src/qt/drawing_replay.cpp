#include "qt/drawing_replay.h"

#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zerdo {

namespace {

QColor colour(const drawing::Colour& c) { return QColor(c.r, c.g, c.b, c.a); }

QPainterPath path_of(const drawing::Path& in) {
  QPainterPath out;
  for (const auto& s : in.segments()) {
    switch (s.verb) {
      case drawing::Path::Verb::Move:
        out.moveTo(s.p[0].x, s.p[0].y);
        break;
      case drawing::Path::Verb::Line:
        out.lineTo(s.p[0].x, s.p[0].y);
        break;
      case drawing::Path::Verb::Cubic:
        out.cubicTo(s.p[0].x, s.p[0].y, s.p[1].x, s.p[1].y, s.p[2].x, s.p[2].y);
        break;
      case drawing::Path::Verb::Close:
        out.closeSubpath();
        break;
    }
  }
  out.setFillRule(Qt::WindingFill);
  return out;
}

bool fades(const drawing::Fill& f) {
  return f.gradient && std::any_of(f.stops.begin(), f.stops.end(),
                                   [](const drawing::GradientStop& s) { return s.colour.a < 255; });
}

// The gradient's colour at t (0..1 along it).
drawing::Colour colour_at(const drawing::Fill& f, double t) {
  const auto& s = f.stops;
  if (s.empty()) return {};
  if (t <= s.front().at) return s.front().colour;
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (t > s[i].at) continue;
    const double u = (t - s[i - 1].at) / std::max(1e-9, s[i].at - s[i - 1].at);
    auto mix = [u](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * u)); };
    const drawing::Colour a = s[i - 1].colour, b = s[i].colour;
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b), mix(a.a, b.a)};
  }
  return s.back().colour;
}

// A fading gradient on paper: bands across its axis, each of one colour.
void fill_in_bands(QPainter& p, const QPainterPath& path, const drawing::Fill& f) {
  constexpr int kBands = 16;
  const QPointF from(f.from.x, f.from.y), to(f.to.x, f.to.y);
  const QPointF axis = to - from;
  const qreal length = std::hypot(axis.x(), axis.y());
  if (length <= 0) return;
  p.save();
  p.setClipPath(path, Qt::IntersectClip);
  p.translate(from);
  p.rotate(std::atan2(axis.y(), axis.x()) * 180 / M_PI - 90);
  const QRectF b = path.boundingRect();
  const qreal reach = std::hypot(b.width(), b.height()) * 2;
  const qreal band = length / kBands;
  p.setPen(Qt::NoPen);
  for (int i = 0; i < kBands; ++i) {
    p.setBrush(colour(colour_at(f, (i + 0.5) / kBands)));
    p.drawRect(QRectF(-reach, i * band, 2 * reach, band));
  }
  p.restore();
}

}  // namespace

void replay(QPainter& p, const drawing::Drawing& d) {
  const bool paper = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Pdf;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  for (const drawing::Op& op : d.ops()) {
    switch (op.kind) {
      case drawing::Op::Kind::Fill: {
        const QPainterPath path = path_of(op.path);
        if (paper && fades(op.fill)) {
          fill_in_bands(p, path, op.fill);
          break;
        }
        p.setPen(Qt::NoPen);
        if (op.fill.gradient) {
          QLinearGradient g(QPointF(op.fill.from.x, op.fill.from.y),
                            QPointF(op.fill.to.x, op.fill.to.y));
          for (const auto& s : op.fill.stops) g.setColorAt(s.at, colour(s.colour));
          p.setBrush(g);
        } else {
          p.setBrush(colour(op.fill.colour));
        }
        p.drawPath(path);
        break;
      }
      case drawing::Op::Kind::Stroke:
        p.setBrush(Qt::NoBrush);
        p.setPen(op.stroke.round ? QPen(colour(op.stroke.colour), op.stroke.width, Qt::SolidLine,
                                        Qt::RoundCap, Qt::RoundJoin)
                                 : QPen(colour(op.stroke.colour), op.stroke.width));
        p.drawPath(path_of(op.path));
        break;
      case drawing::Op::Kind::Clip:
        p.setClipPath(path_of(op.path), Qt::IntersectClip);
        break;
      case drawing::Op::Kind::Save:
        p.save();
        break;
      case drawing::Op::Kind::Restore:
        p.restore();
        break;
      case drawing::Op::Kind::Text: {
        const drawing::Text& t = op.text;
        QFont f = p.font();
        f.setPixelSize(static_cast<int>(std::lround(t.size)));
        f.setBold(t.bold);
        p.setFont(f);
        p.setPen(colour(t.colour));
        const QRectF box(t.box.x, t.box.y, t.box.w, t.box.h);
        // Centred text wraps only where it is wider than its box (a chart's
        // word that it has no figures yet), its lines about the middle.
        const int flags = t.align == drawing::TextAlign::Centre
                              ? static_cast<int>(Qt::AlignCenter | Qt::TextWordWrap)
                              : static_cast<int>(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        p.drawText(box, flags, QString::fromStdString(t.text));
        break;
      }
    }
  }
  p.restore();
}

}  // namespace zerdo
