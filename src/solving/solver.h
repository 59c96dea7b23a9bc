#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/board_shape.h"
#include "model/card_table.h"
#include "model/types.h"

namespace zerdo {

// An arrangement of pieces on the board as the player sees it: the picture id
// on each field 1..16, 0 where no piece lies (index 0 unused), the shape of
// the solution.
using Arrangement = std::array<Int, 17>;

// Counting stops here: a puzzle with this many answers has as good as none.
constexpr int kCountLimit = 1000;

// What the hint has to show.
struct Hint {
  enum class Kind {
    None,   // nothing to show: the board is full and right, or there is no puzzle
    Wrong,  // the piece on the field belongs to no right board
    Place,  // the piece belongs on the field
  };
  Kind kind = Kind::None;
  Int picture = 0;  // the piece, as its picture id
  Int field = 0;
  // The cards (1..field_count) each of which alone puts the piece there with
  // the pieces already placed; empty when no single card decides it.
  std::vector<Int> cards;
  // Place only: more than one answer remains, and this is a piece of one.
  bool one_of_several = false;
};

// What one card says on its own, the other cards and the pieces on the board
// aside: the pieces its picture may stand for and the fields that piece may
// stand on.
struct CardReading {
  std::vector<Int> pictures;  // picture ids, in piece order
  std::vector<Int> fields;    // 1..field_count, ascending
};

// Reads the clue cards as the player reads them drawn, and answers from them
// alone: whether a board fits every card, how many boards do, and what to
// show a player who asks for a hint.
//
// A card reads so. Its picture is a piece, or a blot (a piece of that colour),
// or a black shape (a piece of that shape). A card that marks nothing on its
// small board shows the picture on a cell: that field holds such a piece. A
// card that marks its small board (a grey box, crosses or cells without a
// border) shows its picture beside the small board, and then
//  - the grey box is a field that holds such a piece;
//  - the cells that keep their border are a pattern that may lie anywhere on
//    the board as long as every bordered cell stays on it; the grey box and
//    the pieces drawn on the small board move with it, so a single bordered
//    column tells the row, a single bordered row the column, and a piece
//    drawn on the small board (an anchor) tells only the offset from it;
//  - no piece such as the picture stands on a crossed field.
// Pieces drawn on cells always say that their field holds such a piece.
// Every field has exactly one card: each card is about a field of its own.
class Solver {
 public:
  // The cards are records 1..field_count of sn.
  Solver(const CardTable& sn, const BoardShape& shape);

  // Card 1..field_count as the player reads it alone.
  CardReading reading(int card) const;

  // Whether a full board (every piece of the range once) fits every card.
  bool fits(const Arrangement& board) const;
  // The number of full boards that fit every card, counted up to limit.
  int count(int limit = kCountLimit) const;
  // The full boards that fit every card, up to limit of them.
  std::vector<Arrangement> boards(int limit = kCountLimit) const;
  // The next hint for the pieces placed on board. A right board is one that
  // fits every card or equals the stored solution (which need not fit). In
  // order: a placed piece that no right board has on its field; else a piece
  // whose field is the same on every right board with the pieces placed so
  // far, one that a single card forces where there is one; else a piece of
  // one such board.
  Hint hint(const Arrangement& placed, const Arrangement& stored) const;

  // For the hint and its tests: the cards (1..N) that each alone, with the
  // pieces on board, force picture onto field.
  std::vector<Int> cards_forcing(const Arrangement& placed, Int picture, Int field) const;

 private:
  using Mask = std::uint32_t;
  using Domains = std::array<Mask, 16>;  // pieces possible per field 0..N-1

  struct Need {
    int field;   // 0..N-1
    Mask allow;  // pieces that may stand there
  };
  struct Option {
    int home;  // the card's own field
    std::vector<Need> needs;
  };
  struct Card {
    std::vector<Option> options;
    Mask subject;  // the pieces the card's picture stands for
    Mask crossed;  // crossed fields
  };

  Mask pieces_like(Long picture) const;
  int piece_index(Int picture) const;  // 0..N-1, -1 when not in play
  Int picture_of(int piece) const;
  bool board_to_pieces(const Arrangement& board, std::array<int, 16>& piece) const;
  bool restrict_to(Domains& d, const Arrangement& placed) const;
  bool propagate(Domains& d) const;
  // Every fitting board within d, up to limit; visit gets the piece per field.
  int search(Domains d, int limit, const std::function<void(const Domains&)>& visit) const;
  bool fits_pieces(const std::array<int, 16>& piece) const;
  // Whether a right board lies within plain (pieces per field, the cards not
  // yet read into it): one that fits, or the stored solution where given.
  bool some_right_board(const Domains& plain, const std::array<int, 16>* stored) const;
  Domains with_cards(Domains plain) const;  // narrowed by the crosses
  bool within(const Domains& plain, const std::array<int, 16>& pieces) const;
  std::vector<std::pair<int, int>> forced_by(int card, const Domains& placed) const;

  int n_ = 3;  // side
  int count_ = 9;
  Int range_ = kRange3x3;
  Mask all_ = 0;
  std::vector<Card> cards_;
  Domains start_{};
};

}  // namespace zerdo
