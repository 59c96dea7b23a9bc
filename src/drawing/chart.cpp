#include "drawing/chart.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/number_text.h"

namespace zerdo::drawing {
namespace {

// Sizes in logical pixels.
constexpr double kTitleSize = 13, kLabelSize = 11;
constexpr double kTitleHeight = 20;  // the title's row
constexpr double kRowHeight = 15;    // a row of small text: axis names, values, legend
constexpr double kValueWidth = 44;   // the values left of the y axis
constexpr double kGap = 8;
constexpr double kSwatch = 18;  // a legend entry's sample before its label
constexpr int kMostSteps = 5;   // grid lines above the x axis, at most
constexpr int kMostXValues = 10;

constexpr Colour kInk{40, 40, 40};
constexpr Colour kAxis{90, 90, 90};
constexpr Colour kGrid{222, 222, 222};
constexpr Colour kWhite{255, 255, 255};

// Colours told apart at a glance, one per level.
constexpr std::array<Colour, 9> kLineColours{{{31, 119, 180},
                                              {255, 127, 14},
                                              {44, 160, 44},
                                              {214, 39, 40},
                                              {148, 103, 189},
                                              {140, 86, 75},
                                              {227, 119, 194},
                                              {110, 110, 110},
                                              {188, 189, 34}}};
constexpr std::array<Colour, 3> kPartColours{{{60, 150, 80}, {205, 60, 55}, {165, 165, 165}}};

// The width a text of size takes, about: the game's fonts run near 0.55 of
// their size per letter.
double text_width(const std::string& s, double size) {
  std::size_t letters = 0;
  for (const char c : s) letters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return static_cast<double>(letters) * size * 0.55;
}

// The smallest step of the list (grown by doubling past its end) that spans
// top in at most most steps.
double nice_step(double top, ChartUnit unit, int most) {
  static constexpr std::array<double, 13> kSeconds{1,   2,   5,   10,  15,   30,  60,
                                                   120, 300, 600, 900, 1800, 3600};
  static constexpr std::array<double, 3> kCounts{1, 2, 5};
  double step = 1;
  for (int i = 0;; ++i) {
    if (unit == ChartUnit::Seconds)
      step = i < static_cast<int>(kSeconds.size())
                 ? kSeconds[static_cast<std::size_t>(i)]
                 : kSeconds.back() * std::pow(2.0, i - static_cast<int>(kSeconds.size()) + 1);
    else
      step = kCounts[static_cast<std::size_t>(i % 3)] * std::pow(10.0, i / 3);
    if (top <= step * most || !std::isfinite(step)) return step;
  }
}

std::string value_text(double v, ChartUnit unit) {
  const auto whole = static_cast<long long>(std::llround(v));
  return unit == ChartUnit::Seconds ? play_time_text(whole) : std::to_string(whole);
}

bool has_figures(const Chart& c) {
  for (const ChartLine& line : c.lines)
    if (!line.points.empty()) return true;
  return !c.bars.empty();
}

// The legend's entries: the lines' labels, or the parts of the bars.
std::vector<std::string> legend_labels(const Chart& c) {
  std::vector<std::string> out;
  for (const ChartLine& line : c.lines)
    if (!line.points.empty()) out.push_back(line.label);
  if (!c.bars.empty()) out = c.part_labels;
  return out;
}

double legend_width(const Chart& c, const Rect& area) {
  double w = 0;
  for (const std::string& s : legend_labels(c)) w = std::max(w, text_width(s, kLabelSize));
  return w == 0 ? 0 : std::min(kSwatch + 4 + w, area.w / 3);
}

void line_text(Drawing& d, Rect box, std::string s, double size, bool bold, TextAlign align) {
  d.text({box, std::move(s), size, bold, kInk, align});
}

// A point's mark: a dot, or a square for a 4x4 line.
void mark(Drawing& d, Point p, Colour c, bool square) {
  Path path;
  if (square)
    path.add_rect({p.x - 3.5, p.y - 3.5, 7, 7});
  else
    path.add_ellipse(p, 3.5, 3.5);
  d.fill(path, plain(c));
  d.stroke(path, {kWhite, 1, false});
}

}  // namespace

Colour line_colour(int index) {
  const int n = static_cast<int>(kLineColours.size());
  return kLineColours[static_cast<std::size_t>(((index % n) + n) % n)];
}

Colour part_colour(int index) {
  const int n = static_cast<int>(kPartColours.size());
  return kPartColours[static_cast<std::size_t>(((index % n) + n) % n)];
}

Point ChartFrame::at(double x, double y) const {
  return {plot.x + (x - x_min) / (x_max - x_min) * plot.w, plot.bottom() - y / y_max * plot.h};
}

ChartFrame chart_frame(const Chart& chart, const Rect& area) {
  ChartFrame f;
  const double legend = legend_width(chart, area);
  const double below = kRowHeight + (chart.x_label.empty() ? 0 : kRowHeight) + 4;
  const double left = area.x + kValueWidth;
  const double top = area.y + kTitleHeight + kRowHeight + 4;
  const double right = area.right() - (legend > 0 ? legend + kGap : 0) - kGap;
  f.plot = {left, top, std::max(1.0, right - left), std::max(1.0, area.bottom() - below - top)};

  double top_value = 0;
  if (!chart.bars.empty()) {
    f.x_min = 0;
    f.x_max = static_cast<double>(chart.bars.size());
    for (const ChartBar& bar : chart.bars) {
      double sum = 0;
      for (const double part : bar.parts) sum += std::max(0.0, part);
      top_value = std::max(top_value, sum);
    }
  } else {
    double first = 0, last = 0;
    bool any = false;
    for (const ChartLine& line : chart.lines)
      for (const ChartPoint& p : line.points) {
        first = any ? std::min(first, p.x) : p.x;
        last = any ? std::max(last, p.x) : p.x;
        any = true;
        top_value = std::max(top_value, p.y);
      }
    f.x_min = any ? first - 0.5 : 0;
    f.x_max = any ? last + 0.5 : 1;
  }
  f.y_step = nice_step(top_value, chart.y_unit, kMostSteps);
  f.y_max = std::max(f.y_step, std::ceil(top_value / f.y_step) * f.y_step);
  return f;
}

Drawing draw_chart(const Chart& chart, const Rect& area) {
  Drawing d;
  const ChartFrame f = chart_frame(chart, area);
  const Rect& plot = f.plot;
  line_text(d, {area.x, area.y, area.w, kTitleHeight}, chart.title, kTitleSize, true,
            TextAlign::Centre);
  d.fill_rect(plot, kWhite);
  if (!has_figures(chart)) {
    Path border;
    border.add_rect(plot);
    d.stroke(border, {kGrid, 1, false});
    line_text(d, plot.adjusted(12, 12, -12, -12), chart.empty_text, kLabelSize, false,
              TextAlign::Centre);
    return d;
  }

  // The grid with the values of the y axis, and the axis's name above them.
  line_text(d, {area.x, area.y + kTitleHeight, area.w, kRowHeight}, chart.y_label, kLabelSize,
            false, TextAlign::Left);
  const int steps = static_cast<int>(std::lround(f.y_max / f.y_step));
  for (int i = 0; i <= steps; ++i) {
    const double v = f.y_step * i;
    const double y = f.at(0, v).y;
    Path grid;
    grid.move_to({plot.x, y});
    grid.line_to({plot.right(), y});
    d.stroke(grid, {i == 0 ? kAxis : kGrid, 1, false});
    line_text(d, {area.x, y - kRowHeight / 2, kValueWidth - 4, kRowHeight},
              value_text(v, chart.y_unit), kLabelSize, false, TextAlign::Centre);
  }
  Path axis;
  axis.move_to({plot.x, plot.y});
  axis.line_to({plot.x, plot.bottom()});
  d.stroke(axis, {kAxis, 1, false});
  const double under = plot.bottom() + 2;

  if (!chart.bars.empty()) {
    const double slot = plot.w / static_cast<double>(chart.bars.size());
    const double width = std::min(40.0, slot * 0.6);
    for (std::size_t i = 0; i < chart.bars.size(); ++i) {
      const ChartBar& bar = chart.bars[i];
      const double middle = f.at(static_cast<double>(i) + 0.5, 0).x;
      double base = 0;
      for (std::size_t k = 0; k < bar.parts.size(); ++k) {
        const double part = std::max(0.0, bar.parts[k]);
        if (part == 0) continue;
        const Point top = f.at(0, base + part), bottom = f.at(0, base);
        d.fill_rect({middle - width / 2, top.y, width, bottom.y - top.y},
                    part_colour(static_cast<int>(k)));
        base += part;
      }
      line_text(d, {middle - slot / 2, under, slot, kRowHeight}, bar.label, kLabelSize, false,
                TextAlign::Centre);
    }
  } else {
    // The game numbers under the x axis, a whole step apart.
    const double span = f.x_max - f.x_min - 1;
    const double step = nice_step(span, ChartUnit::Count, kMostXValues);
    for (double x = std::ceil((f.x_min + 0.5) / step) * step; x <= f.x_max; x += step) {
      if (x < f.x_min + 0.5) continue;
      const double at_x = f.at(x, 0).x;
      line_text(d, {at_x - 20, under, 40, kRowHeight}, value_text(x, ChartUnit::Count), kLabelSize,
                false, TextAlign::Centre);
    }
    // Marks where they stand apart; a crowded line is its stroke alone.
    const bool marks = plot.w / (f.x_max - f.x_min) >= 6;
    d.save();
    Path inside;
    inside.add_rect(plot.adjusted(-4, -4, 4, 4));
    d.clip(inside);
    for (const ChartLine& line : chart.lines) {
      if (line.points.empty()) continue;
      const Colour c = line_colour(line.colour);
      Path path;
      for (std::size_t i = 0; i < line.points.size(); ++i) {
        const Point p = f.at(line.points[i].x, line.points[i].y);
        if (i == 0)
          path.move_to(p);
        else
          path.line_to(p);
      }
      if (line.points.size() > 1) d.stroke(path, {c, 2, true});
      if (marks || line.points.size() == 1)
        for (const ChartPoint& p : line.points) mark(d, f.at(p.x, p.y), c, line.squares);
    }
    d.restore();
  }
  if (!chart.x_label.empty())
    line_text(d, {plot.x, under + kRowHeight, plot.w, kRowHeight}, chart.x_label, kLabelSize, false,
              TextAlign::Centre);

  // The legend beside the plot, from its top.
  double y = plot.y;
  const double x = plot.right() + kGap;
  const double w = area.right() - x;
  if (!chart.bars.empty()) {
    for (std::size_t k = 0; k < chart.part_labels.size(); ++k, y += kRowHeight + 2) {
      d.fill_rect({x, y + 3, 10, 10}, part_colour(static_cast<int>(k)));
      line_text(d, {x + kSwatch, y, w - kSwatch, kRowHeight}, chart.part_labels[k], kLabelSize,
                false, TextAlign::Left);
    }
  } else {
    for (const ChartLine& line : chart.lines) {
      if (line.points.empty()) continue;
      const Colour c = line_colour(line.colour);
      Path sample;
      sample.move_to({x, y + 8});
      sample.line_to({x + 14, y + 8});
      d.stroke(sample, {c, 2, true});
      mark(d, {x + 7, y + 8}, c, line.squares);
      line_text(d, {x + kSwatch, y, w - kSwatch, kRowHeight}, line.label, kLabelSize, false,
                TextAlign::Left);
      y += kRowHeight + 2;
    }
  }
  return d;
}

}  // namespace zerdo::drawing
