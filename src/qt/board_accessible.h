#pragma once

namespace zerdo {

class BoardWidget;

// Gives the board and the status bar to screen readers: the board with one
// child for each piece shown, board field and clue card, the status bar with
// one child for each panel. Installed once, before the window is shown.
void install_accessible_interfaces();

// Tells screen readers that the keyboard cursor stands on another piece or
// field, so that they speak it.
void announce_cursor(BoardWidget& board);

}  // namespace zerdo
