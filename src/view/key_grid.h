#pragma once

namespace zerdo {

// The places the keyboard's arrows lead over, on a fixed grid: the stock
// (one column per shape, one row per colour), the board's fields below it
// and the clue cards beside both, each block `side` rows by `side` columns.
// Every place of a block is a place, whether a piece stands there or not,
// so that a key always goes the same way from the same place.
struct KeyPlace {
  enum class Block { Stock, Board, Cards };
  Block block = Block::Stock;
  int row = 0;     // 0..side-1 from the top
  int column = 0;  // 0..side-1 from the left

  bool operator==(const KeyPlace& o) const {
    return block == o.block && row == o.row && column == o.column;
  }
  bool operator!=(const KeyPlace& o) const { return !(*this == o); }
};

// The number of a place within its block, row by row from 1: the field or
// card number; for the stock, the piece number (shape-major: column by
// column), so that a stock place is the home of one piece.
int place_number(const KeyPlace& place, int side);
KeyPlace stock_place(int piece, int side);
KeyPlace board_place(int field, int side);
KeyPlace card_place(int card, int side);

enum class Arrow { Left, Right, Up, Down };

// Where the cursor stands, and the block (stock or board) it last left for
// the cards, which Left from the cards' first column goes back to.
struct KeyCursor {
  KeyPlace at;
  KeyPlace::Block beside = KeyPlace::Block::Board;
};

// The cursor after an arrow key on a board of side 3 or 4; cards says
// whether the cards can be reached (not while a piece is carried).
// Up and Down go through the stock's rows into the board's and back, and
// stop at the top of the stock, the bottom of the board and the cards'
// first and last rows (nothing wraps). Right from the last column of the
// stock or the board goes to the first card of the same row of cards (row
// r of the board to row r of the cards); Left from the first card of a row
// comes back to the same row of the block it came from, at its last column.
// An arrow that leads nowhere leaves the cursor where it is.
KeyCursor step(const KeyCursor& from, Arrow arrow, int side, bool cards);

}  // namespace zerdo
