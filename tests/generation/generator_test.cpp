#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <optional>

#include "fake_host.h"

namespace zerdo::gentest {
namespace {

int bits(Long v) {
  return static_cast<int>(std::bitset<32>(static_cast<unsigned long>(v)).count());
}

bool is_permutation_1_n(const CardTable& sn, int column, int n) {
  std::vector<Long> v;
  for (int r = 1; r <= n; ++r) v.push_back(sn(r, column));
  std::sort(v.begin(), v.end());
  for (int i = 1; i <= n; ++i)
    if (v[static_cast<std::size_t>(i - 1)] != i) return false;
  return true;
}

TEST_F(GeneratorTest, LevelAFollowsTheScriptCardForCard) {
  std::vector<float> script = kRowScript;
  script.insert(script.end(), kRowScript.begin(), kRowScript.end());
  host.play(script);
  const Puzzle p = gen.generate(1);
  EXPECT_TRUE(host.script_used_up());
  EXPECT_EQ(18, host.draws);
  for (int r = 1; r <= 9; ++r) {
    const Long v = kRowResult[static_cast<std::size_t>(r - 1)];
    EXPECT_EQ(r, sn(r, sn_nr));
    EXPECT_EQ(v, sn(r, sn_field));
    EXPECT_EQ(v, sn(r, sn_Loesung));
    EXPECT_EQ(v, sn(r, sn_pict));
    EXPECT_EQ(0, sn(r, sn_vorgabe));
    EXPECT_EQ(kTrue, sn(r, sn_titel));
  }
  EXPECT_EQ(1, p.level);
  EXPECT_EQ("Ax", p.id);
  EXPECT_FALSE(p.anchors);
  EXPECT_TRUE(p.alerts.empty());
  EXPECT_EQ(sn, p.sn);
}

TEST_F(GeneratorTest, LevelsAAndBDrawTwoNumbersPerCard) {
  for (bool big : {false, true}) {
    if (big) use_4x4();
    for (Int level : {1, 2}) {
      host.play({});
      gen.generate(level);
      EXPECT_EQ(2 * N(), host.draws) << "level " << level << " N " << N();
    }
  }
}

TEST_F(GeneratorTest, UnknownLevelOnlyClears) {
  for (int r = 1; r <= kRecords; ++r)
    for (int c = 0; c < kColumns; ++c) sn(r, c) = 99;
  host.play({});
  EXPECT_TRUE(gen.generate(10).id.empty());
  EXPECT_EQ(0, host.draws);
  for (int r = 1; r <= 9; ++r)
    for (int c = 0; c < kColumns; ++c)
      EXPECT_EQ(c == sn_nr ? r : c == sn_titel ? kTrue : 0, sn(r, c)) << r << "," << c;
  EXPECT_EQ(99, sn(10, sn_field));
}

// Level G with every number 0: every chance test holds, each arrangement is
// 1..N in order and every card gets the row-and-column form first.
TEST_F(GeneratorTest, LevelGWithAllZeroNumbers) {
  host.use_fill = true;
  host.fill = 0.0f;
  host.play({});
  const Puzzle p = gen.generate(7);
  // 18 arrangement, 1 for card 9 (last green and last square), 2 per card
  // for the clue kind, 2 for each of the five strips, 9 for the shuffle.
  EXPECT_EQ(18 + 1 + 18 + 10 + 9, host.draws);
  EXPECT_EQ("Gx", p.id);
  EXPECT_EQ(std::optional<bool>{false}, p.anchors);
  const Long pict[] = {0, 1, 2, 21, 4, 5, 22, 17, 18, 23};
  // Cards 3, 6, 9 move their column strip to column 2, cards 7, 8 their row
  // strip to row 2; the others keep the lines through their field.
  const Long sperre[] = {0, 432, 360, 365, 390, 325, 365, 455, 455, 365};
  const Long vorgabe[] = {0, 1, 2, 2, 4, 5, 5, 4, 5, 8};
  for (int r = 1; r <= 9; ++r) {
    EXPECT_EQ(r, sn(r, sn_field)) << r;
    EXPECT_EQ(r, sn(r, sn_Loesung)) << r;
    EXPECT_EQ(pict[r], sn(r, sn_pict)) << r;
    EXPECT_EQ(sperre[r], sn(r, sn_sperre)) << r;
    EXPECT_EQ(vorgabe[r], sn(r, sn_vorgabe)) << r;
    EXPECT_EQ(0, sn(r, sn_kreuze)) << r;
    EXPECT_EQ(kFalse, sn(r, sn_titel)) << r;
    EXPECT_EQ(r, sn(r, sn_rsv_1)) << r;
  }
}

// The invariants of every generated puzzle, checked over many puzzles of each
// level on both boards. Records above N must keep what they held.
class RecipeTest : public GeneratorTest,
                   public ::testing::WithParamInterface<std::tuple<int, bool>> {
 protected:
  void check_puzzle(Int level);
};

void RecipeTest::check_puzzle(Int level) {
  const int n = shape.side;
  const int count = N();
  const bool mixed = level == 7 || level == 9;
  ASSERT_TRUE(is_permutation_1_n(sn, sn_field, count));
  ASSERT_TRUE(is_permutation_1_n(sn, sn_Loesung, count));
  if (mixed) {
    ASSERT_TRUE(is_permutation_1_n(sn, sn_rsv_1, count));
  }
  for (int r = 1; r <= count; ++r) {
    SCOPED_TRACE(::testing::Message() << "level " << level << " N " << count << " card " << r);
    // The record number as built, before any shuffle.
    const int built = mixed ? sn(r, sn_rsv_1) : r;
    const Long loesung = sn(r, sn_Loesung);
    const Long pict = sn(r, sn_pict);
    const Long field = sn(r, sn_field);
    ASSERT_EQ(r, sn(r, sn_nr));
    ASSERT_EQ(mixed ? kFalse : kTrue, sn(r, sn_titel));
    for (int c : {int(sn_pict_2), int(sn_field_2), int(sn_pict_3), int(sn_field_3)})
      ASSERT_EQ(0, sn(r, c));

    // The piece itself, or its colour or shape alone, never on the first card.
    const Long colour = tables.picture_attr[static_cast<std::size_t>(loesung)][1];
    const Long form = tables.picture_attr[static_cast<std::size_t>(loesung)][2];
    if (level <= 3 || built == 1)
      ASSERT_EQ(loesung, pict);
    else
      ASSERT_TRUE(pict == loesung || pict == 16 + colour || pict == 20 + form) << pict;
    if (pict == 16 + colour || pict == 20 + form) {
      // The other pieces of that colour (shape) lie on the earlier cards.
      int earlier = 0;
      for (int i = 1; i <= count; ++i) {
        const int built_i = mixed ? sn(i, sn_rsv_1) : i;
        const Long other = sn(i, sn_Loesung);
        if (built_i < built &&
            tables.picture_attr[static_cast<std::size_t>(other)][pict <= 20 ? 1 : 2] ==
                (pict <= 20 ? colour : form))
          ++earlier;
      }
      ASSERT_EQ(n - 1, earlier);
    }

    const Long kreuze = sn(r, sn_kreuze);
    if (level <= 2) {
      ASSERT_EQ(level == 2 ? field : 0, sn(r, sn_vorgabe));
    }
    if (level == 1) {
      ASSERT_EQ(0, sn(r, sn_sperre));
    }
    if (level <= 5) {
      ASSERT_EQ(0, kreuze);
    }
    if (level == 2 || level == 4 || level == 6) {
      ASSERT_EQ(0, sn(r, sn_sperre));  // no borderless cells
    }
    if ((level == 6 || level == 8) && (built <= n || built == count)) {
      ASSERT_EQ(0, kreuze);
    }
    if (kreuze != 0) {
      // Crosses on exactly the fields left free by cards 1..built, no grey box.
      ASSERT_EQ(0, sn(r, sn_vorgabe));
      ASSERT_EQ(count - built, bits(kreuze));
      for (int i = 1; i <= count; ++i)
        if ((mixed ? sn(i, sn_rsv_1) : i) <= built) {
          ASSERT_EQ(0, kreuze & (1 << (sn(i, sn_field) - 1)));
        }
    } else if (level >= 2) {
      ASSERT_GE(sn(r, sn_vorgabe), 1);
      ASSERT_LE(sn(r, sn_vorgabe), count);
    }
    const Long cells = count == 9 ? 511 : 65535;
    if (sn(r, sn_anker) == 0) {
      ASSERT_EQ(0, sn(r, sn_sperre) & ~cells);
    }

    if (level != 9) {
      ASSERT_EQ(0, sn(r, sn_anker));
      ASSERT_EQ(0, sn(r, sn_pict_4));
      ASSERT_EQ(0, sn(r, sn_field_4));
    } else if (sn(r, sn_anker) != 0) {
      ASSERT_EQ(kTrue, sn(r, sn_anker));
      ASSERT_GE(built, 3);
      ASSERT_NE(0, sn(r, sn_pict_4));
      ASSERT_GE(sn(r, sn_field_4), 1);
      ASSERT_LE(sn(r, sn_field_4), count);
      ASSERT_EQ(0, kreuze);
    } else {
      ASSERT_EQ(0, sn(r, sn_pict_4));
      ASSERT_EQ(0, sn(r, sn_field_4));
    }
  }
}

TEST_P(RecipeTest, EveryPuzzleKeepsTheInvariants) {
  const Int level = static_cast<Int>(std::get<0>(GetParam()));
  if (std::get<1>(GetParam())) use_4x4();
  for (int r = 10; r <= kRecords; ++r) sn(r, sn_field) = 77;
  for (int round = 0; round < 300; ++round) {
    host.play({});
    const Puzzle p = gen.generate(level);
    EXPECT_EQ(level, p.level);
    EXPECT_EQ(std::string(1, static_cast<char>('A' + level - 1)) + "x", p.id);
    if (level == 7 || level == 9) {
      ASSERT_EQ(std::optional<bool>{level == 9}, p.anchors);
    } else {
      ASSERT_FALSE(p.anchors);
    }
    check_puzzle(level);
    if (HasFatalFailure()) return;
    if (!std::get<1>(GetParam())) {
      for (int r = 10; r <= kRecords; ++r) ASSERT_EQ(77, sn(r, sn_field));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Levels, RecipeTest,
                         ::testing::Combine(::testing::Range(1, 10), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<int, bool>>& i) {
                           return std::string(1,
                                              static_cast<char>('A' + std::get<0>(i.param) - 1)) +
                                  (std::get<1>(i.param) ? "_4x4" : "_3x3");
                         });

TEST_F(GeneratorTest, LevelIAnchoredCardsCarryTheirTableEntry) {
  for (bool big : {false, true}) {
    if (big) use_4x4();
    int anchored = 0;
    for (int round = 0; round < 200; ++round) {
      host.play({});
      gen.generate(9);
      for (int r = 1; r <= N(); ++r) {
        if (sn(r, sn_anker) == 0) continue;
        ++anchored;
        const auto a = static_cast<std::size_t>(sn(r, sn_vorgabe));
        const auto b = static_cast<std::size_t>(sn(r, sn_field_4));
        ASSERT_EQ(big ? anchors.sperre_4x4[a][b] : anchors.sperre_3x3[a][b], sn(r, sn_sperre));
      }
    }
    EXPECT_GT(anchored, 0);
  }
}

TEST_F(GeneratorTest, LevelIBeforeTheTablesAreBuiltLeavesAnchoredCardsBordered) {
  AnchorTables empty;
  Generator early{sn, shape, tables, empty, host};
  int anchored = 0;
  for (int round = 0; round < 100; ++round) {
    host.play({});
    early.generate(9);
    for (int r = 1; r <= N(); ++r) {
      if (sn(r, sn_anker) == 0) continue;
      ++anchored;
      ASSERT_EQ(0, sn(r, sn_sperre));
      ASSERT_EQ(sn(r, sn_vorgabe), sn(r, sn_field));  // the pattern did not move
    }
  }
  EXPECT_GT(anchored, 0);
}

TEST_F(GeneratorTest, VerdrehenMovesWholeRecordsAndKeepsTheirNumbers) {
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c < kColumns; ++c) sn(r, c) = 100 * r + c;
    sn(r, sn_nr) = r;
    sn(r, 0) = -r;
  }
  host.play(kRowScript);
  gen.verdrehen();
  for (int r = 1; r <= 9; ++r) {
    const Long from = kRowResult[static_cast<std::size_t>(r - 1)];
    EXPECT_EQ(r, sn(r, sn_nr));
    EXPECT_EQ(from, sn(r, sn_rsv_1));
    EXPECT_EQ(-r, sn(r, 0));
    for (int c = sn_field; c <= sn_anker; ++c) EXPECT_EQ(100 * from + c, sn(r, c)) << r << "," << c;
  }
}

}  // namespace
}  // namespace zerdo::gentest
