// Dragging pieces from the stock onto the board fields.
#include "play/board_spots.h"
#include "play/frm_main.h"
#include "view/commands.h"

namespace zerdo {

// A piece reacts to the mouse only while the game runs and the piece is shown.
bool FrmMain::piece_live(int k) {
  return loaded_ && k >= 1 && k <= 16 && s_.play_mode == 1 && view_.piece(k).visible &&
         piece_of(k) != 0;
}

void FrmMain::picture_mouse_down(int k) {
  if (!piece_live(k)) return;
  view_.piece(k).border = 1;
  s_.dragging[static_cast<std::size_t>(k)] = true;
}

void FrmMain::picture_mouse_move(int k, long x, long y) {
  if (!piece_live(k) || !s_.dragging[static_cast<std::size_t>(k)]) return;
  // The picture's corner jumps to the pointer; a wild pointer is clamped to
  // the 16-bit coordinate range instead of wrapping around.
  Control& p = view_.piece(k);
  p.left = clamp16(static_cast<long long>(p.left) + x);
  p.top = clamp16(static_cast<long long>(p.top) + y);
}

void FrmMain::picture_mouse_up(int k) {
  if (!piece_live(k)) return;
  release(k);
}

void FrmMain::release(int k) {
  Control& p = view_.piece(k);
  p.border = 0;
  s_.dragging[static_cast<std::size_t>(k)] = false;
  move_piece(k, field_at(p.left, p.top));
  judge_board();
  keep_game();
}

Int FrmMain::field_at(Int x, Int y) const {
  return zerdo::field_at(view_.layout(), s_.shape, x, y);
}

void FrmMain::move_piece(int k, Int f) {
  clear_hint();
  s_.place(piece_of(k), f);
  if (s_.moves == 1) start_game_clock();
  show_status(s_.puzzle_id, s_.moves);
  show_piece(k);
  show_undo_state();
}

void FrmMain::undo() { undo_or_redo(true); }
void FrmMain::redo() { undo_or_redo(false); }

void FrmMain::undo_or_redo(bool undo) {
  // A piece held by the mouse stays in the player's hand: while any piece is
  // dragged, and while the game is stopped, nothing is taken back.
  if (s_.play_mode != 1) return;
  for (const bool held : s_.dragging)
    if (held) return;
  if (!(undo ? s_.undo() : s_.redo())) return;
  if (s_.moves == 1) start_game_clock();
  show_status(s_.puzzle_id, s_.moves);
  const Int piece = s_.move_list.back().piece;
  show_piece(s_.tables.picture_of_piece[static_cast<std::size_t>(s_.shape.range_code)]
                                       [static_cast<std::size_t>(piece)]);
  show_undo_state();
  // A release done again is judged as the release was; a release taken back
  // judges nothing, even when the board stays full.
  if (!undo) judge_board();
  keep_game();
}

void FrmMain::show_undo_state() {
  const bool running = s_.play_mode == 1;
  menu_item(Command::Undo).enabled = running && !s_.undo_steps.empty();
  menu_item(Command::Redo).enabled = running && !s_.redo_steps.empty();
}

void FrmMain::show_piece(int k) {
  const Int p = piece_of(k);
  const Spot at =
      piece_spot(view_.layout(), s_.shape, p, s_.placement[static_cast<std::size_t>(p)]);
  Control& c = view_.piece(k);
  c.left = at.left;
  c.top = at.top;
}

void FrmMain::return_all_pieces() {
  clear_hint();
  s_.restart();
  // A piece held while new cards come (or the puzzle starts again) is let
  // go: it goes home with the others, and the window ends its drag, so that
  // the button's release makes no move in the new game.
  for (int k = 1; k <= 16; ++k) {
    s_.dragging[static_cast<std::size_t>(k)] = false;
    view_.piece(k).border = 0;
  }
  for (int k = 1; k <= 16; ++k) show_piece(k);
  for (int f = 1; f <= s_.shape.field_count; ++f) view_.field(f).caption = "";
  show_undo_state();
}

}  // namespace zerdo
