#pragma once
// The history of games: one line per judged or abandoned game, added at the
// end of a file in the game's own folder.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zerdo {

// The file in the game's own folder that holds the history.
constexpr std::string_view kHistoryFile = "history";
// The most of the history that is read: a hundred thousand games fit.
constexpr std::size_t kMaxHistoryBytes = 16 * 1024 * 1024;

enum class GameResult { Won, Lost, Abandoned };

struct PlayedGame {
  std::string when;    // local date and time, YYYY-MM-DDTHH:MM:SS
  std::string puzzle;  // the puzzle id
  bool four = false;   // 4x4, else 3x3
  int level = 1;       // 1..9
  std::int64_t seconds = 0;
  long moves = 0;
  GameResult result = GameResult::Lost;
  int hints = 0;
};

// One game as its line, ending in a line break:
// game when=... puzzle="ID" range=3x3 level=L seconds=S moves=M result=won hints=H
std::string history_line(const PlayedGame& game);

struct History {
  std::vector<PlayedGame> games;  // oldest first
  std::vector<int> damaged;       // the line numbers (from 1) that were skipped
};

// The games of the history; a line that is not one history_line writes (torn,
// edited, from elsewhere) is skipped and its number noted. Safe on any bytes.
History read_history(std::string_view bytes);

// A won game of a range and level: which of the level's games played it was
// (from 1, lost and abandoned ones counted), and its time in seconds.
struct SolvedGame {
  int number = 0;
  std::int64_t seconds = 0;
};

// The games of one range and level, as the history window counts them.
struct LevelSummary {
  bool four = false;
  int level = 1;
  int played = 0;
  int won = 0;
  // The best and the median time of the won games in seconds; -1 with none
  // won. The median of an even count is the mean of the middle two, rounded
  // down.
  std::int64_t best = -1;
  std::int64_t median = -1;
  int lost = 0;                    // the rest of played were abandoned
  std::vector<SolvedGame> solved;  // the won games, oldest first
};

// One summary per range and level that has a game, 3x3 before 4x4, by level.
std::vector<LevelSummary> summarize(const std::vector<PlayedGame>& games);

// The games as comma-separated values, oldest first, under a head line.
std::string history_csv(const std::vector<PlayedGame>& games);

// Local date and time of ms since 1970 (UTC) shifted by the zone's offset.
std::string date_time_text(std::int64_t ms_since_1970);

}  // namespace zerdo
