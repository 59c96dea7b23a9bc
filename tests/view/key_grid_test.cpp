#include "view/key_grid.h"

#include <gtest/gtest.h>

#include <string>

namespace zerdo {
namespace {

using Block = KeyPlace::Block;

KeyPlace place(Block block, int number, int side) {
  switch (block) {
    case Block::Stock:
      return stock_place(number, side);
    case Block::Board:
      return board_place(number, side);
    case Block::Cards:
      break;
  }
  return card_place(number, side);
}

// Arrows from a place: L, R, U, D; cards reachable unless the case carries
// a piece.
KeyPlace walk(KeyPlace from, const std::string& keys, int side, bool carried = false) {
  KeyCursor c{from};
  for (const char k : keys) {
    const Arrow a = k == 'L'   ? Arrow::Left
                    : k == 'R' ? Arrow::Right
                    : k == 'U' ? Arrow::Up
                               : Arrow::Down;
    c = step(c, a, side, !carried);
  }
  return c.at;
}

std::string said(const KeyPlace& p, int side) {
  const char* block[] = {"stock", "field", "card"};
  return std::string(block[static_cast<int>(p.block)]) + " " +
         std::to_string(place_number(p, side));
}

TEST(KeyGrid, PathsOnBothRanges) {
  struct Case {
    int side;
    Block from;
    int number;
    const char* keys;
    Block to;
    int to_number;
    bool carried = false;
  };
  const Case cases[] = {
      // The stock, column by column a shape: piece 2 lies below piece 1.
      {3, Block::Stock, 1, "D", Block::Stock, 2},
      {3, Block::Stock, 1, "R", Block::Stock, 4},
      {3, Block::Stock, 1, "DDD", Block::Board, 1},    // through the stock onto the board
      {3, Block::Board, 2, "UUUUU", Block::Stock, 4},  // and up to the stock's top, no further
      {3, Block::Board, 9, "DR", Block::Cards, 7},
      {3, Block::Board, 1, "LL", Block::Board, 1},
      // From a field row to the card row of the same number, and back.
      {3, Block::Board, 3, "R", Block::Cards, 1},
      {3, Block::Board, 6, "R", Block::Cards, 4},
      {3, Block::Board, 6, "RL", Block::Board, 6},
      {3, Block::Board, 6, "RDL", Block::Board, 9},
      {3, Block::Stock, 7, "R", Block::Cards, 1},
      {3, Block::Stock, 7, "RL", Block::Stock, 7},
      {3, Block::Stock, 8, "RDL", Block::Stock, 9},
      // The cards' edges hold: nothing wraps, nothing leads down to a field.
      {3, Block::Cards, 9, "DR", Block::Cards, 9},
      {3, Block::Cards, 1, "UR", Block::Cards, 2},
      {3, Block::Cards, 5, "L", Block::Cards, 4},
      // A carried piece goes onto no card.
      {3, Block::Board, 3, "R", Block::Board, 3, true},
      {4, Block::Board, 12, "R", Block::Cards, 9},
      {4, Block::Board, 12, "RL", Block::Board, 12},
      {4, Block::Board, 4, "RDDD", Block::Cards, 13},
      {4, Block::Board, 4, "RDDDL", Block::Board, 16},
      {4, Block::Cards, 16, "DD", Block::Cards, 16},
      {4, Block::Cards, 13, "L", Block::Board, 16},  // came from nowhere: the board
      {4, Block::Stock, 4, "D", Block::Board, 1},
      {4, Block::Stock, 13, "RDL", Block::Stock, 14},
      {4, Block::Board, 16, "R", Block::Board, 16, true},
  };
  for (const Case& c : cases) {
    const KeyPlace end = walk(place(c.from, c.number, c.side), c.keys, c.side, c.carried);
    EXPECT_EQ(said(place(c.to, c.to_number, c.side), c.side), said(end, c.side))
        << c.side << "x" << c.side << " from " << said(place(c.from, c.number, c.side), c.side)
        << " by " << c.keys;
  }
}

// Right from the last place of every row of the stock and the board, and
// Left again: back where the cursor was; numbers and places agree.
TEST(KeyGrid, RightThenLeftComesBackFromEveryRow) {
  for (const int side : {3, 4}) {
    for (const Block block : {Block::Stock, Block::Board}) {
      for (int row = 0; row < side; ++row) {
        const KeyPlace start{block, row, side - 1};
        const KeyPlace card = walk(start, "R", side);
        EXPECT_EQ(Block::Cards, card.block);
        EXPECT_EQ(row, card.row);
        EXPECT_EQ(0, card.column);
        EXPECT_EQ(start, walk(start, "RL", side)) << said(start, side);
      }
    }
    for (int n = 1; n <= side * side; ++n) {
      EXPECT_EQ(n, place_number(stock_place(n, side), side));
      EXPECT_EQ(n, place_number(board_place(n, side), side));
      EXPECT_EQ(n, place_number(card_place(n, side), side));
    }
  }
}

}  // namespace
}  // namespace zerdo
