#include <gtest/gtest.h>

#include "fake_host.h"

namespace zerdo::gentest {
namespace {

// One calc_minimum case: the earlier cards' fields, the card's own field, its
// crosses, the scripted numbers and the outcome.
struct MinimumCase {
  const char* name;
  bool big;
  std::vector<Long> earlier;
  Long field;
  Long kreuze;
  std::vector<float> script;
  Long sperre;
  Long vorgabe;
};

class MinimumTest : public GeneratorTest, public ::testing::WithParamInterface<MinimumCase> {};

TEST_P(MinimumTest, ReducesTheCardToOneStrip) {
  const MinimumCase& c = GetParam();
  if (c.big) use_4x4();
  const Int r = static_cast<Int>(c.earlier.size() + 1);
  for (Int i = 1; i < r; ++i) sn(i, sn_field) = c.earlier[static_cast<std::size_t>(i - 1)];
  sn(r, sn_field) = c.field;
  sn(r, sn_kreuze) = c.kreuze;
  sn(r, sn_vorgabe) = c.kreuze == 0 ? c.field : 0;
  host.play(c.script);
  gen.calc_minimum(r);
  EXPECT_EQ(c.sperre, sn(r, sn_sperre));
  EXPECT_EQ(c.vorgabe, sn(r, sn_vorgabe));
  EXPECT_TRUE(host.script_used_up());
  EXPECT_EQ(static_cast<int>(c.script.size()), host.draws);
}

// Draws: 80 per cent to move at all, then the fifty-fifty between the two
// lower other lines (lower half: the second), on 4x4 30 per cent for the third.
INSTANTIATE_TEST_SUITE_P(
    Cases, MinimumTest,
    ::testing::Values(
        MinimumCase{"RowMatesTakenStays", false, {2, 3}, 1, 0, {0.9f}, 438, 1},
        MinimumCase{"RowMatesTakenToColumn3", false, {2, 3}, 1, 0, {0.1f, 0.2f}, 219, 3},
        MinimumCase{"RowMatesTakenToColumn2", false, {2, 3}, 1, 0, {0.1f, 0.7f}, 365, 2},
        MinimumCase{"CrossedCardKeepsNoBox", false, {2, 3}, 1, 6, {0.1f, 0.2f}, 219, 0},
        MinimumCase{"ColumnMatesTakenStays", false, {4, 7}, 1, 0, {0.8f}, 504, 1},
        MinimumCase{"ColumnMatesTakenToRow2", false, {4, 7, 3}, 1, 0, {0.1f, 0.7f}, 455, 4},
        MinimumCase{"ColumnMatesTakenToRow3", false, {7, 4}, 1, 0, {0.1f, 0.2f}, 63, 7},
        MinimumCase{"NeitherLineFull", false, {2, 4}, 1, 0, {}, 0, 1},
        MinimumCase{"Row4ToRow1", true, {1, 5, 9}, 13, 0, {0.1f, 0.6f, 0.5f}, 65520, 1},
        MinimumCase{"Row4ToRow2", true, {1, 5, 9}, 13, 0, {0.1f, 0.4f, 0.5f}, 65295, 5},
        MinimumCase{"Row4ToRow3", true, {1, 5, 9}, 13, 0, {0.1f, 0.6f, 0.2f}, 61695, 9},
        MinimumCase{"Row4Stays", true, {1, 5, 9}, 13, 0, {0.85f}, 4095, 13},
        MinimumCase{
            "Column2ToColumn3", true, {5, 7, 8}, 6, 0, {0.1f, 0.3f, 0.9f}, 4369 + 8738 + 34952, 7},
        MinimumCase{
            "Column2ToColumn4", true, {8, 7, 5}, 6, 0, {0.1f, 0.3f, 0.1f}, 4369 + 8738 + 17476, 8}),
    [](const ::testing::TestParamInfo<MinimumCase>& i) { return std::string(i.param.name); });

TEST_F(GeneratorTest, MinimumLeavesAnchoredCardsAlone) {
  sn(1, sn_field) = 2;
  sn(2, sn_field) = 3;
  sn(3, sn_field) = 1;
  sn(3, sn_vorgabe) = 1;
  sn(3, sn_anker) = kTrue;
  host.play({});
  gen.calc_minimum(3);
  EXPECT_EQ(0, sn(3, sn_sperre));
  EXPECT_EQ(1, sn(3, sn_vorgabe));
  EXPECT_EQ(0, host.draws);
}

TEST_F(GeneratorTest, MinimumKeepsAGreyBoxOnTheBoard) {
  // A box that is not on the card's own row would leave the board; it stays.
  sn(1, sn_field) = 4;
  sn(2, sn_field) = 7;
  sn(3, sn_field) = 1;
  sn(3, sn_vorgabe) = 9;
  host.play({0.1f, 0.2f});  // to row 3: the box would move by 6
  gen.calc_minimum(3);
  EXPECT_EQ(63, sn(3, sn_sperre));
  EXPECT_EQ(9, sn(3, sn_vorgabe));
}

}  // namespace
}  // namespace zerdo::gentest
