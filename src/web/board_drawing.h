#pragma once
#include <array>
#include <string>

#include "drawing/drawing.h"
#include "view/controls.h"

namespace zerdo {

// One logical pixel is 15 twips at scale 1.
constexpr double kTwipsPerPixel = 15.0;

// Every visible control of set as the window paints it (later ones on top,
// a piece the mouse holds above all), with the ticked-off (marked) cards
// shaded, as one drawing in logical pixels.
drawing::Drawing draw_controls(const ControlSet& set, bool colour_marks);

// The same in two layers: base everything but the pieces the mouse holds,
// top those pieces with their glow.
struct BoardDrawing {
  drawing::Drawing base, top;
};
// With top_only the base stays empty.
BoardDrawing draw_board(const ControlSet& set, bool colour_marks, bool top_only = false);

// The page's name of a control's role ("card", "boardField", ...).
const char* role_name(Role role);

// The drawing as JSON for the page's canvas: a list of operations.
std::string drawing_json(const drawing::Drawing& d);

// Writes text as a JSON string literal.
void append_json_string(std::string& out, const std::string& text);

}  // namespace zerdo
