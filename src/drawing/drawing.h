#pragma once
#include <string>
#include <vector>

namespace zerdo::drawing {

// A drawing as data, free of any toolkit: paths, fills (plain or a linear
// gradient), strokes, clips and text, in logical pixels. A binding replays
// it on its own surface (the browser's canvas), so that a look is described
// once wherever it is shown.

struct Colour {
  int r = 0, g = 0, b = 0, a = 255;
};
// The colour with its brightness raised (lighter) or lowered (darker) by
// factor percent, in the hue-saturation-value model, as the window does.
Colour lighter(Colour c, int factor);
Colour darker(Colour c, int factor);

struct Point {
  double x = 0, y = 0;
};

struct Rect {
  double x = 0, y = 0, w = 0, h = 0;
  double right() const { return x + w; }
  double bottom() const { return y + h; }
  Point centre() const { return {x + w / 2, y + h / 2}; }
  Rect adjusted(double dx1, double dy1, double dx2, double dy2) const {
    return {x + dx1, y + dy1, w - dx1 + dx2, h - dy1 + dy2};
  }
  Rect translated(double dx, double dy) const { return {x + dx, y + dy, w, h}; }
};

// An outline made of straight and cubic pieces; closed figures fill by the
// non-zero rule.
class Path {
 public:
  enum class Verb { Move, Line, Cubic, Close };
  struct Segment {
    Verb verb;
    Point p[3];  // Move/Line: p[0]; Cubic: two controls, then the end
  };

  void move_to(Point p) { segments_.push_back({Verb::Move, {p, {}, {}}}); }
  void line_to(Point p) { segments_.push_back({Verb::Line, {p, {}, {}}}); }
  void cubic_to(Point c1, Point c2, Point end) {
    segments_.push_back({Verb::Cubic, {c1, c2, end}});
  }
  void close() { segments_.push_back({Verb::Close, {}}); }
  void add_rect(const Rect& r);
  void add_ellipse(Point centre, double rx, double ry);
  void add_rounded_rect(const Rect& r, double radius);
  // A closed polygon whose corner i is rounded with radius[i] (0 sharp).
  void add_rounded_polygon(const std::vector<Point>& corners, const std::vector<double>& radius);
  void append(const Path& other);
  Path translated(double dx, double dy) const;
  // The smallest rectangle around every point of the path (controls included).
  Rect bounds() const;

  const std::vector<Segment>& segments() const { return segments_; }
  bool empty() const { return segments_.empty(); }

 private:
  std::vector<Segment> segments_;
};

struct GradientStop {
  double at = 0;
  Colour colour;
};

// A plain colour, or a linear gradient from one point to another.
struct Fill {
  Colour colour;
  bool gradient = false;
  Point from, to;
  std::vector<GradientStop> stops;
};
Fill plain(Colour c);
Fill linear(Point from, Point to, std::vector<GradientStop> stops);

struct Stroke {
  Colour colour;
  double width = 1;
  bool round = false;  // round caps and joins
};

enum class TextAlign { Centre, Left };

struct Text {
  Rect box;
  std::string text;
  double size = 12;  // pixels
  bool bold = false;
  Colour colour;
  TextAlign align = TextAlign::Centre;
};

struct Op {
  enum class Kind { Fill, Stroke, Clip, Save, Restore, Text };
  Kind kind = Kind::Fill;
  Path path;
  Fill fill;
  Stroke stroke;
  Text text;
};

class Drawing {
 public:
  void fill(Path path, Fill fill);
  void fill_rect(const Rect& r, Colour c);
  void stroke(Path path, Stroke stroke);
  // Limits what follows, up to the matching restore, to the inside of path.
  void clip(Path path);
  void save();
  void restore();
  void text(Text t);
  void append(const Drawing& other);

  const std::vector<Op>& ops() const { return ops_; }

 private:
  std::vector<Op> ops_;
};

}  // namespace zerdo::drawing
