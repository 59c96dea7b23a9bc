#include "drawing/drawing.h"

#include <algorithm>
#include <cmath>

namespace zerdo::drawing {

namespace {

// The distance of a cubic's control points from the ends of a quarter
// circle of radius 1.
constexpr double kKappa = 0.5522847498;

struct Hsv {
  int h, s, v;  // h -1 for grey
};

Hsv to_hsv(Colour c) {
  const int mx = std::max({c.r, c.g, c.b}), mn = std::min({c.r, c.g, c.b});
  const int delta = mx - mn;
  Hsv out{-1, mx == 0 ? 0 : (255 * delta + mx / 2) / mx, mx};
  if (delta == 0) return out;
  double h = 0;
  if (mx == c.r)
    h = 60.0 * (c.g - c.b) / delta;
  else if (mx == c.g)
    h = 60.0 * (c.b - c.r) / delta + 120;
  else
    h = 60.0 * (c.r - c.g) / delta + 240;
  if (h < 0) h += 360;
  out.h = static_cast<int>(std::lround(h)) % 360;
  return out;
}

Colour from_hsv(Hsv hsv, int alpha) {
  if (hsv.h < 0 || hsv.s == 0) return {hsv.v, hsv.v, hsv.v, alpha};
  const double s = hsv.s / 255.0, v = hsv.v / 255.0;
  const double h = hsv.h / 60.0;
  const int i = static_cast<int>(std::floor(h)) % 6;
  const double f = h - std::floor(h);
  const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  double r = 0, g = 0, b = 0;
  switch (i) {
    case 0:
      r = v, g = t, b = p;
      break;
    case 1:
      r = q, g = v, b = p;
      break;
    case 2:
      r = p, g = v, b = t;
      break;
    case 3:
      r = p, g = q, b = v;
      break;
    case 4:
      r = t, g = p, b = v;
      break;
    default:
      r = v, g = p, b = q;
      break;
  }
  auto byte = [](double x) { return static_cast<int>(std::lround(x * 255)); };
  return {byte(r), byte(g), byte(b), alpha};
}

}  // namespace

Colour lighter(Colour c, int factor) {
  if (factor <= 0) return c;
  if (factor < 100) return darker(c, 10000 / factor);
  Hsv hsv = to_hsv(c);
  int v = hsv.v * factor / 100;
  if (v > 255) {
    // Past full brightness the colour goes towards white instead.
    hsv.s = std::max(0, hsv.s - (v - 255));
    v = 255;
  }
  hsv.v = v;
  return from_hsv(hsv, c.a);
}

Colour darker(Colour c, int factor) {
  if (factor <= 0) return c;
  if (factor < 100) return lighter(c, 10000 / factor);
  Hsv hsv = to_hsv(c);
  hsv.v = hsv.v * 100 / factor;
  return from_hsv(hsv, c.a);
}

void Path::add_rect(const Rect& r) {
  move_to({r.x, r.y});
  line_to({r.right(), r.y});
  line_to({r.right(), r.bottom()});
  line_to({r.x, r.bottom()});
  close();
}

void Path::add_ellipse(Point c, double rx, double ry) {
  const double kx = rx * kKappa, ky = ry * kKappa;
  move_to({c.x + rx, c.y});
  cubic_to({c.x + rx, c.y + ky}, {c.x + kx, c.y + ry}, {c.x, c.y + ry});
  cubic_to({c.x - kx, c.y + ry}, {c.x - rx, c.y + ky}, {c.x - rx, c.y});
  cubic_to({c.x - rx, c.y - ky}, {c.x - kx, c.y - ry}, {c.x, c.y - ry});
  cubic_to({c.x + kx, c.y - ry}, {c.x + rx, c.y - ky}, {c.x + rx, c.y});
  close();
}

void Path::add_rounded_rect(const Rect& r, double radius) {
  add_rounded_polygon({{r.x, r.y}, {r.right(), r.y}, {r.right(), r.bottom()}, {r.x, r.bottom()}},
                      {radius, radius, radius, radius});
}

void Path::add_rounded_polygon(const std::vector<Point>& corners,
                               const std::vector<double>& radius) {
  const std::size_t n = corners.size();
  if (n < 3) return;
  auto unit = [](Point from, Point to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double len = std::hypot(dx, dy);
    return len > 0 ? Point{dx / len, dy / len} : Point{0, 0};
  };
  for (std::size_t i = 0; i < n; ++i) {
    const Point v = corners[i];
    const Point prev = corners[(i + n - 1) % n], next = corners[(i + 1) % n];
    const double r = i < radius.size() ? radius[i] : 0;
    const Point din = unit(prev, v), dout = unit(v, next);
    const Point a{v.x - r * din.x, v.y - r * din.y};
    const Point b{v.x + r * dout.x, v.y + r * dout.y};
    if (i == 0)
      move_to(a);
    else
      line_to(a);
    if (r > 0)
      cubic_to({a.x + kKappa * r * din.x, a.y + kKappa * r * din.y},
               {b.x - kKappa * r * dout.x, b.y - kKappa * r * dout.y}, b);
  }
  close();
}

void Path::append(const Path& other) {
  segments_.insert(segments_.end(), other.segments_.begin(), other.segments_.end());
}

Path Path::translated(double dx, double dy) const {
  Path out = *this;
  for (Segment& s : out.segments_)
    for (Point& p : s.p) p = {p.x + dx, p.y + dy};
  return out;
}

Rect Path::bounds() const {
  bool any = false;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  for (const Segment& s : segments_) {
    const int points = s.verb == Verb::Cubic ? 3 : s.verb == Verb::Close ? 0 : 1;
    for (int i = 0; i < points; ++i) {
      const Point p = s.p[i];
      if (!any) {
        x0 = x1 = p.x, y0 = y1 = p.y;
        any = true;
      }
      x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
      y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
  }
  return {x0, y0, x1 - x0, y1 - y0};
}

Fill plain(Colour c) { return Fill{c, false, {}, {}, {}}; }

Fill linear(Point from, Point to, std::vector<GradientStop> stops) {
  return Fill{{}, true, from, to, std::move(stops)};
}

void Drawing::fill(Path path, Fill fill) {
  Op op;
  op.kind = Op::Kind::Fill;
  op.path = std::move(path);
  op.fill = std::move(fill);
  ops_.push_back(std::move(op));
}

void Drawing::fill_rect(const Rect& r, Colour c) {
  Path p;
  p.add_rect(r);
  fill(std::move(p), plain(c));
}

void Drawing::stroke(Path path, Stroke stroke) {
  Op op;
  op.kind = Op::Kind::Stroke;
  op.path = std::move(path);
  op.stroke = stroke;
  ops_.push_back(std::move(op));
}

void Drawing::clip(Path path) {
  Op op;
  op.kind = Op::Kind::Clip;
  op.path = std::move(path);
  ops_.push_back(std::move(op));
}

void Drawing::save() {
  Op op;
  op.kind = Op::Kind::Save;
  ops_.push_back(std::move(op));
}

void Drawing::restore() {
  Op op;
  op.kind = Op::Kind::Restore;
  ops_.push_back(std::move(op));
}

void Drawing::text(Text t) {
  Op op;
  op.kind = Op::Kind::Text;
  op.text = std::move(t);
  ops_.push_back(std::move(op));
}

void Drawing::append(const Drawing& other) {
  ops_.insert(ops_.end(), other.ops_.begin(), other.ops_.end());
}

}  // namespace zerdo::drawing
