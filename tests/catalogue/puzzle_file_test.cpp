#include "catalogue/puzzle_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <vector>

#include "catalogue/builtin.h"
#include "generation/anchor_tables.h"
#include "generation/generator.h"
#include "model/tables.h"
#include "services/random_source.h"

namespace zerdo {
namespace {

// The card table of a built-in puzzle as the game stores it.
CardTable builtin(std::string_view id) {
  const BuiltinPuzzle& p = kBuiltinPuzzles[static_cast<std::size_t>(*builtin_index(id))];
  CardTable sn;
  for (int r = 1; r <= 9; ++r) {
    const CardRecord c = *decode_card(p, r);
    const Long values[] = {
        r,        c.field,  c.loesung, c.pict,   c.vorgabe, c.sperre, c.titel ? kTrue : kFalse,
        c.kreuze, c.pict_2, c.field_2, c.pict_3, c.field_3, c.pict_4, c.field_4};
    for (int col = sn_nr; col <= sn_field_4; ++col) sn(r, col) = values[col - 1];
  }
  return sn;
}

CardTable a1() { return builtin("A1"); }
// G9 uses the blot of purple (17) four times: as many as the cards hold.
CardTable g9() { return builtin("G9"); }

// A finished 4x4 level-I puzzle: anchors, masks over all sixteen cells, the
// generator's work column, pictures of the 4x4 pieces.
CardTable level_i_4x4() {
  CardTable sn;
  for (int r = 1; r <= 16; ++r) {
    sn(r, sn_nr) = r;
    sn(r, sn_field) = (r * 5) % 16 + 1;
    sn(r, sn_Loesung) = (r * 3) % 16 + 1;
    sn(r, sn_pict) = r % 2 ? 17 + r % 8 : 0;
    sn(r, sn_vorgabe) = r % 4 == 0 ? 16 : 0;
    sn(r, sn_sperre) = 0xF0F0 ^ (Long{1} << (r - 1));
    sn(r, sn_titel) = r % 2 ? kTrue : kFalse;
    sn(r, sn_kreuze) = Long{1} << (16 - r);
    sn(r, sn_anker) = r % 3 == 0 ? kTrue : kFalse;
    sn(r, sn_rsv_1) = 17 - r;
  }
  sn(5, sn_pict_2) = 13, sn(5, sn_field_2) = 16;
  sn(6, sn_pict_2) = 25, sn(6, sn_field_2) = 1;
  sn(6, sn_pict_3) = 15, sn(6, sn_field_3) = 12;
  return sn;
}

const char* kA1File =
    "\"Zerdo Version 1.1.6\"\r\n"
    "\"3x3\",\"A1\"\r\n"
    "1,2,9,9,0,0,-1,0,0,0,0,0,0,0,0,0,\r\n"
    "2,7,6,6,0,0,-1,0,0,0,0,0,0,0,0,0,\r\n"
    "3,6,3,3,0,0,-1,0,0,0,0,0,0,0,0,0,\r\n"
    "4,9,7,7,0,0,-1,0,0,0,0,0,0,0,0,0,\r\n"
    "5,3,4,4,0,0,-1,0,0,0,0,0,0,0,0,0,\r\n"
    "6,4,1,1,0,0,-1,0,0,0,0,0,0,0,0,0,\r\n"
    "7,8,8,8,0,0,-1,0,0,0,0,0,0,0,0,0,\r\n"
    "8,1,5,5,0,0,-1,0,0,0,0,0,0,0,0,0,\r\n"
    "9,5,2,2,0,0,-1,0,0,0,0,0,0,0,0,0,\r\n";

TEST(PuzzleFileWriter, WritesTheBuiltInA1ByteForByte) {
  CardTable sn = a1();
  sn(1, 0) = 77;  // the work column and rows beyond N stay out of the file
  sn(10, 2) = 5;
  EXPECT_EQ(write_puzzle_file("1.1.6", "3x3", "A1", sn, 9), kA1File);
}

TEST(PuzzleFileWriter, WriteNeuWritesNothingWhenNotEnabled) {
  std::string out = "x";
  write_neu(out, a1(), 9, false);
  EXPECT_EQ(out, "x");
}

TEST(PuzzleFileReader, RoundTripsBothRanges) {
  struct Case {
    const char* range;
    const char* name;
    CardTable sn;
    int n;
  };
  const Case cases[] = {
      {"3x3", "A1", a1(), 9}, {"3x3", "G9", g9(), 9}, {"4x4", "Ix", level_i_4x4(), 16}};
  for (const Case& c : cases) {
    CardTable live = c.sn;
    live(c.n == 9 ? 12 : 1, 0) = 3;  // neither the work column nor rows beyond N travel
    StagedPuzzle p;
    const LoadResult r =
        read_puzzle_file(write_puzzle_file("1.1.6", c.range, c.name, live, c.n), p);
    ASSERT_TRUE(r.ok()) << c.name << ": error " << static_cast<int>(r.error) << " line " << r.line
                        << " item " << r.item;
    EXPECT_EQ(p.version_line, "Zerdo Version 1.1.6");
    EXPECT_EQ(p.range_name, c.range);
    EXPECT_EQ(p.puzzle_name, c.name);
    EXPECT_EQ(p.rows, c.n);
    EXPECT_EQ(p.columns, 16);
    EXPECT_TRUE(p.sn_buffer == c.sn) << c.name;
  }
}

// Every generated puzzle loads back as it was saved; at level I the anchored
// cards keep sixteen bits of borderless cells on the 3x3 board as well.
TEST(PuzzleFileReader, RoundTripsGeneratedPuzzlesOfEveryLevel) {
  struct Source : UniformSource {
    RandomSource random;
    float draw_uniform() override { return random.next(); }
  };
  FixedTables tables;
  tables.fill();
  AnchorTables anchors;
  anchors.build();
  for (const BoardShape shape : {BoardShape{kRange3x3, 9, 3}, BoardShape{kRange4x4, 16, 4}})
    for (Int level = 1; level <= 9; ++level)
      for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        CardTable sn;
        Source source;
        source.random.seed(seed * 31 + static_cast<std::uint64_t>(level));
        Generator gen{sn, shape, tables, anchors, source};
        const Puzzle puzzle = gen.generate(level);
        const char* range = shape.is_4x4() ? "4x4" : "3x3";
        StagedPuzzle p;
        const LoadResult r = read_puzzle_file(
            write_puzzle_file("1.1.6", range, puzzle.id, sn, shape.field_count), p);
        ASSERT_TRUE(r.ok()) << range << " " << puzzle.id << " seed " << seed << ": error "
                            << static_cast<int>(r.error) << " line " << r.line << " item " << r.item
                            << " value " << r.value;
        for (int row = 1; row <= shape.field_count; ++row) sn(row, 0) = 0;  // a work column
        EXPECT_TRUE(p.sn_buffer == sn) << range << " " << puzzle.id << " seed " << seed;
      }
}

TEST(PuzzleFileReader, AcceptsEveryBuiltInPuzzle) {
  for (const BuiltinPuzzle& b : kBuiltinPuzzles) {
    StagedPuzzle p;
    const LoadResult r =
        read_puzzle_file(write_puzzle_file("1.1.6", "3x3", b.id, builtin(b.id), 9), p);
    EXPECT_TRUE(r.ok()) << b.id << ": error " << static_cast<int>(r.error) << " line " << r.line
                        << " item " << r.item;
  }
}

TEST(PuzzleFileReader, ColumnCountComparesTheVersionAsText) {
  const std::pair<const char*, int> cases[] = {
      {"Zerdo Version 1.1.3", 14},
      {"Zerdo Version 1.1.4", 16},
      {"Zerdo Version 1.1.6", 16},
      {"Zerdo Version 1.1.10", 14},  // ".1.10" comes before "1.1.4"
      {"Zerdo Version 2.0.0", 16},
      {"", 14},
      {"1.1", 14}};
  for (auto [version, columns] : cases) EXPECT_EQ(record_columns(version), columns) << version;
  EXPECT_EQ(record_rows("4x4"), 16);
  EXPECT_EQ(record_rows("3x3"), 9);
  EXPECT_EQ(record_rows("5x5"), 9);
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find("\r\n", pos);
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

std::string joined(const std::vector<std::string>& lines, const char* eol = "\r\n") {
  std::string out;
  for (const auto& l : lines) out += l + eol;
  return out;
}

TEST(PuzzleFileReader, AcceptsAsManyCrossesAsTheCardsHold) {
  CardTable sn = level_i_4x4();
  for (int r = 1; r <= 16; ++r) sn(r, sn_kreuze) = r <= 7 ? 0xFFFF : 0;
  sn(8, sn_kreuze) = 0x07FF;  // 7 * 16 + 11 = 123
  StagedPuzzle p;
  EXPECT_TRUE(read_puzzle_file(write_puzzle_file("1.1.6", "4x4", "I-", sn, 16), p).ok());
}

TEST(PuzzleFileReader, ReadsFourteenColumnFilesOfOldVersions) {
  std::vector<std::string> lines = lines_of(kA1File);
  lines[0] = "\"Zerdo Version 1.1.3\"";
  for (std::size_t i = 2; i < lines.size(); ++i) lines[i] = lines[i].substr(0, lines[i].size() - 4);
  ASSERT_EQ(lines[2], "1,2,9,9,0,0,-1,0,0,0,0,0,0,0,");
  StagedPuzzle p;
  ASSERT_TRUE(read_puzzle_file(joined(lines), p).ok());
  EXPECT_EQ(p.columns, 14);
  EXPECT_TRUE(p.sn_buffer == a1());
}

TEST(PuzzleFileReader, AcceptsOtherLineEndsAndAMissingLastComma) {
  std::vector<std::string> lines = lines_of(kA1File);
  for (std::size_t i = 2; i < lines.size(); ++i) lines[i].pop_back();
  for (const char* eol : {"\r\n", "\n", "\r"}) {
    StagedPuzzle p;
    EXPECT_TRUE(read_puzzle_file(joined(lines, eol), p).ok()) << static_cast<int>(eol[0]);
    EXPECT_TRUE(p.sn_buffer == a1());
  }
  StagedPuzzle p;  // no line end after the last line, blanks around values
  std::string text = kA1File;
  text.pop_back(), text.pop_back();
  EXPECT_TRUE(read_puzzle_file(text, p).ok());
  EXPECT_TRUE(read_puzzle_file(std::string("\xEF\xBB\xBF") + kA1File, p).ok());
  lines = lines_of(kA1File);
  lines[2] = " 1 , 2,9,9,0,0, -1 ,0,0,0,0,0,0,0,0,0, ";
  EXPECT_TRUE(read_puzzle_file(joined(lines), p).ok());
}

// One line of the A1 file replaced.
std::function<std::string()> a1_with(std::size_t line, std::string text) {
  return [=] {
    std::vector<std::string> lines = lines_of(kA1File);
    if (line <= lines.size()) lines[line - 1] = text;
    return joined(lines);
  };
}

// The 4x4 puzzle with one change to its table.
std::function<std::string()> level_i_with(std::function<void(CardTable&)> change) {
  return [=] {
    CardTable sn = level_i_4x4();
    change(sn);
    return write_puzzle_file("1.1.6", "4x4", "Ix", sn, 16);
  };
}

struct BadFile {
  const char* what;
  std::function<std::string()> bytes;
  LoadError error;
  int line, item;
  long long value;
};

// Names the case in a failure message instead of dumping its bytes.
void PrintTo(const BadFile& b, std::ostream* os) { *os << b.what; }

class PuzzleFileRefusal : public ::testing::TestWithParam<BadFile> {};

TEST_P(PuzzleFileRefusal, GivesTheReasonAndWhere) {
  const BadFile& b = GetParam();
  StagedPuzzle p;
  const LoadResult r = read_puzzle_file(b.bytes(), p);
  EXPECT_EQ(static_cast<int>(r.error), static_cast<int>(b.error));
  EXPECT_EQ(r.line, b.line);
  EXPECT_EQ(r.item, b.item);
  EXPECT_EQ(r.value, b.value);
}

const std::string kA1 = kA1File;
const std::string kRow = ",0,0,-1,0,0,0,0,0,0,0,0,0,";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, PuzzleFileRefusal, ::testing::Values(
    BadFile{"empty", [] { return std::string(); }, LoadError::EndsEarly, 1, 1, 0},
    BadFile{"version only", [] { return std::string("\"Zerdo Version 1.1.6\"\r\n"); }, LoadError::EndsEarly, 2, 1, 0},
    BadFile{"no puzzle name", a1_with(2, "\"3x3\""), LoadError::EndsEarly, 2, 2, 0},
    BadFile{"ends after five cards", [] { return kA1.substr(0, kA1.find("6,4,1")); }, LoadError::EndsEarly, 8, 1, 0},
    BadFile{"short card line", a1_with(4, "2,7,6,6,0,0,-1,0"), LoadError::EndsEarly, 4, 9, 0},
    BadFile{"row 2 starts with 3", a1_with(4, "3,7,6,6" + kRow), LoadError::WrongRowNumber, 4, 1, 3},
    BadFile{"text for a number", a1_with(3, "1,2,9,9,abc,0,-1,0,0,0,0,0,0,0,0,0,"), LoadError::NotANumber, 3, 5, 0},
    BadFile{"quoted number", a1_with(3, "1,\"2\",9,9" + kRow), LoadError::NotANumber, 3, 2, 0},
    BadFile{"empty number", a1_with(3, "1,,9,9" + kRow), LoadError::NotANumber, 3, 2, 0},
    BadFile{"beyond 32 bits", a1_with(3, "1,2,9,9,0,4294967296,-1,0,0,0,0,0,0,0,0,0,"), LoadError::NotANumber, 3, 6, 0},
    BadFile{"a 17th value", a1_with(3, "1,2,9,9" + kRow + "5,"), LoadError::ExtraValue, 3, 17, 0},
    BadFile{"two version items", a1_with(1, "\"Zerdo Version 1.1.6\",\"x\""), LoadError::ExtraValue, 1, 2, 0},
    BadFile{"empty puzzle name", a1_with(2, "\"3x3\",\"\""), LoadError::BadPuzzleName, 2, 2, 0},
    BadFile{"name after I", a1_with(2, "\"3x3\",\"J1\""), LoadError::BadPuzzleName, 2, 2, 0},
    BadFile{"lower-case name", a1_with(2, "\"3x3\",\"a1\""), LoadError::BadPuzzleName, 2, 2, 0},
    BadFile{"field 10 on 3x3", a1_with(3, "1,10,9,9" + kRow), LoadError::ValueOutOfRange, 3, 2, 10},
    BadFile{"field 0", a1_with(3, "1,0,9,9" + kRow), LoadError::ValueOutOfRange, 3, 2, 0},
    BadFile{"4x4 piece in 3x3", a1_with(3, "1,2,13,9" + kRow), LoadError::ValueOutOfRange, 3, 3, 13},
    BadFile{"picture 26", a1_with(3, "1,2,9,26" + kRow), LoadError::ValueOutOfRange, 3, 4, 26},
    BadFile{"picture -1", a1_with(3, "1,2,9,-1" + kRow), LoadError::ValueOutOfRange, 3, 4, -1},
    BadFile{"grey box on cell 10", a1_with(3, "1,2,9,9,10,0,-1,0,0,0,0,0,0,0,0,0,"), LoadError::ValueOutOfRange, 3, 5, 10},
    BadFile{"border mask cell 17", a1_with(3, "1,2,9,9,0,65536,-1,0,0,0,0,0,0,0,0,0,"), LoadError::ValueOutOfRange, 3, 6, 65536},
    BadFile{"negative mask", a1_with(3, "1,2,9,9,0,-1,-1,0,0,0,0,0,0,0,0,0,"), LoadError::ValueOutOfRange, 3, 6, -1},
    BadFile{"title 1", a1_with(3, "1,2,9,9,0,0,1,0,0,0,0,0,0,0,0,0,"), LoadError::ValueOutOfRange, 3, 7, 1},
    BadFile{"cross on cell 11", a1_with(3, "1,2,9,9,0,0,-1,1024,0,0,0,0,0,0,0,0,"), LoadError::ValueOutOfRange, 3, 8, 1024},
    BadFile{"extra picture cell 12", a1_with(3, "1,2,9,9,0,0,-1,0,5,12,0,0,0,0,0,0,"), LoadError::ValueOutOfRange, 3, 10, 12},
    BadFile{"extra picture on no cell", a1_with(3, "1,2,9,9,0,0,-1,0,0,0,0,0,5,0,0,0,"), LoadError::ValueOutOfRange, 3, 14, 0},
    BadFile{"anchor 2", a1_with(3, "1,2,9,9,0,0,-1,0,0,0,0,0,0,0,2,0,"), LoadError::ValueOutOfRange, 3, 15, 2},
    BadFile{"work column 25", a1_with(3, "1,2,9,9,0,0,-1,0,0,0,0,0,0,0,0,25,"), LoadError::ValueOutOfRange, 3, 16, 25},
    BadFile{"field twice", a1_with(4, "2,2,6,6" + kRow), LoadError::DuplicateValue, 4, 2, 2},
    BadFile{"solution piece twice", a1_with(4, "2,7,9,6" + kRow), LoadError::DuplicateValue, 4, 3, 9},
    BadFile{"blot used five times", [] {
              CardTable sn = g9(); sn(9, sn_pict_4) = 17, sn(9, sn_field_4) = 1;
              return write_puzzle_file("1.1.6", "3x3", "G9", sn, 9); },
            LoadError::TooManyPictures, 11, 13, 17},
    BadFile{"piece picture used five times", level_i_with([](CardTable& sn) {
              for (int r = 1; r <= 5; ++r) sn(r, sn_pict_4) = 7, sn(r, sn_field_4) = 1; }),
            LoadError::TooManyPictures, 7, 13, 7},
    BadFile{"124 crosses", level_i_with([](CardTable& sn) {
              for (int r = 1; r <= 7; ++r) sn(r, sn_kreuze) = 0xFFFF;
              sn(8, sn_kreuze) = 0x0FFF; }),
            LoadError::TooManyCrosses, 10, 8, 124},
    BadFile{"field 17 on 4x4", level_i_with([](CardTable& sn) { sn(16, sn_field) = 17; }),
            LoadError::ValueOutOfRange, 18, 2, 17},
    BadFile{"4x4 range with nine cards", [] {
              std::string text = kA1; text.replace(text.find("3x3"), 3, "4x4"); return text; },
            LoadError::EndsEarly, 12, 1, 0},
    BadFile{"zero byte", [] { std::string text = kA1; text[30] = '\0'; return text; }, LoadError::NotText, 0, 0, 0},
    BadFile{"over 64 KiB", [] { return kA1 + std::string(kMaxPuzzleFileBytes, ' '); },
            LoadError::TooLarge, 0, 0, static_cast<long long>(kA1.size() + kMaxPuzzleFileBytes)}
), [](const ::testing::TestParamInfo<BadFile>& case_info) {
  std::string name;
  for (char c : std::string(case_info.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
});
// clang-format on

}  // namespace
}  // namespace zerdo
