// Charts drawn from plain figures: where the figures land in the plot, and
// that nothing is drawn outside the chart's area.
#include "drawing/chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace zerdo::drawing {
namespace {

const Rect kArea{10, 20, 420, 250};

Chart times(std::vector<std::vector<ChartPoint>> lines) {
  Chart c;
  c.title = "Solve time";
  c.x_label = "Games";
  c.y_label = "Time";
  c.y_unit = ChartUnit::Seconds;
  c.empty_text = "No games yet.";
  int level = 0;
  for (auto& points : lines)
    c.lines.push_back({"3x3 " + std::string(1, static_cast<char>('A' + level)), level++, false,
                       std::move(points)});
  return c;
}

bool inside(const Rect& outer, const Rect& r) {
  constexpr double kSlack = 0.5;
  return r.x >= outer.x - kSlack && r.y >= outer.y - kSlack &&
         r.right() <= outer.right() + kSlack && r.bottom() <= outer.bottom() + kSlack;
}

// Every path and every text box of d lies within area.
void expect_within(const Drawing& d, const Rect& area) {
  for (const Op& op : d.ops()) {
    if (op.kind == Op::Kind::Text) {
      EXPECT_TRUE(inside(area, op.text.box)) << op.text.text;
    } else if (!op.path.empty()) {
      EXPECT_TRUE(inside(area, op.path.bounds()));
    }
  }
}

int count(const Drawing& d, Op::Kind kind) {
  int n = 0;
  for (const Op& op : d.ops()) n += op.kind == kind;
  return n;
}

bool has_text(const Drawing& d, const std::string& text) {
  for (const Op& op : d.ops())
    if (op.kind == Op::Kind::Text && op.text.text == text) return true;
  return false;
}

TEST(Chart, PointsScaleIntoThePlotWithTheAxisOnWholeSteps) {
  // Game 1 in 50 s, game 3 in 30 s (game 2 was lost), game 4 in 2:10.
  const Chart c = times({{{1, 50}, {3, 30}, {4, 130}}});
  const ChartFrame f = chart_frame(c, kArea);
  EXPECT_TRUE(inside(kArea, f.plot));
  // The top of the axis is the first whole step at or above the slowest game,
  // at most five steps up.
  EXPECT_GE(f.y_max, 130);
  EXPECT_LE(f.y_max / f.y_step, 5);
  EXPECT_EQ(f.y_max, f.y_step * std::round(f.y_max / f.y_step));
  EXPECT_LT(f.y_max - f.y_step, 130);
  // Half a game of room before the first and after the last.
  EXPECT_DOUBLE_EQ(f.at(0.5, 0).x, f.plot.x);
  EXPECT_DOUBLE_EQ(f.at(4.5, 0).x, f.plot.right());
  EXPECT_DOUBLE_EQ(f.at(1, 0).y, f.plot.bottom());
  EXPECT_DOUBLE_EQ(f.at(1, f.y_max).y, f.plot.y);
  const Point slow = f.at(4, 130), fast = f.at(3, 30);
  EXPECT_LT(slow.y, fast.y);  // a longer time stands higher
  EXPECT_LT(fast.x, slow.x);
  const Drawing d = draw_chart(c, kArea);
  expect_within(d, kArea);
  EXPECT_TRUE(has_text(d, "2:00"));   // the axis reads minutes and seconds
  EXPECT_TRUE(has_text(d, "3x3 A"));  // the legend
}

TEST(Chart, EmptyOneAndManyGamesStayWithinTheArea) {
  struct Case {
    const char* what;
    std::vector<std::vector<ChartPoint>> lines;
  };
  std::vector<ChartPoint> many, slow;
  for (int i = 1; i <= 2000; ++i) many.push_back({double(i), double(20 + (i * 37) % 300)});
  for (int i = 1; i <= 40; ++i) slow.push_back({double(i * 3), double(36000 + i)});
  const Case cases[] = {
      {"no line", {}},
      {"a line without points", {{}}},
      {"one game", {{{7, 42}}}},
      {"many games", {many}},
      {"nine levels, one of ten hours",
       {{{1, 5}}, {{2, 6}}, {{1, 7}}, {{3, 8}}, {{1, 9}}, {{1, 10}}, {{2, 11}}, {{1, 12}}, slow}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    const Chart c = times(k.lines);
    const Drawing d = draw_chart(c, kArea);
    expect_within(d, kArea);
    const ChartFrame f = chart_frame(c, kArea);
    EXPECT_GT(f.y_max, 0);
    EXPECT_GT(f.x_max, f.x_min);
    for (const ChartLine& line : c.lines)
      for (const ChartPoint& p : line.points) {
        const Point at = f.at(p.x, p.y);
        EXPECT_TRUE(at.x >= f.plot.x && at.x <= f.plot.right() && at.y >= f.plot.y &&
                    at.y <= f.plot.bottom());
      }
    EXPECT_EQ(has_text(d, "No games yet."), k.lines.empty() || k.lines[0].empty());
  }
}

TEST(Chart, OneGameStandsInTheMiddleAndACrowdedLineHasNoMarks) {
  const Chart one = times({{{7, 42}}});
  const ChartFrame f = chart_frame(one, kArea);
  EXPECT_DOUBLE_EQ(f.at(7, 42).x, f.plot.centre().x);
  // One mark (a fill and its outline) beside the legend's.
  EXPECT_EQ(count(draw_chart(one, kArea), Op::Kind::Fill), 2 /* plot, mark */ + 1 /* legend */);

  std::vector<ChartPoint> many;
  for (int i = 1; i <= 500; ++i) many.push_back({double(i), 60});
  const Drawing d = draw_chart(times({many}), kArea);
  EXPECT_EQ(count(d, Op::Kind::Fill), 1 /* plot */ + 1 /* legend */);
}

TEST(Chart, BarsStackTheirPartsFromTheAxis) {
  Chart c;
  c.title = "Won and lost";
  c.part_labels = {"Won", "Lost", "Abandoned"};
  c.bars = {{"3x3 A", {4, 1, 0}}, {"3x3 C", {0, 0, 1}}, {"4x4 B", {12, 5, 2}}};
  const ChartFrame f = chart_frame(c, kArea);
  EXPECT_GE(f.y_max, 19);
  EXPECT_DOUBLE_EQ(f.at(1.5, 0).x, f.plot.centre().x);  // the middle bar in the middle
  const Drawing d = draw_chart(c, kArea);
  expect_within(d, kArea);
  // Each part a rectangle of its height, stacked: the tallest bar's parts
  // reach from the axis to the height of their sum.
  double top = f.plot.bottom();
  for (const Op& op : d.ops())
    if (op.kind == Op::Kind::Fill && op.path.bounds().x > f.plot.x + 2 * f.plot.w / 3 &&
        op.path.bounds().right() < f.plot.right())
      top = std::min(top, op.path.bounds().y);
  EXPECT_NEAR(top, f.at(0, 19).y, 1e-9);
  for (const char* label : {"3x3 A", "3x3 C", "4x4 B", "Won", "Lost", "Abandoned"})
    EXPECT_TRUE(has_text(d, label)) << label;
}

}  // namespace
}  // namespace zerdo::drawing
