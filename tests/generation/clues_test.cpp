#include <gtest/gtest.h>

#include <bitset>

#include "fake_host.h"

namespace zerdo::gentest {
namespace {

// calc_klex_and_figur: the pieces of the earlier cards, the card's own piece
// and what the card gets in sn_rsv_1 (0 = nothing).
struct KlexCase {
  const char* name;
  bool big;  // 4x4
  std::vector<Long> earlier;
  Long own;
  float u;
  Long expected;
  int draws;
};

class KlexTest : public GeneratorTest, public ::testing::WithParamInterface<KlexCase> {};

TEST_P(KlexTest, NamesThePieceByItsLastColourOrShape) {
  const KlexCase& c = GetParam();
  if (c.big) use_4x4();
  const Int r = static_cast<Int>(c.earlier.size() + 1);
  for (Int i = 1; i < r; ++i) sn(i, sn_pict) = c.earlier[static_cast<std::size_t>(i - 1)];
  sn(r, sn_pict) = c.own;
  host.play({c.u});
  gen.calc_klex_and_figur(r, sn_rsv_1);
  EXPECT_EQ(c.expected, sn(r, sn_rsv_1));
  EXPECT_EQ(c.draws, host.draws);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KlexTest,
    ::testing::Values(KlexCase{"FirstCardNever", false, {}, 1, 0.0f, 0, 0},
                      KlexCase{"OneOtherLilaIsNotEnough", false, {4}, 1, 0.0f, 0, 0},
                      KlexCase{"LastTriangle", false, {2, 3}, 1, 0.0f, 21, 0},
                      KlexCase{"LastLila", false, {4, 7}, 1, 0.0f, 17, 0},
                      KlexCase{"BothLastShapeOnLowerHalf", false, {2, 3, 4, 7}, 1, 0.49f, 21, 1},
                      KlexCase{"BothLastColourOnUpperHalf", false, {2, 3, 4, 7}, 1, 0.5f, 17, 1},
                      KlexCase{"LastBlueOf4x4", true, {13, 14, 15}, 16, 0.0f, 20, 0},
                      KlexCase{"LastPlusOf4x4", true, {10, 11, 12}, 13, 0.0f, 24, 0},
                      KlexCase{"TwoOfFourIsNotEnough", true, {10, 11}, 13, 0.0f, 0, 0}),
    [](const ::testing::TestParamInfo<KlexCase>& i) { return std::string(i.param.name); });

TEST_F(GeneratorTest, BisJetztGespieltCountsOnlyTheEarlierCards) {
  const Long fields[] = {0, 5, 1, 9, 2};
  const Long picts[] = {0, 1, 5, 9, 4};
  for (int r = 1; r <= 4; ++r) {
    sn(r, sn_field) = fields[r];
    sn(r, sn_pict) = picts[r];
  }
  Int r = 4;
  gen.bis_jetzt_gespielt(r);
  EXPECT_EQ(4, r);
  EXPECT_EQ(1, gen.attr_count(1, 1));  // lila: 1
  EXPECT_EQ(1, gen.attr_count(1, 2));  // rood: 5
  EXPECT_EQ(1, gen.attr_count(1, 3));  // vert: 9
  EXPECT_EQ(1, gen.attr_count(2, 1));  // drei: 1
  EXPECT_EQ(1, gen.attr_count(2, 2));  // rund: 5
  EXPECT_EQ(1, gen.attr_count(2, 3));  // vier: 9
  EXPECT_EQ(1, gen.cur_attr(1));       // rund_lila
  EXPECT_EQ(2, gen.cur_attr(2));
  for (int f = 1; f <= 9; ++f) EXPECT_EQ(f == 5 || f == 1 || f == 9, gen.field_taken(f)) << f;

  Int past_end = 12;
  gen.bis_jetzt_gespielt(past_end);
  EXPECT_EQ(9, past_end);
}

TEST_F(GeneratorTest, GesperrtCrossesTheFieldsStillFreeAfterThisCard) {
  const Long fields[] = {0, 5, 1, 9};
  for (int r = 1; r <= 3; ++r) {
    sn(r, sn_field) = fields[r];
    sn(r, sn_vorgabe) = fields[r];
  }
  host.play({0.9f});  // one card in four keeps its clue
  gen.calc_gesperrt(2, 0);
  EXPECT_EQ(0, sn(2, sn_kreuze));
  EXPECT_EQ(1, sn(2, sn_vorgabe));

  host.play({0.1f});
  gen.calc_gesperrt(2, 0);
  EXPECT_EQ(2 + 4 + 8 + 32 + 64 + 128 + 256, sn(2, sn_kreuze));  // all but fields 5 and 1
  EXPECT_EQ(0, sn(2, sn_vorgabe));

  sn(9, sn_vorgabe) = 4;
  host.play({0.1f});
  gen.calc_gesperrt(9, 0);  // the last card never, but the number is drawn
  EXPECT_EQ(0, sn(9, sn_kreuze));
  EXPECT_EQ(4, sn(9, sn_vorgabe));
  EXPECT_EQ(1, host.draws);
}

TEST_F(GeneratorTest, DisabledRowAndColumnFormBordersTheLinesThroughTheField) {
  sn(1, sn_field) = 5;
  host.play({0.1f});
  gen.calc_disabled(1, 0);
  EXPECT_EQ(325, sn(1, sn_sperre));  // cells 1, 3, 7, 9
  EXPECT_EQ(1, host.draws);

  use_4x4();
  sn(1, sn_field) = 6;
  host.play({0.1f});
  gen.calc_disabled(1, 0);
  EXPECT_EQ(1 + 4 + 8 + 256 + 1024 + 2048 + 4096 + 16384 + 32768, sn(1, sn_sperre));

  sn(1, sn_field) = 0;  // no field: left as it was
  host.play({0.1f});
  gen.calc_disabled(1, 0);
  EXPECT_EQ(1 + 4 + 8 + 256 + 1024 + 2048 + 4096 + 16384 + 32768, sn(1, sn_sperre));
}

TEST_F(GeneratorTest, DisabledScatterFormTakesCellsFromTheLastRecordUp) {
  sn(1, sn_field) = 5;
  std::vector<float> script{0.5f};
  script.insert(script.end(), kRowScript.begin(), kRowScript.end());
  host.play(script);
  gen.calc_disabled(1, 0);
  // Arrangement 5 2 6 1 3 4 7 9 8 read upwards: 8, 9, 7, 4, 3 are marked
  // before every row and column has one; cells 1, 2 and 6 stay borderless.
  EXPECT_EQ(1 + 2 + 32, sn(1, sn_sperre));
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(kRowResult[static_cast<std::size_t>(r - 1)], sn(r, 0));
  EXPECT_TRUE(host.script_used_up());
}

TEST_F(GeneratorTest, DisabledScatterFormKeepsTheFieldAndALineOfEveryRowAndColumn) {
  for (const BoardShape s : {BoardShape{1, 9, 3}, BoardShape{2, 16, 4}}) {
    shape = s;
    const int n = s.side;
    for (int round = 0; round < 400; ++round) {
      const Long f0 = round % s.field_count + 1;
      sn(1, sn_field) = f0;
      sn(1, sn_sperre) = 0;
      host.play({0.5f});  // scatter form
      gen.calc_disabled(1, 0);
      const Long bordered = ~sn(1, sn_sperre) & (s.range_code == 1 ? 511 : 65535);
      ASSERT_NE(0, bordered & (1 << (f0 - 1))) << f0;
      for (int i = 0; i < n; ++i) {
        Long row = 0, col = 0;
        for (int j = 0; j < n; ++j) {
          row |= 1 << (i * n + j);
          col |= 1 << (j * n + i);
        }
        ASSERT_NE(0, bordered & row);
        ASSERT_NE(0, bordered & col);
      }
      if (n == 3) {
        ASSERT_LE(std::bitset<16>(static_cast<unsigned long>(sn(1, sn_sperre))).count(), 6u);
      }
    }
  }
}

}  // namespace
}  // namespace zerdo::gentest
