#include "drawing/looks.h"

#include <algorithm>
#include <cmath>

#include "model/pictures.h"

namespace zerdo::drawing {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kShapeTriangle = 1, kShapeCircle = 2, kShapeSquare = 3, kShapePlus = 4;
constexpr int kColourLila = 1, kColourRood = 2, kColourVert = 3, kColourBlau = 4;
constexpr Colour kWhite{255, 255, 255};

Colour with_alpha(Colour c, int a) { return {c.r, c.g, c.b, a}; }

// The outline of shape code 1..4 (drei, rund, vier, plus) filling r.
Path shape_path(int shape, const Rect& r) {
  Path path;
  const double s = std::min(r.w, r.h);
  const Point c = r.centre();
  switch (shape) {
    case kShapeTriangle: {
      // Equilateral, resting on its base, centred by its bounding box.
      const double w = s * 0.92, h = w * 0.866;
      const double top = c.y - h / 2 + s * 0.02;
      path.move_to({c.x, top});
      path.line_to({c.x + w / 2, top + h});
      path.line_to({c.x - w / 2, top + h});
      path.close();
      break;
    }
    case kShapeCircle:
      path.add_ellipse(c, s * 0.44, s * 0.44);
      break;
    case kShapeSquare: {
      const double half = s * 0.39;
      path.add_rounded_rect({c.x - half, c.y - half, 2 * half, 2 * half}, s * 0.05);
      break;
    }
    case kShapePlus: {
      // The outline of two crossed bars: rounded at the arms' ends, sharp
      // where the arms meet.
      const double a = s * 0.45, t = s * 0.17, q = s * 0.04;
      path.add_rounded_polygon({{c.x - t, c.y - a},
                                {c.x + t, c.y - a},
                                {c.x + t, c.y - t},
                                {c.x + a, c.y - t},
                                {c.x + a, c.y + t},
                                {c.x + t, c.y + t},
                                {c.x + t, c.y + a},
                                {c.x - t, c.y + a},
                                {c.x - t, c.y + t},
                                {c.x - a, c.y + t},
                                {c.x - a, c.y - t},
                                {c.x - t, c.y - t}},
                               {q, q, 0, q, q, 0, q, q, 0, q, q, 0});
      break;
    }
    default:
      break;
  }
  return path;
}

// An irregular splash: a wobbly blob with a few drops around it.
Path blot_path(const Rect& r, int seed) {
  const double s = std::min(r.w, r.h);
  const Point c = r.centre();
  Path path;
  constexpr int kSteps = 72;
  for (int i = 0; i < kSteps; ++i) {
    const double t = 2 * kPi * i / kSteps;
    const double wobble = 1 + 0.13 * std::sin(5 * t + seed) + 0.08 * std::sin(3 * t + 2 * seed) +
                          0.05 * std::sin(9 * t + seed * 0.5);
    const Point pt{c.x + s * 0.33 * wobble * std::cos(t), c.y + s * 0.31 * wobble * std::sin(t)};
    if (i == 0)
      path.move_to(pt);
    else
      path.line_to(pt);
  }
  path.close();
  const struct {
    double angle, dist, radius;
  } drops[] = {{0.7, 0.44, 0.055}, {2.6, 0.45, 0.045}, {4.3, 0.43, 0.06}, {5.5, 0.46, 0.035}};
  for (const auto& d : drops) {
    const double a = d.angle + seed * 0.4;
    path.add_ellipse({c.x + s * d.dist * std::cos(a), c.y + s * d.dist * std::sin(a)}, s * d.radius,
                     s * d.radius);
  }
  return path;
}

// The pattern of colour code 1..4 over the square of the picture centred in
// rect, as the area of the light strokes laid over the colour: lila vertical
// stripes, rood horizontal stripes, vert dots, blau rising diagonal stripes.
Path colour_mark_path(int colour_code, const Rect& rect) {
  const double s = std::min(rect.w, rect.h);
  const Rect sq{rect.centre().x - s / 2, rect.centre().y - s / 2, s, s};
  // Five periods across the picture: at card size a stripe is still two
  // pixels wide, and the gap between stripes wider still.
  const double period = s / 5, stripe = period * 0.42;
  Path mark;
  switch (colour_code) {
    case kColourLila:
      for (double x = sq.x + (period - stripe) / 2; x < sq.right(); x += period)
        mark.add_rect({x, sq.y, stripe, s});
      break;
    case kColourRood:
      for (double y = sq.y + (period - stripe) / 2; y < sq.bottom(); y += period)
        mark.add_rect({sq.x, y, s, stripe});
      break;
    case kColourVert: {
      const double r = period * 0.32;
      for (double y = sq.y; y <= sq.bottom(); y += period)
        for (double x = sq.x; x <= sq.right(); x += period) mark.add_ellipse({x, y}, r, r);
      break;
    }
    case kColourBlau: {
      const double step = period * std::sqrt(2.0), w = stripe * std::sqrt(2.0);
      for (double x = sq.x - s; x < sq.right(); x += step) {
        mark.move_to({x, sq.bottom()});
        mark.line_to({x + w, sq.bottom()});
        mark.line_to({x + w + s, sq.y});
        mark.line_to({x + s, sq.y});
        mark.close();
      }
      break;
    }
    default:
      break;
  }
  return mark;
}

// Fills path with a lit gradient of base, a darker outline, a soft shadow
// and a gentle gloss over its upper half.
void solid(Drawing& d, const Path& path, Colour base, double size) {
  d.fill(path.translated(size * 0.025, size * 0.04), plain({0, 0, 0, 45}));
  const Rect b = path.bounds();
  d.fill(path, linear({b.x, b.y}, {b.right(), b.bottom()},
                      {{0.0, lighter(base, 140)}, {0.45, base}, {1.0, darker(base, 130)}}));
  d.stroke(path, Stroke{darker(base, 170), std::max(0.6, size * 0.03), true});
  d.fill(path, linear({b.x, b.y}, {b.x, b.centre().y},
                      {{0.0, with_alpha(kWhite, 90)}, {1.0, with_alpha(kWhite, 0)}}));
}

void mark(Drawing& d, const Path& path, int colour, const Rect& rect, double size) {
  d.save();
  d.clip(path);
  d.fill(colour_mark_path(colour, rect), plain(with_alpha(kWhite, 215)));
  d.restore();
  d.stroke(path, Stroke{darker(piece_colour(colour), 170), std::max(0.6, size * 0.03), true});
}

void line(Path& p, Point a, Point b) {
  p.move_to(a);
  p.line_to(b);
}

void cross(Drawing& d, const Rect& r) {
  const double s = std::min(r.w, r.h), m = s * 0.2;
  const Rect in = Rect{r.centre().x - s / 2, r.centre().y - s / 2, s, s}.adjusted(m, m, -m, -m);
  Path x;
  line(x, {in.x, in.y}, {in.right(), in.bottom()});
  line(x, {in.right(), in.y}, {in.x, in.bottom()});
  d.stroke(x.translated(0.5, 0.7), Stroke{with_alpha(kWhite, 120), s * 0.16, true});
  d.stroke(x, Stroke{{60, 56, 52}, s * 0.12, true});
}

// A 1 px line just inside each edge of box.
void outline(Drawing& d, const Rect& box, Colour colour) {
  d.fill_rect({box.x, box.y, box.w, 1}, colour);
  d.fill_rect({box.x, box.bottom() - 1, box.w, 1}, colour);
  d.fill_rect({box.x, box.y + 1, 1, box.h - 2}, colour);
  d.fill_rect({box.right() - 1, box.y + 1, 1, box.h - 2}, colour);
}

Rect sheet_of(const Rect& frame) { return frame.adjusted(0.5, kFrameLineOffset + 0.5, -3.5, -3.5); }

}  // namespace

Colour piece_colour(int colour_code) {
  switch (colour_code) {
    case kColourLila:
      return {146, 64, 182};
    case kColourRood:
      return {218, 44, 44};
    case kColourVert:
      return {34, 156, 70};
    case kColourBlau:
      return {36, 100, 214};
    default:
      return {38, 38, 40};  // the black shapes
  }
}

void picture(Drawing& d, const Rect& rect, int picture_id, bool colour_marks) {
  if (picture_id < 1 || picture_id > kPictureIds) return;
  const PictureInfo& info = kPictures[static_cast<std::size_t>(picture_id)];
  const double size = std::min(rect.w, rect.h);
  if (picture_id == kCrossId) {
    cross(d, rect);
    return;
  }
  // The pieces keep a small margin so neighbours never touch.
  const double m = size * 0.06;
  const Path path = info.shape == 0 ? blot_path(rect, picture_id)
                                    : shape_path(info.shape, rect.adjusted(m, m, -m, -m));
  solid(d, path, piece_colour(info.colour), size);
  if (colour_marks && info.colour != 0) mark(d, path, info.colour, rect, size);
}

void card_sheet(Drawing& d, const Rect& frame) {
  const Rect sheet = sheet_of(frame);
  Path shadow;
  shadow.add_rounded_rect(sheet.translated(1.5, 2), 5);
  d.fill(shadow, plain({0, 0, 0, 32}));
  Path paper;
  paper.add_rounded_rect(sheet, 5);
  d.fill(paper, linear({sheet.x, sheet.y}, {sheet.right(), sheet.bottom()},
                       {{0, {252, 250, 245}}, {1, {238, 234, 225}}}));
  d.stroke(paper, Stroke{{158, 152, 140}, 1, false});
}

void card_tab(Drawing& d, const Rect& frame, const std::string& caption, double text_width,
              double height) {
  if (caption.empty()) return;
  const double h = height;
  const Rect tab{frame.x + 8, frame.y + kFrameLineOffset - h / 2, std::max(h, text_width + 10), h};
  Path p;
  p.add_rounded_rect(tab, h / 2 - 0.5);
  d.fill(p, plain({84, 78, 70}));
  d.text(Text{tab, caption, kCaptionSize, false, kWhite, TextAlign::Centre});
}

Rect card_tick(const Rect& frame) {
  // The cells begin 590 twips (39 pixels) right of a card's edge.
  const Rect sheet = sheet_of(frame);
  constexpr double kSize = 22, kInset = 6;
  return {sheet.x + kInset, sheet.bottom() - kSize - kInset, kSize, kSize};
}

void card_mark(Drawing& d, const Rect& frame) {
  const Rect sheet = sheet_of(frame);
  Path shade;
  shade.add_rounded_rect(sheet, 5);
  d.fill(shade, plain({70, 66, 60, 96}));
  // The tick on a green disc.
  const Rect disc = card_tick(frame);
  const double s = disc.w;
  Path circle;
  circle.add_ellipse(disc.centre(), s / 2, s / 2);
  d.fill(circle, plain({46, 139, 62}));
  d.stroke(circle, Stroke{kWhite, 1.5, false});
  Path tick;
  tick.move_to({disc.x + s * 0.25, disc.y + s * 0.52});
  tick.line_to({disc.x + s * 0.43, disc.y + s * 0.70});
  tick.line_to({disc.x + s * 0.76, disc.y + s * 0.32});
  d.stroke(tick, Stroke{kWhite, 2.6, true});
}

void board_field(Drawing& d, const Rect& body, Colour back) {
  Path plate;
  plate.add_rounded_rect(body.adjusted(1, 1, -1, -1), 3);
  d.fill(plate, linear({body.x, body.y}, {body.right(), body.bottom()},
                       {{0, darker(back, 106)}, {1, lighter(back, 104)}}));
  Path edge;
  edge.add_rounded_rect(body.adjusted(1.5, 1.5, -1.5, -1.5), 3);
  d.stroke(edge, Stroke{darker(back, 135), 1, false});
}

void sunken(Drawing& d, const Rect& r, Colour fill) {
  d.fill_rect(r, fill);
  const Colour dark = darker(fill, 150), light = lighter(fill, 130);
  d.fill_rect({r.x, r.y, 1, r.h}, dark);
  d.fill_rect({r.x, r.y, r.w, 1}, dark);
  d.fill_rect({r.right() - 1, r.y + 1, 1, r.h - 1}, light);
  d.fill_rect({r.x + 1, r.bottom() - 1, r.w - 1, 1}, light);
}

void etched(Drawing& d, const Rect& r) {
  outline(d, r.adjusted(1, 1, 0, 0), kWhite);
  outline(d, r.adjusted(0, 0, -1, -1), kEtchDark);
}

void tip_plate(Drawing& d, const Rect& r, const std::string& caption) {
  Path plate;
  plate.add_rounded_rect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4);
  d.fill(plate,
         linear({r.x, r.y}, {r.x, r.bottom()}, {{0, {255, 246, 196}}, {1, {240, 212, 120}}}));
  d.stroke(plate, Stroke{{170, 140, 60}, 1, false});
  d.text(Text{r, caption, kCaptionSize, false, kText, TextAlign::Centre});
}

void piece_highlight(Drawing& d, const Rect& r) {
  Path shadow;
  shadow.add_rounded_rect(r.translated(3, 4), 8);
  d.fill(shadow, plain({0, 0, 0, 40}));
  Path glow;
  glow.add_rounded_rect(r.adjusted(0.75, 0.75, -0.75, -0.75), 8);
  d.fill(glow, plain({255, 236, 140, 150}));
  d.stroke(glow, Stroke{{226, 170, 30}, 1.5, false});
}

void pointed_out(Drawing& d, const Rect& r) {
  Path ring;
  ring.add_rounded_rect(r.adjusted(-2.5, -2.5, 2.5, 2.5), 5);
  d.stroke(ring, Stroke{{20, 20, 24, 160}, 4, false});
  d.stroke(ring, Stroke{{255, 150, 0}, 2.5, false});
}

namespace {
struct SketchLayout {
  double cell, gap = 4, left = 48, top = 8;
};
SketchLayout sketch_layout(int side) { return {side == 3 ? 40.0 : 32.0}; }
}  // namespace

Rect card_sketch_size(int side) {
  const SketchLayout l = sketch_layout(side);
  return {0, 0, l.left + side * (l.cell + l.gap) + 8, l.top + side * (l.cell + l.gap) + 8};
}

void card_sketch(Drawing& d, int side, int picture_id, const std::vector<SketchCell>& cells) {
  const SketchLayout l = sketch_layout(side);
  const Rect size = card_sketch_size(side);
  d.fill_rect(size, {212, 208, 200});  // the window colour
  Path edge;
  edge.add_rect(size.adjusted(0.5, 0.5, -0.5, -0.5));
  d.stroke(edge, Stroke{{128, 128, 128}, 1, false});
  if (picture_id > 0)
    picture(d, {10, l.top + 4, kHelpPicturePixels + 4, kHelpPicturePixels + 4}, picture_id);
  for (std::size_t k = 0; k < cells.size() && k < static_cast<std::size_t>(side * side); ++k) {
    const SketchCell& c = cells[k];
    const int col = static_cast<int>(k) % side, row = static_cast<int>(k) / side;
    const Rect r{l.left + col * (l.cell + l.gap), l.top + row * (l.cell + l.gap), l.cell, l.cell};
    if (c.border) {
      Path box;
      box.add_rect(r.adjusted(0.5, 0.5, -0.5, -0.5));
      d.stroke(box, Stroke{{64, 64, 64}, 1, false});
    }
    const double in = l.cell / 2 - 12;
    const Rect inner = r.adjusted(in, in, -in, -in);
    if (c.grey) d.fill_rect(inner, {160, 160, 160});
    if (c.cross) picture(d, inner, kCrossId);
    if (c.picture > 0) picture(d, inner, c.picture);
  }
}

void program_icon(Drawing& d, const Rect& rect) {
  const double s = std::min(rect.w, rect.h);
  const Rect r{rect.centre().x - s / 2, rect.centre().y - s / 2, s, s};
  Path plate;
  plate.add_rounded_rect(r.adjusted(s * 0.02, s * 0.02, -s * 0.02, -s * 0.02), s * 0.12);
  d.fill(plate,
         linear({r.x, r.y}, {r.right(), r.bottom()}, {{0, {250, 247, 240}}, {1, {214, 208, 196}}}));
  d.stroke(plate, Stroke{{120, 114, 104}, std::max(1.0, s * 0.03), false});
  const int ids[4] = {2, 16, 9, 10};  // red triangle, blue circle, green square, purple plus
  const double half = s * 0.44, pad = s * 0.06;
  for (int i = 0; i < 4; ++i)
    picture(d, {r.x + pad + (i % 2) * half, r.y + pad + (i / 2) * half, half, half}, ids[i]);
}

void program_icon_symbolic(Drawing& d, const Rect& rect, Colour colour) {
  const double s = std::min(rect.w, rect.h);
  const Rect r{rect.centre().x - s / 2, rect.centre().y - s / 2, s, s};
  // The shapes of the program icon's pieces, in the same places.
  const int shapes[4] = {kShapeTriangle, kShapeCircle, kShapeSquare, kShapePlus};
  const double half = s / 2, m = s * 0.03;
  for (int i = 0; i < 4; ++i) {
    const Rect cell{r.x + (i % 2) * half, r.y + (i / 2) * half, half, half};
    d.fill(shape_path(shapes[i], cell.adjusted(m, m, -m, -m)), plain(colour));
  }
}

void puzzle_file_icon(Drawing& d, const Rect& rect) {
  const double s = std::min(rect.w, rect.h);
  const double w = s * 0.76, h = s * 0.94, fold = w * 0.28;
  const Rect page{rect.centre().x - w / 2, rect.centre().y - h / 2, w, h};
  Path sheet;
  sheet.move_to({page.x, page.y});
  sheet.line_to({page.right() - fold, page.y});
  sheet.line_to({page.right(), page.y + fold});
  sheet.line_to({page.right(), page.bottom()});
  sheet.line_to({page.x, page.bottom()});
  sheet.close();
  const double line_width = std::max(1.0, s * 0.025);
  d.fill(sheet.translated(s * 0.01, s * 0.02), plain({0, 0, 0, 40}));
  d.fill(sheet, linear({page.x, page.y}, {page.right(), page.bottom()},
                       {{0, {255, 255, 255}}, {1, {232, 228, 220}}}));
  d.stroke(sheet, Stroke{{120, 114, 104}, line_width, false});
  Path corner;
  corner.move_to({page.right() - fold, page.y});
  corner.line_to({page.right() - fold, page.y + fold});
  corner.line_to({page.right(), page.y + fold});
  corner.close();
  d.fill(corner, plain({214, 208, 196}));
  d.stroke(corner, Stroke{{120, 114, 104}, line_width, false});
  // The pieces, two by two, on the lower part of the sheet.
  const int ids[4] = {2, 16, 9, 10};
  const double side = w * 0.78, half = side / 2;
  const Rect board{page.centre().x - side / 2, page.bottom() - side - w * 0.1, side, side};
  for (int i = 0; i < 4; ++i)
    picture(d, {board.x + (i % 2) * half, board.y + (i / 2) * half, half, half}, ids[i]);
}

}  // namespace zerdo::drawing
