#include "records/history.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace zerdo
