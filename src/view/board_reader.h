#pragma once
#include <array>
#include <string>
#include <vector>

#include "model/types.h"
#include "view/controls.h"

namespace zerdo {

// What a screen reader tells of the main window's board: one item for each
// piece shown, each field of the board and each clue card, in words built
// from the tool tips of the language in force, with its place in twips.
struct ReaderItem {
  enum class Kind { Piece, Field, Card };
  Kind kind = Kind::Field;
  int index = 0;  // picture id 1..16, field number 1..N, card number 1..N
  std::string name;
  std::string description;
  Int left = 0, top = 0, width = 0, height = 0;
};

// The items of the board set, field_count fields of it in use. field_of
// gives the field each piece (by picture id) stands on, 0 for the stock;
// code is the language the words are in. A card the player has ticked off
// (marked) says so after its name.
std::vector<ReaderItem> read_board(const ControlSet& set, int field_count,
                                   const std::array<Int, 17>& field_of, Int code);

// The words of one card: every sign on it (clue pictures, must-field box,
// crosses, cells the piece is not in), each with the cell it lies in.
std::string read_card(const ControlSet& set, int card, int field_count, Int code);

}  // namespace zerdo
