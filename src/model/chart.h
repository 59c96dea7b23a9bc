#pragma once
// A chart as plain figures, before anything is drawn: the lines of a line
// chart or the stacked bars of a bar chart, with its title and the names of
// its axes. The bindings draw it through the game's own drawing.
#include <string>
#include <vector>

namespace zerdo {

struct ChartPoint {
  double x = 0, y = 0;
};

// A line through its points, in the order given (x rising).
struct ChartLine {
  std::string label;     // its name in the legend
  int colour = 0;        // an entry of the chart palette, taken round when beyond it
  bool squares = false;  // its points marked by squares, else by dots
  std::vector<ChartPoint> points;
};

// A bar of parts stacked from the axis up, each a count of the part of that
// index (won, lost, ...).
struct ChartBar {
  std::string label;  // under the bar
  std::vector<double> parts;
};

// What the values of the y axis count: plain numbers, or seconds of play
// (written m:ss).
enum class ChartUnit { Count, Seconds };

struct Chart {
  std::string title;
  std::string x_label, y_label;
  ChartUnit y_unit = ChartUnit::Count;
  std::vector<ChartLine> lines;          // a line chart ...
  std::vector<ChartBar> bars;            // ... or a bar chart
  std::vector<std::string> part_labels;  // the legend of the bars' parts
  std::string empty_text;                // shown when there is nothing to draw
};

}  // namespace zerdo
