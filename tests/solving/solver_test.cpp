#include "solving/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "catalogue/builtin.h"
#include "generation/anchor_tables.h"
#include "generation/generator.h"
#include "model/pictures.h"
#include "model/tables.h"
#include "services/random_source.h"

namespace zerdo {
namespace {

constexpr BoardShape k3x3{kRange3x3, 9, 3};
constexpr BoardShape k4x4{kRange4x4, 16, 4};

// A puzzle as the game holds it: its cards and its stored solution.
struct TestPuzzle {
  std::string name;
  BoardShape shape;
  CardTable sn;
  Arrangement solution{};
};

Arrangement solution_of(const CardTable& sn, int n) {
  Arrangement b{};
  for (int r = 1; r <= n; ++r)
    b[static_cast<std::size_t>(sn(r, sn_field))] = static_cast<Int>(sn(r, sn_Loesung));
  return b;
}

TestPuzzle builtin(const BuiltinPuzzle& p) {
  TestPuzzle out{std::string(p.id), k3x3, {}, {}};
  for (int r = 1; r <= 9; ++r) {
    const CardRecord c = *decode_card(p, r);
    const Long values[] = {
        r,        c.field,  c.loesung, c.pict,   c.vorgabe, c.sperre, c.titel ? kTrue : kFalse,
        c.kreuze, c.pict_2, c.field_2, c.pict_3, c.field_3, c.pict_4, c.field_4};
    for (int col = sn_nr; col <= sn_field_4; ++col) out.sn(r, col) = values[col - 1];
  }
  out.solution = solution_of(out.sn, 9);
  return out;
}

TestPuzzle builtin(std::string_view id) {
  return builtin(kBuiltinPuzzles[static_cast<std::size_t>(*builtin_index(id))]);
}

TestPuzzle generated(BoardShape shape, Int level, std::uint64_t seed) {
  struct Source : UniformSource {
    RandomSource random;
    float draw_uniform() override { return random.next(); }
  };
  static const FixedTables tables = [] {
    FixedTables t;
    t.fill();
    return t;
  }();
  static const AnchorTables anchors = [] {
    AnchorTables a;
    a.build();
    return a;
  }();
  Source source;
  source.random.seed(seed);
  TestPuzzle out{std::string(1, static_cast<char>('A' + level - 1)) +
                     (shape.is_4x4() ? " 4x4 " : " 3x3 ") + std::to_string(seed),
                 shape,
                 {},
                 {}};
  Generator gen{out.sn, shape, tables, anchors, source};
  gen.generate(level);
  out.solution = solution_of(out.sn, shape.field_count);
  return out;
}

// The cards read the plain way, on one full board at a time and apart from
// the solver: each card lists the fields it can be about on this board (its
// small board laid every way that keeps the bordered cells on the board), and
// the cards must share the fields out, one each.
bool looks_like(Long picture, Int piece) {
  if (picture < 1 || picture > 24) return true;
  if (picture <= kPieceIds) return picture == piece;
  const PictureInfo& clue = kPictures[static_cast<std::size_t>(picture)];
  const PictureInfo& p = kPictures[static_cast<std::size_t>(piece)];
  return (clue.colour != 0 && clue.colour == p.colour) ||
         (clue.shape != 0 && clue.shape == p.shape);
}

// One way a card's small board may lie: the fields the card may then be
// about, and the pieces drawn on its cells with the fields they land on.
struct Way {
  unsigned about = 0;
  Long picture = 0;
  std::vector<std::pair<Long, int>> drawn;
};

std::vector<Way> ways_of_card(const CardRecord& c, int n) {
  const auto has = [](Long mask, int cell) { return (mask >> (cell - 1)) & 1; };
  const bool small_board = c.sperre != 0 || c.kreuze != 0 || c.vorgabe >= 1;
  const bool shows_piece = c.pict >= 1 && c.pict <= 24;
  std::vector<Way> ways;
  for (int dr = 1 - n; dr < n; ++dr)
    for (int dc = 1 - n; dc < n; ++dc) {
      if (!small_board && (dr != 0 || dc != 0)) continue;
      const auto moved = [&](Long cell) {  // 0 off the board
        const int row = static_cast<int>(cell - 1) / n + dr;
        const int col = static_cast<int>(cell - 1) % n + dc;
        return row < 0 || row >= n || col < 0 || col >= n ? 0 : row * n + col + 1;
      };
      bool lies = true;
      for (int k = 1; k <= n * n; ++k)
        if (small_board && !has(c.sperre, k) && moved(k) == 0) lies = false;
      Way way{0, c.pict, {}};
      const Long drawn[3][2] = {
          {c.pict_2, c.field_2}, {c.pict_3, c.field_3}, {c.pict_4, c.field_4}};
      for (const auto& d : drawn)
        if (d[0] >= 1 && d[0] <= 24) {
          lies = lies && moved(d[1]) != 0;
          way.drawn.emplace_back(d[0], moved(d[1]));
        }
      if (!lies) continue;
      for (int f = 1; f <= n * n; ++f) {
        const bool about = !small_board     ? !shows_piece || f == c.field
                           : c.vorgabe >= 1 ? f == moved(c.vorgabe)
                                            : true;
        if (about && !has(c.kreuze, f)) way.about |= 1u << (f - 1);
      }
      ways.push_back(way);
    }
  return ways;
}

bool share_out(const std::vector<unsigned>& fields, std::size_t card, unsigned taken) {
  if (card == fields.size()) return true;
  for (unsigned m = fields[card] & ~taken; m; m &= m - 1)
    if (share_out(fields, card + 1, taken | (m & (~m + 1)))) return true;
  return false;
}

bool fits_plainly(const std::vector<std::vector<Way>>& cards, const Arrangement& b) {
  std::vector<unsigned> fields;
  for (const std::vector<Way>& ways : cards) {
    unsigned about = 0;
    for (const Way& way : ways) {
      bool holds = true;
      for (const auto& [picture, field] : way.drawn)
        holds = holds && looks_like(picture, b[static_cast<std::size_t>(field)]);
      if (!holds) continue;
      for (unsigned m = way.about; m; m &= m - 1)
        if (looks_like(way.picture, b[static_cast<std::size_t>(__builtin_ctz(m) + 1)]))
          about |= m & (~m + 1);
    }
    if (about == 0) return false;
    fields.push_back(about);
  }
  return share_out(fields, 0, 0);
}

// Every board that keeps the stored solution outside the open fields and
// arranges its pieces on them in every order, read the plain way.
std::set<Arrangement> brute_force(const TestPuzzle& p, const std::vector<int>& open) {
  std::vector<Int> pieces;
  for (int f : open) pieces.push_back(p.solution[static_cast<std::size_t>(f)]);
  std::sort(pieces.begin(), pieces.end());
  std::vector<std::vector<Way>> cards;
  for (int r = 1; r <= p.shape.field_count; ++r)
    cards.push_back(ways_of_card(record_of(p.sn, r), p.shape.side));
  std::set<Arrangement> fitting;
  do {
    Arrangement b = p.solution;
    for (std::size_t i = 0; i < open.size(); ++i) b[static_cast<std::size_t>(open[i])] = pieces[i];
    if (fits_plainly(cards, b)) fitting.insert(b);
  } while (std::next_permutation(pieces.begin(), pieces.end()));
  return fitting;
}

// A 4x4 puzzle whose cards outside the open fields are replaced by cards
// that show their piece on their field: every board that fits keeps those.
TestPuzzle opened(TestPuzzle p, const std::vector<int>& open) {
  for (int r = 1; r <= 16; ++r) {
    const Long field = p.sn(r, sn_field);
    if (std::find(open.begin(), open.end(), field) != open.end()) continue;
    for (int col = sn_pict; col <= sn_anker; ++col) p.sn(r, col) = 0;
    p.sn(r, sn_pict) = p.sn(r, sn_Loesung);
    p.sn(r, sn_titel) = kTrue;
  }
  p.name += " open";
  return p;
}

TEST(Solver, CountsWhatTryingEveryBoardFinds) {
  std::vector<std::pair<TestPuzzle, std::vector<int>>> table;
  const std::vector<int> all9{1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (const char* id : {"C2", "E1", "G3", "G5", "G6", "G8", "G9", "G10"})
    table.emplace_back(builtin(id), all9);
  // Level I puzzles with two and five answers.
  for (std::uint64_t seed : {519, 940}) table.emplace_back(generated(k3x3, 9, seed), all9);
  // On 4x4, eight fields open around the cards of puzzles with three and
  // twenty-three answers.
  for (const auto& [seed, open] : std::vector<std::pair<std::uint64_t, std::vector<int>>>{
           {5, {1, 2, 3, 6, 7, 10, 11, 16}}, {112, {4, 5, 8, 9, 12, 13, 14, 15}}}) {
    TestPuzzle p = generated(k4x4, 9, seed);
    table.emplace_back(opened(p, open), open);
  }
  for (const auto& [p, open] : table) {
    const Solver solver(p.sn, p.shape);
    const std::set<Arrangement> expected = brute_force(p, open);
    const std::vector<Arrangement> found = solver.boards();
    for (const Arrangement& b : expected) EXPECT_TRUE(solver.fits(b)) << p.name;
    EXPECT_EQ(std::min<std::size_t>(expected.size(), kCountLimit), found.size()) << p.name;
    EXPECT_EQ(static_cast<int>(found.size()), solver.count()) << p.name;
    for (const Arrangement& b : found) EXPECT_TRUE(expected.count(b)) << p.name;
    if (expected.size() < kCountLimit) {
      EXPECT_EQ(expected, std::set<Arrangement>(found.begin(), found.end())) << p.name;
    }
  }
}

// What one card says alone: the pieces it may mean and their fields.
TEST(Solver, ReadsEachCardAlone) {
  struct Case {
    const char* puzzle;
    int card;
    std::vector<Int> pictures, fields;
  };
  const std::vector<Case> cases{
      {"A1", 1, {9}, {2}},              // the piece on its field
      {"D1", 5, {2, 5, 8}, {8}},        // a red blot on the grey box
      {"F1", 5, {4}, {1, 2, 4, 5, 8}},  // crosses bar their fields
      {"G9", 3, {5}, {7, 8, 9}},        // a bordered column: the grey box tells the row
      {"G9", 4, {4, 5, 6}, {3, 6, 9}},  // a bordered row: the column
      {"E1", 1, {9}, {5}},              // bordered cells all over: no shift
  };
  for (const Case& c : cases) {
    const TestPuzzle p = builtin(c.puzzle);
    const CardReading r = Solver(p.sn, p.shape).reading(c.card);
    EXPECT_EQ(c.pictures, r.pictures) << c.puzzle << " card " << c.card;
    EXPECT_EQ(c.fields, r.fields) << c.puzzle << " card " << c.card;
  }
}

TEST(Solver, AcceptsOnlyWholeBoards) {
  const TestPuzzle p = builtin("A1");
  const Solver solver(p.sn, p.shape);
  EXPECT_TRUE(solver.fits(p.solution));
  Arrangement twice = p.solution;
  twice[1] = twice[2];
  Arrangement plus = p.solution;
  plus[1] = 13;  // a piece of the 4x4 board
  Arrangement gap = p.solution;
  gap[9] = 0;
  for (const Arrangement& b : {twice, plus, gap}) EXPECT_FALSE(solver.fits(b));
  Arrangement swapped = p.solution;
  std::swap(swapped[1], swapped[2]);
  EXPECT_FALSE(solver.fits(swapped));
}

// The stored solutions of G6 and G9 break the cards: in G6 card 7 wants the
// two other circles below the purple circle, and in G9 cards 3 and 4 both
// speak of field 9, so that no board at all fits its nine cards.
TEST(Solver, StoredSolutionsFitTheirCards) {
  for (const BuiltinPuzzle& b : kBuiltinPuzzles) {
    const TestPuzzle p = builtin(b);
    const bool broken = p.name == "G6" || p.name == "G9";
    EXPECT_EQ(!broken, Solver(p.sn, p.shape).fits(p.solution)) << p.name;
  }
  EXPECT_EQ(1, Solver(builtin("G6").sn, k3x3).count());
  EXPECT_EQ(0, Solver(builtin("G9").sn, k3x3).count());
  for (const BoardShape shape : {k3x3, k4x4})
    for (Int level = 1; level <= 9; ++level)
      for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        const TestPuzzle p =
            generated(shape, level, seed * 101 + static_cast<std::uint64_t>(level));
        const Solver solver(p.sn, p.shape);
        EXPECT_TRUE(solver.fits(p.solution)) << p.name;
        // Levels A to H have one answer, what level I lacks now and then.
        if (level < 9) {
          EXPECT_EQ(1, solver.count()) << p.name;
        }
      }
}

// From an empty board, placing what each hint shows, and only that, fills
// the board with a right one; then there is nothing more to show.
void follow_hints(const TestPuzzle& p) {
  const Solver solver(p.sn, p.shape);
  Arrangement placed{};
  for (int step = 1; step <= p.shape.field_count; ++step) {
    const Hint h = solver.hint(placed, p.solution);
    ASSERT_EQ(Hint::Kind::Place, h.kind) << p.name << " step " << step;
    ASSERT_EQ(0, placed[static_cast<std::size_t>(h.field)]) << p.name << " step " << step;
    ASSERT_EQ(placed.end(), std::find(placed.begin(), placed.end(), h.picture))
        << p.name << " step " << step;
    placed[static_cast<std::size_t>(h.field)] = h.picture;
  }
  EXPECT_TRUE(solver.fits(placed) || placed == p.solution) << p.name;
  EXPECT_EQ(Hint::Kind::None, solver.hint(placed, p.solution).kind) << p.name;
}

TEST(Solver, HintsAloneFillTheBoardRight) {
  for (const BuiltinPuzzle& b : kBuiltinPuzzles) follow_hints(builtin(b));
  for (const BoardShape shape : {k3x3, k4x4})
    for (Int level = 1; level <= 9; ++level)
      for (std::uint64_t seed = 1; seed <= 3; ++seed)
        follow_hints(generated(shape, level, seed * 7 + static_cast<std::uint64_t>(level)));
  follow_hints(generated(k4x4, 9, 112));  // twenty-three answers
}

// A card named by a hint decides the piece alone: every board that keeps
// the placed pieces and fits that one card has the piece on the field.
TEST(Solver, ACardNamedByAHintDecidesItAlone) {
  int named = 0;
  for (const char* id : {"B2", "E3", "F1", "G1"}) {
    const TestPuzzle p = builtin(id);
    const Solver solver(p.sn, p.shape);
    Arrangement placed{};
    for (int step = 1; step <= 9; ++step) {
      const Hint h = solver.hint(placed, p.solution);
      ASSERT_EQ(Hint::Kind::Place, h.kind);
      for (const Int card : h.cards) {
        ++named;
        // The one card among cards that say nothing.
        CardTable alone;
        for (int r = 1; r <= 9; ++r) {
          alone(r, sn_nr) = r;
          alone(r, sn_field) = p.sn(r, sn_field);
        }
        for (int col = sn_field; col <= sn_field_4; ++col) alone(card, col) = p.sn(card, col);
        std::vector<int> open;
        for (int f = 1; f <= 9; ++f)
          if (placed[static_cast<std::size_t>(f)] == 0) open.push_back(f);
        TestPuzzle kept = p;
        for (int f = 1; f <= 9; ++f)
          if (placed[static_cast<std::size_t>(f)] != 0)
            kept.solution[static_cast<std::size_t>(f)] = placed[static_cast<std::size_t>(f)];
        kept.sn = alone;
        const std::set<Arrangement> boards = brute_force(kept, open);
        ASSERT_FALSE(boards.empty()) << id << " card " << card;
        for (const Arrangement& b : boards)
          EXPECT_EQ(h.picture, b[static_cast<std::size_t>(h.field)]) << id << " card " << card;
      }
      placed[static_cast<std::size_t>(h.field)] = h.picture;
    }
  }
  EXPECT_GT(named, 20);
}

TEST(Solver, HintShowsAPlacedPieceThatBelongsToNoRightBoard) {
  // A1: a piece on another's field.
  const TestPuzzle a1 = builtin("A1");
  Arrangement placed{};
  placed[4] = a1.solution[4];
  placed[6] = a1.solution[7];
  Hint h = Solver(a1.sn, a1.shape).hint(placed, a1.solution);
  EXPECT_EQ(Hint::Kind::Wrong, h.kind);
  EXPECT_EQ(6, h.field);
  EXPECT_EQ(a1.solution[7], h.picture);

  // Two pieces each on a field some answer gives them, but on no answer
  // together: the one on the later field is shown.
  const TestPuzzle p = generated(k3x3, 9, 940);
  const Solver solver(p.sn, p.shape);
  const std::vector<Arrangement> answers = solver.boards();
  ASSERT_EQ(5u, answers.size());
  bool tried = false;
  for (const Arrangement& x : answers)
    for (const Arrangement& y : answers)
      for (int f = 1; f <= 9 && !tried; ++f)
        for (int g = f + 1; g <= 9 && !tried; ++g) {
          const Int pf = x[static_cast<std::size_t>(f)], pg = y[static_cast<std::size_t>(g)];
          if (pf == pg) continue;
          const bool together =
              std::any_of(answers.begin(), answers.end(), [&](const Arrangement& z) {
                return z[static_cast<std::size_t>(f)] == pf && z[static_cast<std::size_t>(g)] == pg;
              });
          if (together) continue;
          tried = true;
          Arrangement both{};
          both[static_cast<std::size_t>(f)] = pf;
          both[static_cast<std::size_t>(g)] = pg;
          h = solver.hint(both, p.solution);
          EXPECT_EQ(Hint::Kind::Wrong, h.kind);
          EXPECT_EQ(g, h.field);
          EXPECT_EQ(pg, h.picture);
        }
  EXPECT_TRUE(tried);
}

// G6 has one board that fits and the stored solution, which does not: a
// piece of either is right, a piece of neither wrong.
TEST(Solver, HintTakesTheStoredSolutionForARightBoard) {
  const TestPuzzle p = builtin("G6");
  const Solver solver(p.sn, p.shape);
  const std::vector<Arrangement> fitting = solver.boards();
  ASSERT_EQ(1u, fitting.size());
  int differ = 0;
  for (int f = 1; f <= 9; ++f) {
    const auto F = static_cast<std::size_t>(f);
    if (fitting[0][F] == p.solution[F]) continue;
    ++differ;
    for (const Arrangement& right : {fitting[0], p.solution}) {
      Arrangement placed{};
      placed[F] = right[F];
      EXPECT_EQ(Hint::Kind::Place, solver.hint(placed, p.solution).kind) << f;
    }
  }
  EXPECT_GT(differ, 0);
  Arrangement placed{};
  for (Int picture = 1; picture <= 9; ++picture)
    if (picture != fitting[0][1] && picture != p.solution[1]) placed[1] = picture;
  EXPECT_EQ(Hint::Kind::Wrong, solver.hint(placed, p.solution).kind);
}

}  // namespace
}  // namespace zerdo
