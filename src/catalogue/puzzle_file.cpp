#include "catalogue/puzzle_file.h"

#include <array>
#include <bitset>
#include <optional>
#include <vector>

#include "model/number_text.h"
#include "model/pictures.h"

namespace zerdo {
namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

// One comma-separated item of a line: its text and whether it was quoted.
struct Item {
  std::string text;
  bool quoted = false;
};

// Splits one line into its items. Blanks around an item are dropped; a
// quoted item runs to the next double quote (there is no escape inside).
std::vector<Item> split_items(std::string_view line) {
  std::vector<Item> items;
  std::size_t pos = 0;
  for (;;) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    Item item;
    if (pos < line.size() && line[pos] == '"') {
      const std::size_t close = line.find('"', pos + 1);
      const std::size_t end = close == std::string_view::npos ? line.size() : close;
      item.text = std::string(line.substr(pos + 1, end - pos - 1));
      item.quoted = true;
      pos = close == std::string_view::npos ? line.size() : close + 1;
    }
    const std::size_t comma = line.find(',', pos);
    const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
    if (!item.quoted) {
      std::string_view t = line.substr(pos, end - pos);
      while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
      item.text = std::string(t);
    }
    items.push_back(std::move(item));
    if (comma == std::string_view::npos) break;
    pos = comma + 1;
  }
  return items;
}

// The lines of a text with CR LF, LF or CR line ends.
std::vector<std::string_view> split_lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.push_back(bytes.substr(pos));
      break;
    }
    lines.push_back(bytes.substr(pos, end - pos));
    pos = end + 1;
    if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
  }
  return lines;
}

bool is_text(std::string_view bytes) {
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) return false;
  }
  return true;
}

LoadResult fail(LoadError e, int line, int item, long long value = 0) {
  return {e, line, item, value};
}

// What each card column may hold on a board of n fields. Masks are sets of
// card cells 1..n; cells and fields 1..n (0 = none where allowed). The cells
// without border may name all sixteen cells on either board, as the anchored
// cards of level I do: cells beyond the board are not drawn.
struct ColumnRule {
  enum Kind { Fixed, Range, Mask, AllCells, Titel } kind;
  long long lo = 0, hi = 0;  // for Range; hi < 0 means "n"
};
constexpr long long kN = -1;
constexpr int kCardCells = 16;  // the cells of a 4x4 card
// clang-format off
constexpr std::array<ColumnRule, kColumns> kColumnRules{{
    {ColumnRule::Fixed},             // 0: not in the file
    {ColumnRule::Fixed},             // sn_nr: the row number, checked while reading
    {ColumnRule::Range, 1, kN},      // sn_field
    {ColumnRule::Range, 1, kN},      // sn_Loesung: the pieces in play are ids 1..N
    {ColumnRule::Range, 0, kPictureIds},  // sn_pict
    {ColumnRule::Range, 0, kN},      // sn_vorgabe
    {ColumnRule::AllCells},          // sn_sperre
    {ColumnRule::Titel},             // sn_titel: -1 or 0
    {ColumnRule::Mask},              // sn_kreuze
    {ColumnRule::Range, 0, kPictureIds},  // sn_pict_2
    {ColumnRule::Range, 0, kN},      // sn_field_2
    {ColumnRule::Range, 0, kPictureIds},  // sn_pict_3
    {ColumnRule::Range, 0, kN},      // sn_field_3
    {ColumnRule::Range, 0, kPictureIds},  // sn_pict_4
    {ColumnRule::Range, 0, kN},      // sn_field_4
    {ColumnRule::Range, -1, 1},      // sn_anker: -1/0 when finished, 1 while the generator runs
    // sn_rsv_1: a generator work column: orders of 1..16, or the colour or
    // shape codes 17..24 it leaves at levels D, E, F and H
    {ColumnRule::Range, 0, kCrossId - 1},
}};
// clang-format on

bool fits(const ColumnRule& rule, Long v, int n) {
  switch (rule.kind) {
    case ColumnRule::Fixed:
      return true;
    case ColumnRule::Range:
      return v >= rule.lo && v <= (rule.hi == kN ? n : rule.hi);
    case ColumnRule::Mask:
      return v >= 0 && v < (Long{1} << n);
    case ColumnRule::AllCells:
      return v >= 0 && v < (Long{1} << kCardCells);
    case ColumnRule::Titel:
      return v == kTrue || v == kFalse;
  }
  return false;
}

// Everything a card must satisfy to be drawn on a board of n fields: each
// value in its column's bounds, fields and solution pieces each once, an
// extra picture on a cell of the card, and no more clue pictures or crosses
// than the cards have instances of.
LoadResult check_cards(const StagedPuzzle& p) {
  const int n = p.rows;
  const CardTable& b = p.sn_buffer;
  auto line_of = [](int r) { return r + 2; };
  for (int r = 1; r <= n; ++r)
    for (int c = 2; c <= p.columns; ++c)
      if (!fits(kColumnRules[static_cast<std::size_t>(c)], b(r, c), n))
        return fail(LoadError::ValueOutOfRange, line_of(r), c, b(r, c));

  for (int c : {int{sn_field}, int{sn_Loesung}}) {
    std::array<bool, kRecords + 1> seen{};
    for (int r = 1; r <= n; ++r) {
      const Long v = b(r, c);
      if (seen[static_cast<std::size_t>(v)])
        return fail(LoadError::DuplicateValue, line_of(r), c, v);
      seen[static_cast<std::size_t>(v)] = true;
    }
  }

  constexpr std::array<std::pair<int, int>, 3> kExtras{
      {{sn_pict_2, sn_field_2}, {sn_pict_3, sn_field_3}, {sn_pict_4, sn_field_4}}};
  for (int r = 1; r <= n; ++r)
    for (auto [pict, cell] : kExtras)
      if (b(r, pict) > 0 && b(r, cell) == 0)
        return fail(LoadError::ValueOutOfRange, line_of(r), cell, 0);

  std::array<int, kPictureIds + 1> used{};
  int crosses = 0;
  for (int r = 1; r <= n; ++r) {
    for (int c : {int{sn_pict}, int{sn_pict_2}, int{sn_pict_3}, int{sn_pict_4}}) {
      const Long id = b(r, c);
      if (id < 1 || id >= kCrossId) continue;  // 0 and the cross id draw nothing
      if (++used[static_cast<std::size_t>(id)] > kPictureInstances)
        return fail(LoadError::TooManyPictures, line_of(r), c, id);
    }
    crosses +=
        static_cast<int>(std::bitset<32>(static_cast<unsigned long>(b(r, sn_kreuze))).count());
    if (crosses > kCrossInstances)
      return fail(LoadError::TooManyCrosses, line_of(r), sn_kreuze, crosses);
  }
  return {};
}

}  // namespace

void write_neu(std::string& out, const CardTable& sn, int field_count, bool enabled) {
  if (!enabled) return;
  for (int r = 1; r <= field_count; ++r) {
    for (int c = sn_nr; c <= sn_rsv_1; ++c) out += std::to_string(sn(r, c)) + ",";
    out += kCrLf;
  }
}

std::string write_puzzle_file(std::string_view version_text, std::string_view range_name,
                              std::string_view puzzle_id, const CardTable& sn, int field_count) {
  std::string out = quoted("Zerdo Version " + std::string(version_text));
  out += kCrLf;
  out += quoted(range_name) + "," + quoted(puzzle_id);
  out += kCrLf;
  write_neu(out, sn, field_count, true);
  return out;
}

int record_columns(std::string_view version_line) {
  const std::string_view last5 =
      version_line.size() > 5 ? version_line.substr(version_line.size() - 5) : version_line;
  return last5 < std::string_view("1.1.4") ? 14 : 16;
}

int record_rows(std::string_view range_name) { return range_name == "4x4" ? 16 : 9; }

LoadResult read_puzzle_file(std::string_view bytes, StagedPuzzle& p) {
  if (bytes.size() > kMaxPuzzleFileBytes)
    return fail(LoadError::TooLarge, 0, 0, static_cast<long long>(bytes.size()));
  if (!is_text(bytes)) return fail(LoadError::NotText, 0, 0);
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);  // a UTF-8 mark of an editor
  const std::vector<std::string_view> lines = split_lines(bytes);
  auto line = [&](int k) -> std::optional<std::vector<Item>> {
    if (static_cast<std::size_t>(k) > lines.size()) return std::nullopt;
    return split_items(lines[static_cast<std::size_t>(k) - 1]);
  };

  // Line 1: the version; line 2: range and puzzle name.
  const auto head = line(1);
  if (!head) return fail(LoadError::EndsEarly, 1, 1);
  if (head->size() > 1) return fail(LoadError::ExtraValue, 1, 2);
  p.version_line = (*head)[0].text;
  const auto names = line(2);
  if (!names) return fail(LoadError::EndsEarly, 2, 1);
  if (names->size() < 2) return fail(LoadError::EndsEarly, 2, 2);
  if (names->size() > 2) return fail(LoadError::ExtraValue, 2, 3);
  p.range_name = (*names)[0].text;
  p.puzzle_name = (*names)[1].text;
  // The first letter names the level A..I that the loaded puzzle is filed under.
  if (p.puzzle_name.empty() || p.puzzle_name[0] < 'A' || p.puzzle_name[0] > 'I')
    return fail(LoadError::BadPuzzleName, 2, 2);

  p.columns = record_columns(p.version_line);
  p.rows = record_rows(p.range_name);
  p.sn_buffer.clear();
  for (int r = 1; r <= p.rows; ++r) {
    const int k = r + 2;
    const auto items = line(k);
    if (!items) return fail(LoadError::EndsEarly, k, 1);
    for (int c = 1; c <= p.columns; ++c) {
      if (static_cast<std::size_t>(c) > items->size()) return fail(LoadError::EndsEarly, k, c);
      const Item& item = (*items)[static_cast<std::size_t>(c) - 1];
      const auto v =
          item.quoted ? std::nullopt : parse_stored_number(item.text, INT32_MIN, INT32_MAX);
      if (!v) return fail(LoadError::NotANumber, k, c);
      p.sn_buffer(r, c) = static_cast<Long>(*v);
      if (c == sn_nr && *v != r) return fail(LoadError::WrongRowNumber, k, 1, *v);
    }
    // After the last value only the empty item behind its comma may follow.
    const std::size_t n_items = items->size();
    const auto cols = static_cast<std::size_t>(p.columns);
    if (n_items > cols + 1 || (n_items == cols + 1 && !(*items)[cols].text.empty()) ||
        (n_items == cols + 1 && (*items)[cols].quoted))
      return fail(LoadError::ExtraValue, k, p.columns + 1);
  }
  return check_cards(p);
}

}  // namespace zerdo
