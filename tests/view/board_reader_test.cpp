// What a screen reader says of a clue card: the clue first, then where the
// piece may stand, in few words and in the player's language.
#include "view/board_reader.h"

#include <gtest/gtest.h>

#include "solving/solver.h"

namespace zerdo {
namespace {

CardRecord card(Long field, Long pict) {
  CardRecord c;
  c.field = field;
  c.loesung = pict;
  c.pict = pict;
  return c;
}

TEST(CardWords, ClueFirstThenWhereThePieceMayStand) {
  struct Case {
    const char* what;
    CardRecord c;
    std::vector<Int> fields;  // as the card reads alone
    int field_count;
    Int code;
    const char* words;
  };
  CardRecord anchored = card(5, 2);  // the grey box one row down, one column right
  anchored.vorgabe = 5;
  anchored.pict_4 = 9;
  anchored.field_4 = 1;
  CardRecord also = card(3, 3);
  also.pict_2 = 5;
  also.field_2 = 6;
  const Case cases[] = {
      {"a piece on its field", card(5, 4), {5}, 9, 1, "purple circle on field 5"},
      {"German", card(5, 4), {5}, 9, 0, "Kreis lila auf Feld 5"},
      {"Flemish", card(16, 16), {16}, 16, 2, "cirkel blauw op veld 16"},
      {"colour only", card(2, 18), {2}, 9, 1, "colour red on field 2"},
      {"shape only, two fields ruled out",
       card(4, 22),
       {3, 4, 5, 6, 7, 8, 9},
       9,
       1,
       "shape circle not on field 1, 2"},
      {"few fields left", card(4, 7), {4, 9}, 9, 1, "purple square only on field 4, 9"},
      {"a row", card(8, 1), {7, 8, 9}, 9, 1, "purple triangle in row 3"},
      {"a column", card(7, 1), {3, 7, 11, 15}, 16, 0, "Dreieck lila in Spalte 3"},
      {"three fields, not a line",
       card(7, 1),
       {3, 7, 12},
       16,
       1,
       "purple triangle only on field 3, 7, 12"},
      {"anchor",
       anchored,
       {5, 6, 8, 9},
       9,
       1,
       "red triangle only on field 5, 6, 8, 9; anchor green square: row +1, column +1"},
      {"another piece shown",
       also,
       {3},
       9,
       1,
       "green triangle on field 3; also red circle on field 6"},
      {"a card no board fits", card(1, 1), {}, 9, 2, "driehoek paars op geen enkel veld"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(card_words(c.c, c.fields, c.field_count, c.code), c.words) << c.what;
}

// The board's cards are told as the solver reads them: the fields in the
// words are the fields the card leaves its piece.
TEST(CardWords, BoardCardsTellTheSolversReading) {
  CardTable sn;
  const Long pict[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (int r = 1; r <= 9; ++r) {
    sn(r, sn_nr) = r;
    sn(r, sn_field) = r;
    sn(r, sn_Loesung) = pict[r];
    sn(r, sn_pict) = pict[r];
    sn(r, sn_titel) = -1;
  }
  // Card 4 keeps only the middle column: its piece is in row 2.
  sn(4, sn_vorgabe) = 5;
  sn(4, sn_sperre) = 0b101101101;
  ControlSet set;
  for (int i = 0; i < 9; ++i) {
    Control c;
    c.name = "Frame_1_0";
    c.index = i;
    c.role = Role::Card;
    c.visible = true;
    set.add(c);
  }
  const std::vector<ReaderItem> items = read_board({set, sn, 9, {}, 0, 1});
  ASSERT_EQ(items.size(), 9u);
  EXPECT_EQ(items[3].name, "Card 4");
  EXPECT_EQ(items[3].description, "purple circle in row 2");
  EXPECT_EQ(items[0].description, "purple triangle on field 1");
}

}  // namespace
}  // namespace zerdo
