#pragma once
// A chart of figures (model/chart.h) as a drawing: the title, the plot with
// its grid and the values of its axes, the lines or the stacked bars, and the
// legend beside the plot.
#include "drawing/drawing.h"
#include "model/chart.h"

namespace zerdo::drawing {

// Where a chart's figures land in its area: the plot rectangle and the span
// of each axis, from which every point and bar is placed.
struct ChartFrame {
  Rect plot;
  // Lines: half a game before the first and after the last game number;
  // bars: 0 .. the number of bars, bar i standing at i + 0.5.
  double x_min = 0, x_max = 1;
  double y_max = 1;   // the top of the y axis, a whole number of steps; it starts at 0
  double y_step = 1;  // the distance of two grid lines
  // A figure's place in the plot.
  Point at(double x, double y) const;
};

// The frame of chart drawn into area (logical pixels).
ChartFrame chart_frame(const Chart& chart, const Rect& area);

// The whole chart drawn into area; a chart without figures shows its frame
// and its empty_text.
Drawing draw_chart(const Chart& chart, const Rect& area);

// The colour of a line by ChartLine::colour (taken round), and of a bar's
// part by its index (won, lost, abandoned, then taken round).
Colour line_colour(int index);
Colour part_colour(int index);

}  // namespace zerdo::drawing
