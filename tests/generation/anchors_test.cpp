#include <gtest/gtest.h>

#include "fake_host.h"

namespace zerdo::gentest {
namespace {

TEST(AnchorTables, AreZeroUntilBuilt) {
  AnchorTables t;
  EXPECT_EQ(0, t.sperre_3x3[1][9]);
  EXPECT_EQ(0, t.sperre_4x4[16][13]);
}

// Entries checked by hand: every cell but the box, the anchor and the path is
// borderless, over 16 bits on both boards.
struct AnchorEntry {
  bool big;
  int a, b;
  Long sperre;
};

TEST(AnchorTables, HoldTheComplementOfBoxAnchorAndPath) {
  AnchorTables t;
  t.build();
  const AnchorEntry entries[] = {
      {false, 1, 9, 65535 - 1 - 16 - 256},    // path 5
      {false, 1, 3, 65535 - 1 - 2 - 4},       // path 2
      {false, 3, 9, 65535 - 4 - 32 - 256},    // path 6
      {false, 2, 5, 65535 - 2 - 16},          // no path
      {false, 9, 7, 65535 - 256 - 128 - 64},  // path 8
      {true, 1, 4, 65535 - 1 - 2 - 4 - 8},    // path 2, 3
      {true, 1, 11, 65535 - 1 - 1024},        // the path names the anchor cell itself
      {true, 16, 13, 65535 - 32768 - 4096 - 8192 - 16384},
      {true, 6, 7, 65535 - 32 - 64},  // neighbours: no path
      {true, 13, 16, 65535 - 4096 - 512 - 16384 - 32768},
  };
  for (const AnchorEntry& e : entries) {
    const Long got =
        e.big ? t.sperre_4x4[static_cast<std::size_t>(e.a)][static_cast<std::size_t>(e.b)]
              : t.sperre_3x3[static_cast<std::size_t>(e.a)][static_cast<std::size_t>(e.b)];
    EXPECT_EQ(e.sperre, got) << (e.big ? "4x4 " : "3x3 ") << e.a << "," << e.b;
  }
  // Every pair keeps its two end cells bordered.
  for (int a = 1; a <= 16; ++a)
    for (int b = 1; b <= 16; ++b) {
      const Long ends = (1 << (a - 1)) | (1 << (b - 1));
      EXPECT_EQ(0, t.sperre_4x4[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] & ends)
          << a << "," << b;
      if (a <= 9 && b <= 9) {
        EXPECT_EQ(0, t.sperre_3x3[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] & ends)
            << a << "," << b;
      }
    }
}

TEST_F(GeneratorTest, AnkerTakesTheFirstFreeNumberAsFieldAndRecord) {
  // Records 1..3 lie on fields 7, 2, 1. Number 1 is a taken field and an
  // unmarked record: card 4 gets record 1's piece on record 1's field.
  const Long fields[] = {0, 7, 2, 1, 3};
  for (int r = 1; r <= 4; ++r) {
    sn(r, sn_field) = fields[r];
    sn(r, sn_Loesung) = 10 * r;
  }
  gen.calc_anker(4, 0);
  EXPECT_EQ(7, sn(4, sn_field_4));
  EXPECT_EQ(10, sn(4, sn_pict_4));
  EXPECT_EQ(1, sn(1, sn_anker));

  // Record 1 is used now; number 2 is next (field 2 taken, record 2 free).
  gen.calc_anker(5, 0);
  EXPECT_EQ(2, sn(5, sn_field_4));
  EXPECT_EQ(20, sn(5, sn_pict_4));
  EXPECT_EQ(1, sn(2, sn_anker));
  EXPECT_EQ(0, host.draws);
}

TEST_F(GeneratorTest, AnkerFallsBackToTheLastRecord) {
  sn(1, sn_field) = 9;  // the only taken field is 9 = N
  sn(9, sn_field) = 4;
  sn(9, sn_Loesung) = 6;
  gen.calc_anker(2, 0);
  EXPECT_EQ(4, sn(2, sn_field_4));
  EXPECT_EQ(6, sn(2, sn_pict_4));
  EXPECT_EQ(1, sn(9, sn_anker));
}

struct VersatzCase {
  const char* name;
  bool columns;
  Long sperre;
  float u;
  Long vorgabe, field_4;
};

class VersatzTest : public GeneratorTest, public ::testing::WithParamInterface<VersatzCase> {};

TEST_P(VersatzTest, MovesTowardsAWhollyBorderlessOuterLine) {
  const VersatzCase& c = GetParam();
  sn(1, sn_vorgabe) = 5;
  sn(1, sn_field_4) = 6;
  sn(1, sn_sperre) = c.sperre;
  host.play({c.u});
  if (c.columns)
    gen.ankerversatz_c(1, 73, 292);
  else
    gen.ankerversatz_r(1, 7, 448);
  EXPECT_EQ(c.vorgabe, sn(1, sn_vorgabe));
  EXPECT_EQ(c.field_4, sn(1, sn_field_4));
  EXPECT_EQ(1, host.draws);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersatzTest,
    ::testing::Values(VersatzCase{"Up", false, 7, 0.1f, 2, 3},
                      VersatzCase{"UpWinsOverDown", false, 7 + 448, 0.1f, 2, 3},
                      VersatzCase{"Down", false, 448, 0.1f, 8, 9},
                      VersatzCase{"NoChance", false, 7, 0.75f, 5, 6},
                      VersatzCase{"NoFreeRow", false, 3 + 448 - 64, 0.1f, 5, 6},
                      VersatzCase{"Left", true, 73, 0.1f, 4, 5},
                      VersatzCase{"Right", true, 292, 0.1f, 6, 7}),
    [](const ::testing::TestParamInfo<VersatzCase>& i) { return std::string(i.param.name); });

TEST_F(GeneratorTest, FieldCheckCornerToCornerCannotMove) {
  sn(3, sn_anker) = kTrue;
  sn(3, sn_vorgabe) = 1;
  sn(3, sn_field_4) = 9;
  host.play({0.1f, 0.1f});
  gen.min_anker(3);
  EXPECT_EQ(65535 - 1 - 16 - 256, sn(3, sn_sperre));
  EXPECT_EQ(1, sn(3, sn_vorgabe));
  EXPECT_EQ(9, sn(3, sn_field_4));
  EXPECT_TRUE(host.script_used_up());
  EXPECT_TRUE(alerts().empty());
}

TEST_F(GeneratorTest, FieldCheckMovesUpAndRereadsTheTable) {
  sn(1, sn_vorgabe) = 4;
  sn(1, sn_field_4) = 6;
  host.play({0.1f, 0.1f});
  gen.sn_field_check_3x3(1);
  // (4, 6) leaves row 1 borderless: up to (1, 3), whose path is cell 2.
  EXPECT_EQ(1, sn(1, sn_vorgabe));
  EXPECT_EQ(3, sn(1, sn_field_4));
  EXPECT_EQ(65535 - 1 - 2 - 4, sn(1, sn_sperre));
}

TEST_F(GeneratorTest, FieldCheck4x4MovesDownAndLeft) {
  use_4x4();
  sn(1, sn_vorgabe) = 6;
  sn(1, sn_field_4) = 7;
  host.play({0.9f, 0.1f});  // rows stay, columns move
  gen.sn_field_check_4x4(1);
  // (6, 7) leaves columns 1 and 4 borderless: left wins, to (5, 6).
  EXPECT_EQ(5, sn(1, sn_vorgabe));
  EXPECT_EQ(6, sn(1, sn_field_4));
  EXPECT_EQ(65535 - 16 - 32, sn(1, sn_sperre));
}

TEST_F(GeneratorTest, MinAnkerStartsAtTheGivenRecordAndSkipsUnanchored) {
  for (int r = 1; r <= 4; ++r) {
    sn(r, sn_vorgabe) = 1;
    sn(r, sn_field_4) = 9;
    sn(r, sn_anker) = r == 3 ? 0 : kTrue;
  }
  host.play({});
  gen.min_anker(3);
  EXPECT_EQ(0, sn(1, sn_sperre));
  EXPECT_EQ(0, sn(2, sn_sperre));
  EXPECT_EQ(0, sn(3, sn_sperre));
  EXPECT_EQ(65535 - 1 - 16 - 256, sn(4, sn_sperre));
  EXPECT_EQ(2, host.draws);
}

TEST_F(GeneratorTest, FieldCheckOnOneCellAlertsThreeTimesAndStaysOnTheBoard) {
  sn(7, sn_vorgabe) = 5;
  sn(7, sn_field_4) = 5;
  host.play({0.1f, 0.1f});
  gen.sn_field_check_3x3(7);
  ASSERT_EQ(3u, alerts().size());
  EXPECT_EQ("!! Internal error 443 bei 7!!", alerts()[0]);
  EXPECT_EQ("!! Internal error 444 bei 7!!", alerts()[1]);
  EXPECT_EQ("!! Internal error 445 bei 7!!", alerts()[2]);
  // Only the one cell is bordered, so the pair moves up and then left.
  EXPECT_EQ(1, sn(7, sn_vorgabe));
  EXPECT_EQ(1, sn(7, sn_field_4));
  EXPECT_EQ(65534, sn(7, sn_sperre));
}

TEST_F(GeneratorTest, FieldCheckOffTheBoardReadsNoTable) {
  sn(1, sn_vorgabe) = 0;
  sn(1, sn_field_4) = 3;
  host.play({0.1f, 0.1f});
  gen.sn_field_check_3x3(1);
  EXPECT_EQ(0, sn(1, sn_sperre));
  EXPECT_EQ(0, sn(1, sn_vorgabe));
}

}  // namespace
}  // namespace zerdo::gentest
