#include "play/kept_game.h"

#include <cstdio>
#include <limits>
#include <utility>
#include <vector>

#include "catalogue/puzzle_file.h"

namespace zerdo {
namespace {

constexpr std::string_view kHead = "Zerdo kept game 1";
constexpr std::string_view kCheckKey = "check=";

std::size_t at(long i) { return static_cast<std::size_t>(i); }

// FNV-1a over the bytes: enough to tell a file that was changed by hand or
// damaged on the way from one the game wrote.
std::uint64_t check_value(std::string_view bytes) {
  std::uint64_t h = 14695981039346656037ull;
  for (const char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  return h;
}

std::string hex(std::uint64_t v) {
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
  return buf;
}

void put_moves(std::string& out, std::string_view key, const std::vector<Move>& moves) {
  out += key;
  out += '=';
  bool first = true;
  for (const Move& m : moves) {
    if (!first) out += ' ';
    first = false;
    out += std::to_string(m.piece) + ':' + std::to_string(m.from) + ':' + std::to_string(m.to);
  }
  out += '\n';
}

template <typename T>
void put_values(std::string& out, std::string_view key, const T& values, long from, long to) {
  out += key;
  out += '=';
  for (long i = from; i <= to; ++i) {
    if (i > from) out += ',';
    out += std::to_string(values[at(i)]);
  }
  out += '\n';
}

// Reads the kept game line by line; every step refuses anything but what
// the writer makes.
class Reader {
 public:
  explicit Reader(std::string_view body) : rest_(body) {}

  // The value of the next line, which must be key=...
  std::optional<std::string_view> line(std::string_view key) {
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    std::string_view l = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    if (l.size() <= key.size() || l.substr(0, key.size()) != key || l[key.size()] != '=')
      return std::nullopt;
    return l.substr(key.size() + 1);
  }
  bool done() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

// A decimal number within [lo, hi], the whole of text: no blanks, no plus sign.
std::optional<long long> number(std::string_view text, long long lo, long long hi) {
  bool negative = false;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 18) return std::nullopt;
  long long v = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (negative) v = -v;
  if (v < lo || v > hi) return std::nullopt;
  return v;
}

// Items of text split at sep; "" gives none.
std::vector<std::string_view> split(std::string_view text, char sep) {
  std::vector<std::string_view> items;
  if (text.empty()) return items;
  for (;;) {
    const std::size_t end = text.find(sep);
    items.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return items;
    text.remove_prefix(end + 1);
  }
}

// count numbers within [lo, hi], separated by commas, into out[first...].
template <typename T>
bool values(std::optional<std::string_view> text, long count, long long lo, long long hi, T& out,
            long first) {
  if (!text) return false;
  const auto items = split(*text, ',');
  if (static_cast<long>(items.size()) != count) return false;
  for (long i = 0; i < count; ++i) {
    const auto v = number(items[at(i)], lo, hi);
    if (!v) return false;
    out[at(first + i)] = static_cast<typename T::value_type>(*v);
  }
  return true;
}

bool moves(std::optional<std::string_view> text, Int n, std::vector<Move>& out) {
  if (!text) return false;
  for (const std::string_view item : split(*text, ' ')) {
    const auto parts = split(item, ':');
    if (parts.size() != 3) return false;
    const auto piece = number(parts[0], 1, n), from = number(parts[1], 0, n),
               to = number(parts[2], 0, n);
    if (!piece || !from || !to) return false;
    out.push_back({static_cast<Int>(*piece), static_cast<Int>(*from), static_cast<Int>(*to)});
  }
  return true;
}

// Whether the moves lead from the empty board to the placement, each from
// where its piece stood, and the steps to undo and redo retrace them.
bool moves_agree(const Game& g) {
  std::array<Int, 17> board{};
  for (const Move& m : g.move_list) {
    if (board[at(m.piece)] != m.from) return false;
    board[at(m.piece)] = m.to;
  }
  if (board != g.placement) return false;
  for (auto it = g.undo_steps.rbegin(); it != g.undo_steps.rend(); ++it) {
    if (board[at(it->piece)] != it->to) return false;
    board[at(it->piece)] = it->from;
  }
  board = g.placement;
  for (auto it = g.redo_steps.rbegin(); it != g.redo_steps.rend(); ++it) {
    if (board[at(it->piece)] != it->from) return false;
    board[at(it->piece)] = it->to;
  }
  const std::size_t listed = g.move_list.size();
  return g.moves == static_cast<Int>(listed < 32767 ? listed : 32767);
}

}  // namespace

std::string write_kept_game(const KeptGame& kept) {
  const Game& g = kept.game;
  const Int n = g.shape.field_count;
  std::string out(kHead);
  out += '\n';
  out += g.shape.is_4x4() ? "range=4x4\n" : "range=3x3\n";
  out += "level=" + std::to_string(g.level) + '\n';
  out += "puzzle=" + g.puzzle_id + '\n';
  for (int r = 1; r <= n; ++r) {
    std::array<Long, kColumns> row{};
    for (int c = 0; c < kColumns; ++c) row[at(c)] = g.sn(r, c);
    put_values(out, "card", row, 0, kColumns - 1);
  }
  put_values(out, "solution", g.solution, 1, n);
  put_values(out, "placement", g.placement, 1, n);
  out += "moves=" + std::to_string(g.moves) + '\n';
  put_moves(out, "list", g.move_list);
  put_moves(out, "undo", g.undo_steps);
  put_moves(out, "redo", g.redo_steps);
  std::array<Int, 17> marks{};
  for (int i = 1; i <= 16; ++i) marks[at(i)] = g.marks[at(i)] ? 1 : 0;
  put_values(out, "marks", marks, 1, n);
  out += "hints=" + std::to_string(g.hints) + '\n';
  out += std::string("judged=") + (g.judged ? "yes" : "no") + '\n';
  out += "time=" + std::to_string(kept.play_ms) + '\n';
  out += std::string("clock=") + (kept.running ? "run" : "stop") + '\n';
  return sign_kept_game(std::move(out));
}

std::string sign_kept_game(std::string body) {
  body += std::string(kCheckKey) + hex(check_value(body)) + '\n';
  return body;
}

std::optional<KeptGame> read_kept_game(std::string_view bytes) {
  if (bytes.size() > kMaxKeptGameBytes) return std::nullopt;
  // The check line closes the file and covers everything before it.
  const std::size_t check_at = bytes.rfind(std::string("\n") + std::string(kCheckKey));
  if (check_at == std::string_view::npos) return std::nullopt;
  const std::string_view body = bytes.substr(0, check_at + 1);
  if (bytes.substr(check_at + 1) != std::string(kCheckKey) + hex(check_value(body)) + '\n')
    return std::nullopt;
  if (body.substr(0, kHead.size() + 1) != std::string(kHead) + '\n') return std::nullopt;

  Reader in(body.substr(kHead.size() + 1));
  KeptGame kept;
  Game& g = kept.game;
  const auto range = in.line("range");
  if (!range || (*range != "3x3" && *range != "4x4")) return std::nullopt;
  const bool four = *range == "4x4";
  g.shape = BoardShape{four ? kRange4x4 : kRange3x3, static_cast<Int>(four ? 16 : 9),
                       static_cast<Int>(four ? 4 : 3)};
  const Int n = g.shape.field_count;
  const auto level = in.line("level");
  const auto lv = level ? number(*level, 1, 9) : std::nullopt;
  if (!lv) return std::nullopt;
  g.level = static_cast<Int>(*lv);
  const auto id = in.line("puzzle");
  if (!id || id->size() > 255) return std::nullopt;
  g.puzzle_id = std::string(*id);

  constexpr long long kLongMin = std::numeric_limits<Long>::min();
  constexpr long long kLongMax = std::numeric_limits<Long>::max();
  for (int r = 1; r <= n; ++r) {
    std::array<Long, kColumns> row{};
    if (!values(in.line("card"), kColumns, kLongMin, kLongMax, row, 0)) return std::nullopt;
    for (int c = 0; c < kColumns; ++c) g.sn(r, c) = row[at(c)];
  }
  // The cards pass every check a puzzle file's cards pass (fields, pieces,
  // pictures, crosses, the puzzle's name), so the board can draw them.
  // (A version from 1.1.4 on: the records carry all sixteen columns.)
  StagedPuzzle staged;
  const std::string as_file =
      write_puzzle_file("Zerdo Version 1.1.6", *range, g.puzzle_id, g.sn, n);
  if (!read_puzzle_file(as_file, staged).ok() || staged.rows != n ||
      staged.puzzle_name != g.puzzle_id)
    return std::nullopt;

  if (!values(in.line("solution"), n, 1, 16, g.solution, 1)) return std::nullopt;
  for (int r = 1; r <= n; ++r) {
    const Long f = g.sn(r, sn_field);
    if (f < 1 || f > n || g.solution[at(f)] != g.sn(r, sn_Loesung)) return std::nullopt;
  }
  if (!values(in.line("placement"), n, 0, n, g.placement, 1)) return std::nullopt;
  const auto count = in.line("moves");
  const auto mv = count ? number(*count, 0, 32767) : std::nullopt;
  if (!mv) return std::nullopt;
  g.moves = static_cast<Int>(*mv);
  if (!moves(in.line("list"), n, g.move_list) || !moves(in.line("undo"), n, g.undo_steps) ||
      !moves(in.line("redo"), n, g.redo_steps) || !moves_agree(g))
    return std::nullopt;
  std::array<Int, 17> marks{};
  if (!values(in.line("marks"), n, 0, 1, marks, 1)) return std::nullopt;
  for (int i = 1; i <= n; ++i) g.marks[at(i)] = marks[at(i)] == 1;
  const auto hints = in.line("hints");
  const auto h = hints ? number(*hints, 0, 32767) : std::nullopt;
  if (!h) return std::nullopt;
  g.hints = static_cast<Int>(*h);
  const auto judged = in.line("judged");
  if (!judged || (*judged != "yes" && *judged != "no")) return std::nullopt;
  g.judged = *judged == "yes";
  const auto time = in.line("time");
  const auto ms = time ? number(*time, 0, kMaxKeptPlayMs) : std::nullopt;
  if (!ms) return std::nullopt;
  kept.play_ms = *ms;
  const auto clock = in.line("clock");
  if (!clock || (*clock != "run" && *clock != "stop")) return std::nullopt;
  kept.running = *clock == "run";
  if (!in.done()) return std::nullopt;
  // A won game is over: it is never kept.
  if (g.judge().outcome == Outcome::Right) return std::nullopt;
  return kept;
}

}  // namespace zerdo
