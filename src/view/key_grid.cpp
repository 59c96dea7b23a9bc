#include "view/key_grid.h"

namespace zerdo {

int place_number(const KeyPlace& place, int side) {
  if (place.block == KeyPlace::Block::Stock) return place.column * side + place.row + 1;
  return place.row * side + place.column + 1;
}

KeyPlace stock_place(int piece, int side) {
  return {KeyPlace::Block::Stock, (piece - 1) % side, (piece - 1) / side};
}

KeyPlace board_place(int field, int side) {
  return {KeyPlace::Block::Board, (field - 1) / side, (field - 1) % side};
}

KeyPlace card_place(int card, int side) {
  return {KeyPlace::Block::Cards, (card - 1) / side, (card - 1) % side};
}

KeyCursor step(const KeyCursor& from, Arrow arrow, int side, bool cards) {
  using Block = KeyPlace::Block;
  KeyCursor to = from;
  KeyPlace& at = to.at;
  const int last = side - 1;
  switch (arrow) {
    case Arrow::Up:
      if (at.row > 0)
        --at.row;
      else if (at.block == Block::Board)
        at = {Block::Stock, last, at.column};
      break;
    case Arrow::Down:
      if (at.row < last)
        ++at.row;
      else if (at.block == Block::Stock)
        at = {Block::Board, 0, at.column};
      break;
    case Arrow::Left:
      if (at.column > 0)
        --at.column;
      else if (at.block == Block::Cards)
        at = {from.beside, at.row, last};
      break;
    case Arrow::Right:
      if (at.column < last) {
        ++at.column;
      } else if (at.block != Block::Cards && cards) {
        to.beside = at.block;
        at = {Block::Cards, at.row, 0};
      }
      break;
  }
  return to;
}

}  // namespace zerdo
