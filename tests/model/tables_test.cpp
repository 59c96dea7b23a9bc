#include "model/tables.h"

#include <gtest/gtest.h>

#include "model/card_table.h"

namespace zerdo {
namespace {

TEST(FixedTables, PieceNumbersOfBothRanges) {
  FixedTables t;
  t.fill();
  for (int k = 10; k <= 16; ++k) EXPECT_EQ(t.piece_of_picture[1][k], 0) << "picture " << k;
  EXPECT_EQ(t.piece_of_picture[2][15], 4);   // drei_blau
  EXPECT_EQ(t.piece_of_picture[2][14], 12);  // vier_blau
  for (int range = 1; range <= 2; ++range) {
    const int n = range == 1 ? 9 : 16;
    for (int p = 1; p <= n; ++p)
      EXPECT_EQ(t.piece_of_picture[range][t.picture_of_piece[range][p]], p) << range << "/" << p;
  }
  EXPECT_EQ(t.field_bit[1], 1);
  EXPECT_EQ(t.field_bit[16], 32768);
  EXPECT_EQ(t.picture_attr[13][1], 4);  // plus_blau
  EXPECT_EQ(t.picture_attr[16][2], 2);  // rund_blau
}

TEST(CardTable, KopiereCopiesOnlyPositiveEntries) {
  CardTable sn;
  sn(1, 3) = 5;
  sn(2, 3) = 0;
  sn(3, 3) = -1;
  sn(1, 4) = 7;
  sn(2, 4) = 8;
  sn(3, 4) = 9;
  CardTable before = sn;
  kopiere(sn, 9, 4, 4);
  EXPECT_EQ(sn, before);
  kopiere(sn, 9, 3, 4);
  EXPECT_EQ(sn(1, 4), 5);
  EXPECT_EQ(sn(2, 4), 8);
  EXPECT_EQ(sn(3, 4), 9);
}

}  // namespace
}  // namespace zerdo
