// What a screen reader says of a clue card: the clue first, then where the
// piece may stand, in few words and in the player's language.
#include "view/board_reader.h"

#include <gtest/gtest.h>

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
    int fields;
    Int code;
    const char* words;
  };
  std::vector<Case> cases;
  cases.push_back({"a piece on its field", card(5, 4), 9, 1, "purple circle on field 5"});
  cases.push_back({"German", card(5, 4), 9, 0, "Kreis lila auf Feld 5"});
  cases.push_back({"Flemish", card(16, 16), 16, 2, "cirkel blauw op veld 16"});
  {
    CardRecord c = card(2, 18);  // a red blot, the must-field on field 2
    c.vorgabe = 2;
    c.sperre = 0b110110100;
    cases.push_back({"colour only, must-field", c, 9, 1, "colour red on field 2"});
  }
  {
    CardRecord c = card(4, 22);  // a black circle, crosses on 1 and 2
    c.kreuze = 0b11;
    cases.push_back({"shape only, crosses", c, 9, 1, "shape circle not on field 1, 2"});
  }
  {
    CardRecord c = card(4, 7);  // borderless everywhere but 4 and 9
    c.sperre = 0b011110111;
    cases.push_back({"few fields left", c, 9, 1, "purple square only on field 4, 9"});
  }
  {
    CardRecord c = card(8, 1);  // a column strip: the row is told, not the column
    c.vorgabe = 9;
    c.sperre = 0b011011011;
    cases.push_back({"column strip", c, 9, 1, "purple triangle in row 3"});
  }
  {
    CardRecord c = card(6, 1);  // a row strip on 4x4
    c.vorgabe = 7;
    c.sperre = 0xFFFF & ~0x00F0;
    cases.push_back({"row strip", c, 16, 0, "Dreieck lila in Spalte 3"});
  }
  {
    CardRecord c = card(5, 2);  // anchored to the green square on field 1
    c.vorgabe = 5;
    c.sperre = 0b111101110;
    c.pict_4 = 9;
    c.field_4 = 1;
    cases.push_back({"anchor", c, 9, 1,
                     "red triangle on field 5; anchor green square on field 1, pattern may be "
                     "shifted"});
  }
  {
    CardRecord c = card(3, 3);
    c.pict_2 = 5;
    c.field_2 = 6;
    cases.push_back(
        {"another piece shown", c, 9, 1, "green triangle on field 3; also red circle on field 6"});
  }
  cases.push_back({"nothing at all", CardRecord{}, 9, 1, "no clue"});
  for (const Case& c : cases) EXPECT_EQ(card_words(c.c, c.fields, c.code), c.words) << c.what;
}

}  // namespace
}  // namespace zerdo
