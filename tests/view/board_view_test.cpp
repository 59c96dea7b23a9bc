#include "view/board_view.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "model/card_table.h"
#include "model/pictures.h"

namespace zerdo {
namespace {

// Cards drawn again and again without the reset in between: the use counts
// stop at their largest value instead of wrapping to a negative index, and
// the instances drawn first keep their places.
TEST(BoardViewTest, RedrawingWithoutResetNeverWrapsTheUseCounts) {
  BoardView view;
  view.lay_out_board(1);
  CardRecord card;
  card.field = 1;
  card.pict = 17;   // a clue picture
  card.kreuze = 2;  // one cross, on cell 2
  for (int i = 0; i < 40000; ++i) view.draw_card(1, card);
  EXPECT_EQ(INT16_MAX, view.pict_used()[17]);
  EXPECT_EQ(INT16_MAX, view.pict_used()[kCrossId]);
  view.clear_card_faces();
  EXPECT_EQ(0, view.pict_used()[17]);
}

}  // namespace
}  // namespace zerdo
