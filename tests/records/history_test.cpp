#include "records/history.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zerdo {
namespace {

TEST(History, LinesComeBackAndDamagedOnesAreSkippedWithTheirNumbers) {
  PlayedGame won{"2026-12-11T06:10:27", "A1", false, 1, 40, 9, GameResult::Won, 0};
  PlayedGame left{"2026-12-11T07:00:00", "Ix", true, 9, 31536000, 32767, GameResult::Abandoned, 3};
  const std::string a = history_line(won), b = history_line(left);
  EXPECT_EQ(a,
            "game when=2026-12-11T06:10:27 puzzle=\"A1\" range=3x3 level=1 seconds=40 moves=9 "
            "result=won hints=0\n");
  const std::string damaged[] = {
      "garbage\n",
      a.substr(0, 30) + "\n",                          // torn and mended by another line
      "game when=2026-12-11 06:10:27" + a.substr(29),  // a blank in the date
      std::string(a).replace(a.find("level=1"), 7, "level=0"),
      std::string(a).replace(a.find("won"), 3, "draw"),
      std::string(a).replace(a.find("\"A1\""), 4, "\"A 1\""),
      std::string(a).replace(a.find("hints=0"), 7, "hints=-1"),
      a.substr(0, a.size() - 1) + " extra=1\n",
  };
  std::string file = a;
  for (const std::string& d : damaged) file += d;
  file += b + b.substr(0, 20);  // the last line torn while it was written
  const History h = read_history(file);
  ASSERT_EQ(h.games.size(), 2u);
  EXPECT_EQ(history_line(h.games[0]), a);
  EXPECT_EQ(history_line(h.games[1]), b);
  EXPECT_EQ(h.damaged, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 11}));
}

TEST(History, DateAndTimeOfTheClock) {
  EXPECT_EQ(date_time_text(0), "1970-01-01T00:00:00");
  EXPECT_EQ(date_time_text(951782400000 + 3723000), "2000-02-29T01:02:03");
  EXPECT_EQ(date_time_text(1796969427999), "2026-12-11T06:10:27");
}

TEST(History, SummaryPerRangeAndLevelAndTheCsv) {
  const auto game = [](bool four, int level, std::int64_t seconds, GameResult r) {
    return PlayedGame{"2026-12-11T06:00:00", "Ax", four, level, seconds, 9, r, 0};
  };
  const std::vector<PlayedGame> games = {
      game(false, 1, 50, GameResult::Won),      game(true, 1, 9, GameResult::Won),
      game(false, 1, 30, GameResult::Won),      game(false, 1, 5, GameResult::Lost),
      game(false, 1, 40, GameResult::Won),      game(false, 1, 10, GameResult::Won),
      game(false, 2, 7, GameResult::Abandoned), game(true, 1, 20, GameResult::Won)};
  const auto s = summarize(games);
  ASSERT_EQ(s.size(), 3u);
  // 3x3 A: five played, four won in 10, 30, 40, 50 s; the lost 5 s is no best.
  EXPECT_EQ(std::make_tuple(s[0].four, s[0].level, s[0].played, s[0].won, s[0].best, s[0].median),
            std::make_tuple(false, 1, 5, 4, std::int64_t{10}, std::int64_t{35}));
  EXPECT_EQ(s[0].lost, 1);
  // Each won game keeps its number among the level's games: the lost third
  // is left out, not closed up.
  ASSERT_EQ(s[0].solved.size(), 4u);
  EXPECT_EQ(std::make_tuple(s[0].solved[2].number, s[0].solved[2].seconds, s[0].solved[3].number,
                            s[0].solved[3].seconds),
            std::make_tuple(4, std::int64_t{40}, 5, std::int64_t{10}));
  EXPECT_EQ(s[1].lost, 0);  // abandoned, not lost
  EXPECT_EQ(std::make_tuple(s[1].level, s[1].played, s[1].won, s[1].best, s[1].median),
            std::make_tuple(2, 1, 0, std::int64_t{-1}, std::int64_t{-1}));
  EXPECT_EQ(std::make_tuple(s[2].four, s[2].won, s[2].best, s[2].median),
            std::make_tuple(true, 2, std::int64_t{9}, std::int64_t{14}));
  const std::string csv = history_csv({games[0], games[6]});
  EXPECT_EQ(csv,
            "when,puzzle,range,level,seconds,moves,result,hints\n"
            "2026-12-11T06:00:00,Ax,3x3,1,50,9,won,0\n"
            "2026-12-11T06:00:00,Ax,3x3,2,7,9,abandoned,0\n");
}

}  // namespace
}  // namespace zerdo
