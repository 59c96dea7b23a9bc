// The keyboard's stops, shared by the window and the web page: the grid's
// places with their areas, the piece picked up at each, and the corner a
// carried piece is put down at.
#include "play/key_stops.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "play/fake_platform.h"
#include "play/frm_main.h"

namespace zerdo {
namespace {

using testing::FakePlatform;

int count(const std::vector<KeyStop>& stops, KeyStop::Kind kind) {
  int n = 0;
  for (const KeyStop& s : stops) n += s.kind == kind ? 1 : 0;
  return n;
}

TEST(KeyStops, EveryPlaceIsAStopAndAPieceCarriedByThemLandsOnItsField) {
  FakePlatform platform;
  FrmMain w{platform};
  w.start_up();
  const std::vector<KeyStop> all = key_stops(w);
  ASSERT_EQ(all.size(), 27u);
  // Each stop is its own place on the grid and comes back with its area.
  for (const KeyStop& s : all) {
    const KeyStop back = stop_at(w, key_place(w, s));
    EXPECT_TRUE(back.same_place(s)) << s.index;
    EXPECT_EQ(back.left, s.left);
    EXPECT_EQ(back.top, s.top);
    EXPECT_GT(s.width, 0);
  }

  // The piece for field 5, carried by the keyboard to it and put down.
  const int k = w.state().solution[5];
  const KeyStop home = stock_stop(w, k);
  EXPECT_EQ(piece_at_stop(w, home), k);
  w.picture_mouse_down(k);
  const std::vector<KeyStop> carrying = key_stops(w, k);
  EXPECT_EQ(count(carrying, KeyStop::Kind::Card), 0);  // never put down on a card
  EXPECT_EQ(count(carrying, KeyStop::Kind::Stock), 9);
  const KeyStop field = stop_at(w, board_place(5, 3));
  const Control& piece = *w.controls().find_picture(Role::Piece, k);
  const Spot corner = drop_corner(w, k, field);
  w.picture_mouse_move(k, corner.left - piece.left, corner.top - piece.top);
  w.picture_mouse_up(k);
  EXPECT_EQ(w.state().placement[static_cast<std::size_t>(
                w.state().tables.piece_of_picture[static_cast<std::size_t>(
                    w.state().shape.range_code)][static_cast<std::size_t>(k)])],
            5);

  // Its stock place stays a stop, empty now; the field holds it.
  EXPECT_EQ(count(key_stops(w), KeyStop::Kind::Stock), 9);
  EXPECT_EQ(piece_at_stop(w, home), 0);
  EXPECT_EQ(piece_at_stop(w, field), k);
}

TEST(KeyStops, AStopTheBoardHasNotHoldsNoPiece) {
  FakePlatform platform;
  FrmMain w{platform};
  w.start_up();
  for (const int k : {-1, 0, 17, 1000}) {
    const KeyStop s = stock_stop(w, k);
    EXPECT_EQ(s.width, 0) << k;
    EXPECT_EQ(piece_at_stop(w, s), 0) << k;
    EXPECT_EQ(piece_at_stop(w, KeyStop{KeyStop::Kind::Field, k}), 0) << k;
  }
}

}  // namespace
}  // namespace zerdo
