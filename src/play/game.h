#pragma once
#include <array>
#include <string>
#include <vector>

#include "model/board_shape.h"
#include "model/card_table.h"
#include "model/types.h"
#include "solving/solver.h"

namespace zerdo {

// One move of the player: a piece from one field to another (0 = the stock).
struct Move {
  Int piece = 0;
  Int from = 0;
  Int to = 0;
  bool operator==(const Move& o) const { return piece == o.piece && from == o.from && to == o.to; }
};

// What the board says when it is judged.
enum class Outcome { NotFull, Right, Wrong };

struct Verdict {
  Outcome outcome = Outcome::NotFull;
  // The fields (1..field_count) whose piece is not the one they need, in
  // field order; empty unless the outcome is Wrong.
  std::vector<Int> wrong_fields;
};

// The puzzle in play as a plain value: its cards, the solution, where the
// player's pieces are, the moves made and the cards ticked off. No window, no
// store, no clock: the controller carries a player's command out here and
// shows the result.
struct Game {
  CardTable sn;                     // the clue-card table, records 1..field_count
  std::array<Int, 17> solution{};   // picture id per field 1..16
  std::array<Int, 17> placement{};  // field per piece number 1..16, 0 in the stock
  // Moves made since the puzzle was (re)started; saturates at the 16-bit
  // limit, where move_list goes on growing.
  Int moves = 0;
  std::vector<Move> move_list;  // every move in order, to be replayed
  // The player's releases that Undo can take back, the last one at the end,
  // and the ones taken back that Redo can do again, the next one at the end.
  // A new release empties redo_steps; a restart or new cards empty both.
  std::vector<Move> undo_steps;
  std::vector<Move> redo_steps;
  // The clue cards the player has ticked off, by card number 1..16; cleared
  // whenever new cards are drawn, and never saved.
  std::array<bool, 17> marks{};
  // The board was judged once already: the game's result is settled (a
  // wrong board may still be mended and judged again).
  bool judged = false;
  BoardShape shape;  // range_code, field_count, side
  Int level = 1;
  std::string puzzle_id = "A1";
  // The hints shown in this game (a hint with nothing to show is none): once
  // there is one, a right board sets no best time.
  int hints = 0;

  // The piece number of picture id k on the board in force, 0 for none.
  Int piece_of(Int picture) const;
  // Puts piece (1..16) on field (1..field_count), or back in the stock with
  // field 0: one move, whether or not the piece changes its place.
  void place(Int piece, Int field);
  // Takes the last release back: its piece returns to where it came from.
  // One move, kept in move_list like any other; false (nothing changed)
  // when there is nothing to take back.
  bool undo();
  // Does the last release taken back again: one move; false when none.
  bool redo();
  // Every piece back in the stock, no move made, nothing to undo or redo: a
  // new game on the same cards, with no hints and not judged.
  void restart();
  // Whether the piece that belongs on field f lies there.
  bool field_right(Int f) const;
  // The picture id on each field 1..field_count, 0 where no piece or more
  // than one lies.
  Arrangement board() const;
  // The board judged: not full while a piece is left in the stock, else
  // right when it is the stored solution or fits every card, wrong with the
  // fields whose piece differs from the stored solution otherwise.
  Verdict judge() const;
  // Card nr (1..field_count) ticked off, or its tick cleared.
  void toggle_mark(Int nr);
  void clear_marks() { marks = {}; }

 private:
  // The piece moves to field: counted and listed, nothing else.
  void step(Int piece, Int field);
};

}  // namespace zerdo
