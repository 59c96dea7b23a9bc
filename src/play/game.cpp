#include "play/game.h"

#include "model/assert.h"
#include "model/tables.h"
#include "solving/solver.h"

namespace zerdo {
namespace {

std::size_t at(Int i) { return static_cast<std::size_t>(i); }

const FixedTables& fixed_tables() {
  static const FixedTables tables = [] {
    FixedTables t;
    t.fill();
    return t;
  }();
  return tables;
}

}  // namespace

Int Game::piece_of(Int picture) const {
  if (picture < 1 || picture > 16) return 0;
  return fixed_tables().piece_of_picture[at(shape.range_code)][at(picture)];
}

void Game::step(Int piece, Int field) {
  Int& where = placement[at(piece)];
  move_list.push_back({piece, where, field});
  where = field;
  // Thousands of moves saturate the 16-bit counter rather than wrap around.
  moves = clamp16(long{moves} + 1);
}

void Game::place(Int piece, Int field) {
  ZERDO_ASSERT(piece >= 1 && piece <= 16 && field >= 0 && field <= 16);
  step(piece, field);
  undo_steps.push_back(move_list.back());
  redo_steps.clear();
}

bool Game::undo() {
  if (undo_steps.empty()) return false;
  const Move m = undo_steps.back();
  undo_steps.pop_back();
  step(m.piece, m.from);
  redo_steps.push_back(m);
  return true;
}

bool Game::redo() {
  if (redo_steps.empty()) return false;
  const Move m = redo_steps.back();
  redo_steps.pop_back();
  step(m.piece, m.to);
  undo_steps.push_back(m);
  return true;
}

void Game::restart() {
  placement.fill(0);
  moves = 0;
  move_list.clear();
  undo_steps.clear();
  redo_steps.clear();
  hints = 0;
  judged = false;
}

bool Game::field_right(Int f) const { return placement[at(piece_of(solution[at(f)]))] == f; }

Arrangement Game::board() const {
  Arrangement b{};
  for (Int p = 1; p <= shape.field_count; ++p) {
    const Int f = placement[at(p)];
    if (f < 1 || f > shape.field_count) continue;
    // A field with two pieces shows neither as its own.
    b[at(f)] = b[at(f)] == 0 ? fixed_tables().picture_of_piece[at(shape.range_code)][at(p)] : -1;
  }
  for (Int& picture : b)
    if (picture < 0) picture = 0;
  return b;
}

Verdict Game::judge() const {
  Verdict v;
  for (Int p = 1; p <= shape.field_count; ++p)
    if (placement[at(p)] == 0) return v;
  for (Int f = 1; f <= shape.field_count; ++f)
    if (!field_right(f)) v.wrong_fields.push_back(f);
  // A board that fits every card is right as well, whether or not it is the
  // one the puzzle was made with: a player who reads every card right wins.
  if (!v.wrong_fields.empty() && Solver(sn, shape).fits(board())) v.wrong_fields.clear();
  v.outcome = v.wrong_fields.empty() ? Outcome::Right : Outcome::Wrong;
  return v;
}

void Game::toggle_mark(Int nr) {
  ZERDO_ASSERT(nr >= 1 && nr <= 16);
  marks[at(nr)] = !marks[at(nr)];
}

}  // namespace zerdo
