#include <gtest/gtest.h>

#include <algorithm>

#include "fake_host.h"

namespace zerdo::gentest {
namespace {

struct ProzentCase {
  Int p;
  float u;
  bool expected;
  Int p_after;
};

class ProzentTest : public GeneratorTest, public ::testing::WithParamInterface<ProzentCase> {};

TEST_P(ProzentTest, DecidesOnOneNumberAndRepairsThePercentage) {
  const ProzentCase c = GetParam();
  Int p = c.p;
  host.play({c.u});
  EXPECT_EQ(c.expected, gen.prozent(p));
  EXPECT_EQ(c.p_after, p);
  EXPECT_EQ(1, host.draws);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ProzentTest,
    ::testing::Values(ProzentCase{0, 0.0f, false, 0},           // 0 never
                      ProzentCase{100, kAlmostOne, true, 100},  // 100 always
                      ProzentCase{150, 0.49f, true, 50},        // out of range -> 50
                      ProzentCase{150, 0.5f, false, 50}, ProzentCase{-1, 0.2f, true, 50},
                      ProzentCase{75, 0.7499f, true, 75}, ProzentCase{75, 0.75f, false, 75},
                      // 0.29f * 100 is just below 29 exactly, but 29 in single precision
                      ProzentCase{29, 0.29f, false, 29}));

TEST_F(GeneratorTest, FiftyFiftyGivesTheSecondValueOnTheLowerHalf) {
  host.play({0.49f, 0.5f});
  EXPECT_EQ(7, gen.fifty_fifty(3, 7));
  EXPECT_EQ(3, gen.fifty_fifty(3, 7));
  EXPECT_EQ(2, host.draws);
}

TEST_F(GeneratorTest, RowOfOneIsOne) {
  shape = BoardShape{1, 1, 1};
  host.play({kAlmostOne});
  gen.calc_a_row_1_n(sn_rsv_1, 1);
  EXPECT_EQ(1, sn(1, sn_rsv_1));
  EXPECT_EQ(1, host.draws);
}

TEST_F(GeneratorTest, RowFollowsTheScriptedNumbersAndLeavesOtherRecordsAlone) {
  for (int r = 1; r <= kRecords; ++r) sn(r, sn_rsv_1) = 99;
  host.play(kRowScript);
  gen.calc_a_row_1_n(sn_rsv_1, 9);
  for (int r = 1; r <= 9; ++r)
    EXPECT_EQ(kRowResult[static_cast<std::size_t>(r - 1)], sn(r, sn_rsv_1)) << r;
  for (int r = 10; r <= kRecords; ++r) EXPECT_EQ(99, sn(r, sn_rsv_1)) << r;
  EXPECT_TRUE(host.script_used_up());
  EXPECT_EQ(9, host.draws);
}

TEST_F(GeneratorTest, RowNeverPassesNForTheLargestNumber) {
  // n x u + 1 rounds up to n + 1 in single precision for u just below 1.
  for (const BoardShape s : {BoardShape{1, 9, 3}, BoardShape{2, 16, 4}}) {
    shape = s;
    host.play({kAlmostOne, kAlmostOne});
    gen.calc_a_row_1_n(0, s.field_count);
    EXPECT_EQ(s.field_count, sn(1, 0));
    EXPECT_EQ(1, sn(2, 0));  // (N mod N) + 1
  }
}

TEST_F(GeneratorTest, RowIsAPermutationOnBothBoards) {
  for (const BoardShape s : {BoardShape{1, 9, 3}, BoardShape{2, 16, 4}}) {
    shape = s;
    for (int round = 0; round < 200; ++round) {
      host.play({});
      gen.calc_a_row_1_n(sn_rsv_1, s.field_count);
      std::vector<Long> values;
      for (int r = 1; r <= s.field_count; ++r) values.push_back(sn(r, sn_rsv_1));
      std::sort(values.begin(), values.end());
      for (int v = 1; v <= s.field_count; ++v)
        ASSERT_EQ(v, values[static_cast<std::size_t>(v - 1)]);
      ASSERT_EQ(s.field_count, host.draws);
    }
  }
}

TEST(RandomSourceTest, FillGivesTheNumbersNextWouldGive) {
  // Every count around the four-at-a-time steps, one source drawing singly
  // and one filling, from the same seed.
  for (int count = 0; count <= 17; ++count) {
    RandomSource single, batch;
    single.seed(20261210);
    batch.seed(20261210);
    float filled[17] = {};
    batch.fill(filled, count);
    for (int i = 0; i < count; ++i)
      ASSERT_EQ(single.next(), filled[i]) << "count " << count << ", number " << i;
    EXPECT_EQ(single.next(), batch.next()) << "the state after " << count;
  }
}

TEST_F(GeneratorTest, AskForAlertsWithBlankedNumbersOnlyWhenTheConditionHolds) {
  gen.ask_for(false, 443, 5);
  EXPECT_TRUE(alerts().empty());
  gen.ask_for(true, 443, 5);
  gen.ask_for(true, -2, 0);
  ASSERT_EQ(2u, alerts().size());
  EXPECT_EQ("!! Internal error 443 bei 5!!", alerts()[0]);
  EXPECT_EQ("!! Internal error-2 bei 0!!", alerts()[1]);
  EXPECT_EQ(0, host.draws);
}

}  // namespace
}  // namespace zerdo::gentest
