#include "catalogue/builtin.h"

#include <cctype>

namespace zerdo {

// Notation of a card: "F/P" the field the card is about and the picture drawn
// on it; "gN" the cell of the grey must-field box; "s" and digits the cells
// drawn without border; "x" and digits the crossed cells; "+P:F" an extra
// picture P on cell F (the first one written is the second picture of the
// record, the next one the third). Cards of level G show "?" as caption.
// clang-format off
const std::array<BuiltinPuzzle, kBuiltinCount> kBuiltinPuzzles{{
  {"A1", 1, {"2/9", "7/6", "6/3", "9/7", "3/4", "4/1", "8/8", "1/5", "5/2"}},
  {"A2", 1, {"9/9", "5/6", "7/3", "2/7", "6/4", "4/1", "1/8", "3/5", "8/2"}},
  {"A3", 1, {"9/9", "5/6", "4/3", "6/7", "2/4", "7/1", "3/8", "8/5", "1/2"}},
  {"A4", 1, {"7/9", "4/6", "1/3", "6/7", "2/4", "9/1", "3/8", "8/5", "5/2"}},
  {"A5", 1, {"6/9", "9/6", "3/3", "5/7", "8/4", "1/1", "4/8", "2/5", "7/2"}},
  {"B1", 2, {"2/9 g2", "3/6 g3", "8/3 g8", "1/7 g1", "7/4 g7", "4/1 g4", "6/8 g6", "9/5 g9", "5/2 g5"}},
  {"B2", 2, {"6/9 g6", "8/6 g8", "7/3 g7", "2/7 g2", "1/4 g1", "9/1 g9", "5/8 g5", "3/5 g3", "4/2 g4"}},
  {"B3", 2, {"7/9 g7", "1/6 g1", "8/3 g8", "3/7 g3", "9/4 g9", "5/1 g5", "4/8 g4", "6/5 g6", "2/2 g2"}},
  {"B4", 2, {"5/9 g5", "4/6 g4", "1/3 g1", "6/7 g6", "2/4 g2", "7/1 g7", "9/8 g9", "8/5 g8", "3/2 g3"}},
  {"B5", 2, {"6/9 g6", "8/6 g8", "7/3 g7", "2/7 g2", "1/4 g1", "9/1 g9", "5/8 g5", "3/5 g3", "4/2 g4"}},
  {"C1", 3, {"2/9 g2 s4679", "3/6 g3 s4578", "8/3 g8 s1379", "1/7 g1 s234678", "7/4 g7 s2359", "4/1 g4 s123789", "6/8 g6 s1245", "9/5 g9 s234678", "5/2 g5 s134679"}},
  {"C2", 3, {"7/9 g7 s124689", "1/6 g1 s2389", "8/3 g8 s2356", "3/7 g3 s12489", "9/4 g8 s134679", "5/1 g8 s12379", "4/8 g7 s12356", "6/5 g5 s234689", "2/2 g5 s123789"}},
  {"C3", 3, {"2/9 g2 s4678", "1/6 g1 s234678", "9/3 g9 s3478", "7/7 g7 s1469", "6/4 g9 s12346", "5/1 g5 s24679", "8/8 g6 s134789", "3/5 g2 s134679", "4/2 g4 s135679"}},
  {"C4", 3, {"6/9 g6 s13578", "1/6 g1 s24678", "9/3 g9 s234678", "4/7 g1 s23789", "7/4 g1 s456789", "3/1 g9 s123456", "2/8 g3 s124679", "8/5 g9 s124678", "5/2 g9 s1234578"}},
  {"C5", 3, {"4/9 g4 s2368", "1/6 g1 s23479", "6/3 g6 s34579", "7/7 g7 s14689", "9/4 g9 s234678", "8/1 g7 s235689", "2/8 g1 s234679", "3/5 g2 s134679", "5/2 g3 s146789"}},
  {"D1", 4, {"7/9 g7", "3/4 g5", "4/2 g6", "9/8 g2", "5/18 g8", "1/22 g3", "2/19 g4", "8/23 g9", "6/17 g1"}},
  {"D2", 4, {"9/4 g3", "7/8 g8", "6/3 g6", "1/9 g9", "3/23 g1", "5/19 g7", "8/17 g5", "4/22 g4", "2/21 g2"}},
  {"D3", 4, {"1/3 g4", "2/2 g8", "4/6 g2", "7/7 g7", "5/19 g1", "6/23 g3", "3/21 g6", "9/18 g9", "8/17 g5"}},
  {"D4", 4, {"2/2 g5", "3/5 g9", "8/9 g2", "4/6 g3", "1/22 g1", "7/19 g8", "6/21 g7", "9/18 g6", "5/23 g4"}},
  {"D5", 4, {"3/5 g9", "2/2 g6", "8/9 g3", "1/6 g2", "5/22 g5", "4/18 g7", "7/19 g8", "9/21 g4", "6/17 g1"}},
  {"E1", 5, {"5/9 g5 s1379", "8/6 g5 s46789", "2/7 g3 s124689", "3/2 g8 s23569", "4/23 g1 s234678", "7/18 g3 s456789", "1/22 g5 s134679", "6/19 g6 s1234578", "9/21 g2 s1456789"}},
  {"E2", 5, {"6/9 g6", "7/4 g5", "3/2 g4", "1/8 g9", "5/23 g4 s12378", "8/18 g1 s34679", "9/22 g4 s123789", "2/17 g4 s2356789", "4/19 g6 s1234579"}},
  {"E3", 5, {"7/8 g4 s15679", "6/2 g8 s24679", "3/5 g1 s234678", "5/3 g3 s124689", "2/7 g8 s12379", "9/23 g4 s1356789", "4/21 g7 s235689", "1/17 g4 s1236789", "8/19 g8 s1234679"}},
  {"E4", 5, {"1/6 g2 s13589", "2/1 g6 s1379", "3/2 g4 s1379", "9/5 g8 s1379", "5/22 g4 s235689", "6/18 g5 s1246789", "7/21 g6 s1234579", "8/19 g6 s1234578", "4/23 g4 s2356789"}},
  {"E5", 5, {"9/9 g9 s234678", "1/2 g5 s13468", "2/3 g5 s12379", "3/7 g2 s13469", "8/19 g1 s234679", "7/21 g7 s124689", "4/23 g2 s146789", "6/18 g1 s2356789", "5/22 g4 s1356789"}},
  {"F1", 6, {"2/9 g2", "4/6 g4", "8/3 g8", "1/7 g1", "5/4 x3679", "3/1 x46789", "7/8 g7", "9/5 x456", "6/2 x258"}},
  {"F2", 6, {"2/9 g2", "8/6 g8", "1/3 g1", "9/7 g9", "5/4 x234678", "6/1 x12347", "3/8 x1247", "7/5 x1234", "4/2 x13579"}},
  {"F3", 6, {"4/9 g4", "7/6 g7", "3/3 g3", "9/7 g9", "2/4 x134568", "5/1 x123468", "6/8 x123789", "1/5 x2468", "8/2 x13579"}},
  {"F4", 6, {"4/9 g4", "1/6 g1", "5/3 g5", "8/7 g8", "7/4 x2369", "6/1 x23489", "3/8 x245689", "9/5 x2468", "2/2 x159"}},
  {"F5", 6, {"5/9 g5", "1/6 g1", "2/3 g2", "8/7 g8", "9/4 x234678", "4/1 x236789", "6/8 x357", "7/5 x12358", "3/2 x478"}},
  {"G1", 7, {"5/9 g5 s4679", "6/6 g6 s2359", "4/3 g4 s1379", "1/7 s145 x236789", "8/4 s58 x1234679", "9/1 s159 x234678", "7/8 s179 x234568", "2/5 s2468 x13579", "3/2 s356 x124789"}},
  {"G2", 7, {"4/5 g8", "1/3 g7", "7/8 g6", "5/4 g2", "2/22 x34569", "9/19 x235689", "6/23 x1379", "8/17 x357", "3/21 x69"}},
  {"G3", 7, {"3/6 s24679 x138", "5/5 x1234789", "7/2 s234678 x1", "2/7 s4679 x138", "4/18 s234678", "8/9 s1234689 x7", "1/4 s1345789 x6", "6/17 s1234789 x5", "9/21 s2356789 x1"}},
  {"G4", 7, {"4/9 g4 s1379", "3/6 g3 s124689", "5/3 g4 s13679", "2/7 g1 s2356789 +3:4", "9/4 g7 s235689 +6:1", "6/1 g9 s123678", "1/8 g6 s1234578 +9:9", "8/5 g6 s1345789", "7/2 g5 s1246789 +3:3"}},
  {"G5", 7, {"7/9 g7 s124689", "5/6 g3 s1246789 +9:5", "3/3 g5 s1234689", "8/7 g7 s135689 +3:2", "6/4 s356 x124789", "2/1 s2356 x14789", "9/8 g5 s2346789 +6:1", "4/5 s1234578 x6", "1/2 s124578 x69"}},
  {"G6", 7, {"4/5 g6 s23479", "5/2 g4 s156789 +5:3", "9/9 s23489 x1567", "8/7 s346789 x2 +9:1", "1/23 g3 s124578 +7:9", "3/6 s456789 x2 +2:1", "2/4 g1 s235689 +22:4 +22:7", "6/19 s1456789 x2", "7/21 s124689 x357"}},
  {"G7", 7, {"6/9 g3 s1246789 +6:5", "8/6 g7 s135689 +8:2", "7/3 s378 x124569", "9/7 g3 s456789 +21:1", "5/4 g5 s234678 +17:1 +17:9", "1/1 g4 s1235689 +21:7", "3/8 g3 s124689", "2/5 g8 s1234567 +18:9", "4/2 g3 s1245789 +3:6"}},
  {"G8", 7, {"6/5 s124689 x57", "5/23 s134679 x25", "8/3 s123789 x46", "9/1 s1236789 x5", "7/9 g9 s1234567 +22:8", "4/8 g2 s1379", "2/4 g8 s124679 +8:3", "3/22 g5 s124689 +22:7", "1/18 s134679 x58"}},
  {"G9", 7, {"5/17 s123789 x4", "4/17 s12468 x3579", "1/5 g8 s134679 +2:2", "6/22 g3 s456789 +8:1", "2/22 s1346789 +19:5", "8/23 g9 s123567 +21:4", "7/9 g1 s356789 +17:2 +17:4", "9/4 g5 s123479 +18:6", "3/23 g9 s124578 +3:3"}},
  {"G10", 7, {"8/6 s123789 x56", "4/17 s124578 x9", "9/5 s2347 x8", "1/17 s134679 x5", "3/8 g7 s124689", "2/3 g2 s3456789 +9:1", "7/21 s24679 x1358", "5/7 g2 s134679 +8:8", "6/9 g9 s124578 x3"}},
}};
// clang-format on

std::optional<int> builtin_index(std::string_view id) {
  for (int i = 0; i < kBuiltinCount; ++i)
    if (kBuiltinPuzzles[static_cast<std::size_t>(i)].id == id) return i;
  return std::nullopt;
}

namespace {

// Reads a decimal number at pos; -1 when there is none.
long read_number(std::string_view s, std::size_t& pos) {
  if (pos >= s.size() || !std::isdigit(static_cast<unsigned char>(s[pos]))) return -1;
  long v = 0;
  while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])))
    v = v * 10 + (s[pos++] - '0');
  return v;
}

// Reads a run of single-digit cell numbers into a bit mask.
Long read_cells(std::string_view s, std::size_t& pos) {
  Long mask = 0;
  while (pos < s.size() && s[pos] >= '1' && s[pos] <= '9') mask |= Long{1} << (s[pos++] - '1');
  return mask;
}

}  // namespace

std::optional<CardRecord> decode_card(const BuiltinPuzzle& p, int card) {
  if (card < 1 || card > 9) return std::nullopt;
  const std::string_view s = p.cards[static_cast<std::size_t>(card - 1)];
  CardRecord c;
  c.loesung = kBuiltinLoesung[static_cast<std::size_t>(card)];
  c.titel = p.level != 7;
  std::size_t pos = 0;
  c.field = read_number(s, pos);
  if (pos >= s.size() || s[pos++] != '/') return std::nullopt;
  c.pict = read_number(s, pos);
  if (c.field < 1 || c.pict < 1) return std::nullopt;
  int extras = 0;
  while (pos < s.size()) {
    if (s[pos++] != ' ' || pos >= s.size()) return std::nullopt;
    const char kind = s[pos++];
    if (kind == 'g') {
      c.vorgabe = read_number(s, pos);
      if (c.vorgabe < 1) return std::nullopt;
    } else if (kind == 's') {
      c.sperre = read_cells(s, pos);
    } else if (kind == 'x') {
      c.kreuze = read_cells(s, pos);
    } else if (kind == '+') {
      const long pict = read_number(s, pos);
      if (pos >= s.size() || s[pos++] != ':') return std::nullopt;
      const long cell = read_number(s, pos);
      if (pict < 1 || cell < 1 || extras >= 2) return std::nullopt;
      (extras++ == 0 ? c.pict_2 : c.pict_3) = pict;
      (extras == 1 ? c.field_2 : c.field_3) = cell;
    } else {
      return std::nullopt;
    }
  }
  return c;
}

}  // namespace zerdo
