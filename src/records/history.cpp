#include "records/history.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace zerdo {
namespace {

constexpr std::array<std::string_view, 3> kResultNames = {"won", "lost", "abandoned"};

std::optional<long long> number(std::string_view text, long long lo, long long hi) {
  if (text.empty() || text.size() > 15) return std::nullopt;
  long long v = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v < lo || v > hi) return std::nullopt;
  return v;
}

// A puzzle id as the game names puzzles: letters, digits, '-' and 'x'.
bool plain_id(std::string_view id) {
  if (id.empty() || id.size() > 32) return false;
  for (const char c : id)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'))
      return false;
  return true;
}

bool date_time(std::string_view t) {
  static constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd";
  if (t.size() != kShape.size()) return false;
  for (std::size_t i = 0; i < t.size(); ++i)
    if (kShape[i] == 'd' ? (t[i] < '0' || t[i] > '9') : t[i] != kShape[i]) return false;
  return true;
}

// The value after "key=" at the front of line, up to the next blank.
std::optional<std::string_view> item(std::string_view& line, std::string_view key) {
  if (line.substr(0, key.size()) != key || line.substr(key.size(), 1) != "=") return std::nullopt;
  line.remove_prefix(key.size() + 1);
  const std::size_t end = line.find(' ');
  const std::string_view value = line.substr(0, end);
  line.remove_prefix(end == std::string_view::npos ? line.size() : end + 1);
  return value;
}

std::optional<PlayedGame> parse(std::string_view line) {
  constexpr std::string_view kHead = "game ";
  if (line.substr(0, kHead.size()) != kHead) return std::nullopt;
  line.remove_prefix(kHead.size());
  PlayedGame g;
  const auto when = item(line, "when");
  if (!when || !date_time(*when)) return std::nullopt;
  g.when = std::string(*when);
  const auto puzzle = item(line, "puzzle");
  if (!puzzle || puzzle->size() < 3 || puzzle->front() != '"' || puzzle->back() != '"' ||
      !plain_id(puzzle->substr(1, puzzle->size() - 2)))
    return std::nullopt;
  g.puzzle = std::string(puzzle->substr(1, puzzle->size() - 2));
  const auto range = item(line, "range");
  if (!range || (*range != "3x3" && *range != "4x4")) return std::nullopt;
  g.four = *range == "4x4";
  const auto level = item(line, "level");
  const auto lv = level ? number(*level, 1, 9) : std::nullopt;
  const auto seconds = item(line, "seconds");
  const auto s = seconds ? number(*seconds, 0, 366LL * 24 * 3600) : std::nullopt;
  const auto moves = item(line, "moves");
  const auto m = moves ? number(*moves, 0, 32767) : std::nullopt;
  if (!lv || !s || !m) return std::nullopt;
  g.level = static_cast<int>(*lv);
  g.seconds = *s;
  g.moves = static_cast<long>(*m);
  const auto result = item(line, "result");
  if (!result) return std::nullopt;
  std::size_t r = 0;
  while (r < kResultNames.size() && kResultNames[r] != *result) ++r;
  if (r == kResultNames.size()) return std::nullopt;
  g.result = static_cast<GameResult>(r);
  const auto hints = item(line, "hints");
  const auto h = hints ? number(*hints, 0, 32767) : std::nullopt;
  if (!h || !line.empty()) return std::nullopt;
  g.hints = static_cast<int>(*h);
  return g;
}

}  // namespace

std::string history_line(const PlayedGame& g) {
  return "game when=" + g.when + " puzzle=\"" + g.puzzle + "\" range=" + (g.four ? "4x4" : "3x3") +
         " level=" + std::to_string(g.level) + " seconds=" + std::to_string(g.seconds) +
         " moves=" + std::to_string(g.moves) +
         " result=" + std::string(kResultNames[static_cast<std::size_t>(g.result)]) +
         " hints=" + std::to_string(g.hints) + "\n";
}

History read_history(std::string_view bytes) {
  History h;
  int number_of_line = 0;
  while (!bytes.empty()) {
    ++number_of_line;
    const std::size_t end = bytes.find('\n');
    // A last line without its line break was torn while it was written.
    const bool whole = end != std::string_view::npos;
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(whole ? end + 1 : bytes.size());
    const auto game = whole ? parse(line) : std::nullopt;
    if (game)
      h.games.push_back(*game);
    else
      h.damaged.push_back(number_of_line);
  }
  return h;
}

std::vector<LevelSummary> summarize(const std::vector<PlayedGame>& games) {
  std::vector<LevelSummary> out;
  for (const bool four : {false, true})
    for (int level = 1; level <= 9; ++level) {
      LevelSummary sum;
      sum.four = four;
      sum.level = level;
      std::vector<std::int64_t> times;
      for (const PlayedGame& g : games) {
        if (g.four != four || g.level != level) continue;
        ++sum.played;
        sum.lost += g.result == GameResult::Lost;
        if (g.result != GameResult::Won) continue;
        ++sum.won;
        times.push_back(g.seconds);
        sum.solved.push_back({sum.played, g.seconds});
      }
      if (sum.played == 0) continue;
      if (!times.empty()) {
        std::sort(times.begin(), times.end());
        const std::size_t mid = times.size() / 2;
        sum.best = times.front();
        sum.median = times.size() % 2 ? times[mid] : (times[mid - 1] + times[mid]) / 2;
      }
      out.push_back(sum);
    }
  return out;
}

std::string history_csv(const std::vector<PlayedGame>& games) {
  std::string out = "when,puzzle,range,level,seconds,moves,result,hints\n";
  for (const PlayedGame& g : games)
    out += g.when + "," + g.puzzle + "," + (g.four ? "4x4" : "3x3") + "," +
           std::to_string(g.level) + "," + std::to_string(g.seconds) + "," +
           std::to_string(g.moves) + "," +
           std::string(kResultNames[static_cast<std::size_t>(g.result)]) + "," +
           std::to_string(g.hints) + "\n";
  return out;
}

std::string date_time_text(std::int64_t ms) {
  // Days since 1970 to the civil date (proleptic Gregorian calendar).
  const std::int64_t secs = ms >= 0 ? ms / 1000 : -((999 - ms) / 1000);
  std::int64_t days = secs / 86400;
  std::int64_t rest = secs % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  char buf[96];
  std::snprintf(buf, sizeof buf, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lld",
                static_cast<long long>(y), static_cast<long long>(m), static_cast<long long>(d),
                static_cast<long long>(rest / 3600), static_cast<long long>(rest / 60 % 60),
                static_cast<long long>(rest % 60));
  return buf;
}

}  // namespace zerdo
