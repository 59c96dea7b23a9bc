#include "play/game.h"

#include <gtest/gtest.h>

#include "model/tables.h"
#include "play/board_spots.h"
#include "view/board_view.h"

namespace zerdo {
namespace {

// A 3x3 game whose solution puts piece p on field p.
Game diagonal_game() {
  FixedTables t;
  t.fill();
  Game g;
  for (Int f = 1; f <= 9; ++f)
    g.solution[static_cast<std::size_t>(f)] =
        t.picture_of_piece[kRange3x3][static_cast<std::size_t>(f)];
  return g;
}

void fill_board(Game& g) {
  for (Int p = 1; p <= g.shape.field_count; ++p) g.place(p, p);
}

TEST(Game, EveryPlacingIsOneMoveAndKeptInOrder) {
  Game g = diagonal_game();
  g.place(3, 5);
  g.place(3, 5);  // dropped where it lay: a move all the same
  g.place(3, 0);  // back to the stock
  g.place(7, 1);
  EXPECT_EQ(g.moves, 4);
  EXPECT_EQ(g.placement[3], 0);
  EXPECT_EQ(g.placement[7], 1);
  const std::vector<Move> expected{{3, 0, 5}, {3, 5, 5}, {3, 5, 0}, {7, 0, 1}};
  EXPECT_EQ(g.move_list, expected);
}

TEST(Game, MoveCountSaturatesWhereTheListGoesOn) {
  Game g = diagonal_game();
  g.moves = 32766;
  g.place(1, 2);
  g.place(1, 3);
  EXPECT_EQ(g.moves, 32767);
  EXPECT_EQ(g.move_list.size(), 2u);
}

TEST(Game, JudgesOnlyAFullBoardAndNamesTheWrongFields) {
  Game g = diagonal_game();
  for (Int p = 1; p <= 8; ++p) g.place(p, p);
  EXPECT_EQ(g.judge().outcome, Outcome::NotFull);
  EXPECT_TRUE(g.judge().wrong_fields.empty());

  g.place(9, 9);
  EXPECT_EQ(g.judge().outcome, Outcome::Right);
  EXPECT_TRUE(g.judge().wrong_fields.empty());

  // Pieces 2 and 6 change places; piece 4 shares field 5 and leaves field 4 empty.
  g.place(2, 6);
  g.place(6, 2);
  g.place(4, 5);
  const Verdict v = g.judge();
  EXPECT_EQ(v.outcome, Outcome::Wrong);
  EXPECT_EQ(v.wrong_fields, (std::vector<Int>{2, 4, 6}));
}

TEST(Game, RestartEmptiesBoardAndMovesButKeepsCardsAndMarks) {
  Game g = diagonal_game();
  g.puzzle_id = "C3";
  g.sn(1, sn_field) = 4;
  g.toggle_mark(2);
  fill_board(g);
  g.restart();
  EXPECT_EQ(g.placement, (std::array<Int, 17>{}));
  EXPECT_EQ(g.moves, 0);
  EXPECT_TRUE(g.move_list.empty());
  EXPECT_EQ(g.judge().outcome, Outcome::NotFull);
  EXPECT_TRUE(g.marks[2]);
  EXPECT_EQ(g.sn(1, sn_field), 4);
  EXPECT_EQ(g.puzzle_id, "C3");
}

TEST(Game, UndoAndRedoRetraceTheReleasesAndEachCountsAsAMove) {
  Game g = diagonal_game();
  EXPECT_FALSE(g.undo());  // nothing to take back: no move either
  EXPECT_FALSE(g.redo());
  EXPECT_EQ(g.moves, 0);
  g.place(3, 5);
  g.place(3, 7);
  g.place(4, 1);
  ASSERT_TRUE(g.undo());  // piece 4 back to the stock
  ASSERT_TRUE(g.undo());  // piece 3 back to field 5
  EXPECT_EQ(g.placement[4], 0);
  EXPECT_EQ(g.placement[3], 5);
  ASSERT_TRUE(g.redo());  // piece 3 to field 7 again
  EXPECT_EQ(g.placement[3], 7);
  EXPECT_EQ(g.moves, 6);
  const std::vector<Move> listed{{3, 0, 5}, {3, 5, 7}, {4, 0, 1}, {4, 1, 0}, {3, 7, 5}, {3, 5, 7}};
  EXPECT_EQ(g.move_list, listed);

  // A new release forgets what was taken back; undo then takes back the new one.
  g.place(2, 9);
  EXPECT_FALSE(g.redo());
  ASSERT_TRUE(g.undo());
  EXPECT_EQ(g.placement[2], 0);
  ASSERT_TRUE(g.undo());
  EXPECT_EQ(g.placement[3], 5);
  ASSERT_TRUE(g.undo());
  EXPECT_EQ(g.placement, (std::array<Int, 17>{}));
  EXPECT_FALSE(g.undo());
  EXPECT_EQ(g.moves, 10);

  g.restart();
  EXPECT_FALSE(g.redo());
  EXPECT_FALSE(g.undo());
}

TEST(Game, UndoingEverythingEmptiesTheBoardAndRedoingRebuildsIt) {
  Game g = diagonal_game();
  // A long, wandering game: pieces onto taken fields, back to the stock.
  unsigned x = 7;
  for (int i = 0; i < 200; ++i) {
    x = x * 1103515245u + 12345u;
    g.place(static_cast<Int>(1 + (x >> 8) % 9), static_cast<Int>((x >> 16) % 10));
  }
  const auto board = g.placement;
  while (g.undo()) {
  }
  EXPECT_EQ(g.placement, (std::array<Int, 17>{}));
  while (g.redo()) {
  }
  EXPECT_EQ(g.placement, board);
  EXPECT_EQ(g.moves, 600);
}

TEST(Game, MarksToggleAndClear) {
  Game g;
  g.toggle_mark(4);
  g.toggle_mark(9);
  g.toggle_mark(4);
  EXPECT_FALSE(g.marks[4]);
  EXPECT_TRUE(g.marks[9]);
  g.clear_marks();
  EXPECT_EQ(g.marks, (std::array<bool, 17>{}));
}

TEST(BoardSpots, APieceSnappedOnAFieldIsFoundOnThatField) {
  for (const Int range : {kRange3x3, kRange4x4}) {
    const bool four = range == kRange4x4;
    const BoardShape shape{range, static_cast<Int>(four ? 16 : 9), static_cast<Int>(four ? 4 : 3)};
    const Layout& at = four ? kLayout4x4 : kLayout3x3;
    for (Int f = 1; f <= shape.field_count; ++f) {
      const Spot s = field_spot(at, shape, f);
      EXPECT_EQ(field_at(at, shape, s.left, s.top), f) << "range " << range << " field " << f;
      EXPECT_EQ(piece_spot(at, shape, 1, f), s);
    }
    // The stock lies beside the board.
    for (Int p = 1; p <= shape.field_count; ++p) {
      const Spot s = stock_spot(at, shape, p);
      EXPECT_EQ(field_at(at, shape, s.left, s.top), 0) << "range " << range << " piece " << p;
      EXPECT_EQ(piece_spot(at, shape, p, 0), s);
    }
  }
}

TEST(BoardSpots, FieldAtEdgesOfTheBoard) {
  const BoardShape shape;
  const Layout& at = kLayout3x3;
  const Int x0 = at.board_left, y0 = at.board_top, w = at.field_width;
  struct Case {
    Int x, y, field;
  } cases[] = {
      {x0 - 50, y0 - 50, 1},          // the reference point 50 twips in: on the corner
      {x0 - 51, y0, 0},               // just left of the board
      {x0, y0 - 51, 0},               // just above it
      {x0 + 3 * w, y0, 3},            // the corner on the right edge
      {x0 + 3 * w + 1, y0, 0},        // beyond it
      {x0 + w - 50, y0 + w - 50, 1},  // the last point of field 1
      {x0 + w - 49, y0 + w - 49, 5},  // the first of field 5
  };
  for (const Case& c : cases)
    EXPECT_EQ(field_at(at, shape, c.x, c.y), c.field) << c.x << "," << c.y;
}

}  // namespace
}  // namespace zerdo
