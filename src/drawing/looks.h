#pragma once
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "model/main_window.h"

namespace zerdo::drawing {

// The game's looks as drawings, in logical pixels: what a binding without
// a painter of its own (the web page) draws the board with.

// Picture id 1..25 into rect: 1..16 the pieces, 17..20 colour blots, 21..24
// black shapes, 25 the cross; other ids draw nothing. With colour_marks the
// pieces and blots carry the pattern of their colour.
void picture(Drawing& d, const Rect& rect, int picture_id, bool colour_marks = false);
// The colour of colour code 1..4 (lila, rood, vert, blau); the black shapes' otherwise.
Colour piece_colour(int colour_code);

// A clue card's paper (its frame's rectangle; the shadow reaches 2 px beyond).
void card_sheet(Drawing& d, const Rect& frame);
// The number tab of a card in the frame's line, as high as height; text_width
// is the caption's width in the caption font.
void card_tab(Drawing& d, const Rect& frame, const std::string& caption, double text_width,
              double height);
// A ticked-off card: shaded, with a tick at card_tick.
void card_mark(Drawing& d, const Rect& frame);
// Where the tick of a ticked-off card goes: in the card's left margin, at its
// foot, where no cell of a 3x3 or a 4x4 card reaches and the number tab is
// far; so it hides nothing the card tells.
Rect card_tick(const Rect& frame);
// A field of the board (its body below the caption line) in colour back.
void board_field(Drawing& d, const Rect& body, Colour back);
// A plate sunk 1 px into its surroundings: a card's cell, the grey box, a text box.
void sunken(Drawing& d, const Rect& r, Colour fill);
// An etched frame line: dark, with a light line just inside and below.
void etched(Drawing& d, const Rect& r);
// The tip plate with its caption.
void tip_plate(Drawing& d, const Rect& r, const std::string& caption);
// The glow under a piece the mouse holds.
void piece_highlight(Drawing& d, const Rect& r);
// A control pointed out to the player: a bright ring just outside r.
void pointed_out(Drawing& d, const Rect& r);
// A clue card as the help pages sketch it: the piece at the left (picture
// 0 none), a small board of side x side cells to its right, row by row.
struct SketchCell {
  bool border = true;  // a cell of the board
  bool grey = false;   // the grey must-field box
  bool cross = false;
  int picture = 0;
};
// The size of such a sketch (x and y 0).
Rect card_sketch_size(int side);
void card_sketch(Drawing& d, int side, int picture, const std::vector<SketchCell>& cells);
// A picture of the help pages is this many pixels square, as on a card.
constexpr double kHelpPicturePixels = 24;

// The program's icon: four pieces on a small board.
void program_icon(Drawing& d, const Rect& rect);
// The program's icon in one colour, as a desktop tints it for its panels:
// the four shapes of the pieces, two by two.
void program_icon_symbolic(Drawing& d, const Rect& rect, Colour colour);
// The icon of a puzzle file: a sheet with a folded corner and the program
// icon's four pieces on it.
void puzzle_file_icon(Drawing& d, const Rect& rect);

// Frames draw their line this far below their top; the caption sits in it.
constexpr double kFrameLineOffset = 6;
// Captions and labels are drawn at this size (pixels).
constexpr double kCaptionSize = kCaptionPixels;
// Text and the frames' etched lines.
constexpr Colour kText{28, 28, 30};
constexpr Colour kCellColour{232, 228, 219};
constexpr Colour kEtchDark{140, 136, 128};
constexpr Colour kGreyBox{168, 166, 162};

}  // namespace zerdo::drawing
