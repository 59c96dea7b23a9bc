#pragma once
#include <array>
#include <string>
#include <vector>

#include "model/card_table.h"
#include "model/types.h"
#include "view/controls.h"

namespace zerdo {

// What a screen reader tells of the main window's board: one item for each
// piece shown, each field of the board and each clue card, in the words of
// the language in force, with its place in twips.
struct ReaderItem {
  enum class Kind { Piece, Field, Card, StockPlace };
  Kind kind = Kind::Field;
  int index = 0;  // picture id 1..16, field number 1..N, card number 1..N; a stock place: the
                  // picture id of the piece it is for
  std::string name;
  std::string description;
  Int left = 0, top = 0, width = 0, height = 0;

  bool operator==(const ReaderItem& o) const {
    return kind == o.kind && index == o.index && name == o.name && description == o.description;
  }
};

// The board as the reader tells it: what is shown of the board set
// (field_count fields in use) and the cards of the card table behind it.
// field_of gives the field each piece (by picture id) stands on, 0 for the
// stock; carried is the picture id the player holds (0 for none); code is
// the language the words are in. A card the player has ticked off says so
// after its name. home, where given, is each piece's place in the stock
// (left and top twips, by picture id): a place whose piece is on the board
// or carried is told after the cards, empty, so that a keyboard cursor
// standing there has something to say.
struct BoardReading {
  using Homes = std::array<std::array<Int, 2>, 17>;
  const ControlSet& set;
  const CardTable& cards;
  int field_count = 9;
  std::array<Int, 17> field_of{};
  int carried = 0;
  Int code = 0;
  const Homes* home = nullptr;
};
std::vector<ReaderItem> read_board(const BoardReading& board);

// A piece's name ("purple triangle"), by picture id 1..16.
std::string piece_words(int picture, Int code);

// What card record c tells, clue first: its piece (or only its colour or
// its shape) and the fields that piece may stand on (fields, as the card
// reads alone), then the other pieces the card shows; a card tied to an
// anchor piece tells where its piece lies from the anchor.
std::string card_words(const CardRecord& c, const std::vector<Int>& fields, int field_count,
                       Int code);

}  // namespace zerdo
