#include "records/statistics.h"

#include <gtest/gtest.h>

namespace zerdo {
namespace {

// The statistics of one range as the store leaves them: no best times.
struct RangeRecords {
  std::array<Int, 21> stats{};
  std::array<std::string, 10> holders{};
  RangeRecords() {
    for (std::size_t L = 1; L <= 9; ++L) stats[L] = 30000;
  }
  RangeRecords& games(int won, int lost, int records = 0) {
    stats[11] = static_cast<Int>(won);
    stats[12] = static_cast<Int>(lost);
    stats[14] = static_cast<Int>(records);
    return *this;
  }
};

const std::string kNoTimes =
    "\r   A = ---\r   B = ---\r   C = ---\r   D = ---\r   E = ---\r   F = ---\r   G = ---"
    "\r   H = ---\r   I = ---";

TEST(TipOfTheDay, FreshStartGerman) {
  const RangeRecords r;
  const MessageText m = tip_of_the_day(r.stats, r.holders, "3x3", 0);
  EXPECT_EQ("Zerdo : Tip vom Tage und Statistik", m.title);
  EXPECT_EQ("Bereich = 3x3\rLeider kein Tip\r" + kNoTimes + "\r\r 0x gespielt", m.text);
}

TEST(TipOfTheDay, WholeMessagesPerLanguage) {
  struct Case {
    int won, lost, records;
    Int language;
    const char* range;
    std::string text;
    const char* title;
  };
  const Case cases[] = {
      {12, 0, 0, 0, "3x3",
       "Bereich = 3x3\rIrgendwann verlierst auch Du!\r" + kNoTimes +
           "\r\r 12x gespielt, und dabei \r 12x gewonnen\rKein neuer Rekord aufgestellt",
       "Zerdo : Tip vom Tage und Statistik"},
      {0, 2, 0, 1, "4x4",
       "Range = 4x4\rSorry, no tip\r" + kNoTimes + "\r\r 2 games, and \r 2x lost\rNo besttime",
       "Zerdo : tip of the day and statistics"},
      {5, 3, 2, 2, "3x3",
       "Bereik = 3x3\rSpijtig, geen tip\r" + kNoTimes +
           "\r\r 8 spellekes, en \r 5x gewonnen en 3x verloren\r 2x rekordtijd",
       "Zerdo : tip van de dag en statistiek"},
      {1, 0, 1, 0, "3x3",
       "Bereich = 3x3\rDu verlierst nicht gerne, oder?\r" + kNoTimes +
           "\r\r 1x gespielt, und dabei \r 1x gewonnen\r 1x ein neuer Rekord aufgestellt",
       "Zerdo : Tip vom Tage und Statistik"},
  };
  for (const Case& c : cases) {
    RangeRecords r;
    r.games(c.won, c.lost, c.records);
    const MessageText m = tip_of_the_day(r.stats, r.holders, c.range, c.language);
    EXPECT_EQ(c.text, m.text) << c.won << "/" << c.lost;
    EXPECT_EQ(c.title, m.title);
  }
}

// The verdict is the second line of the message.
std::string verdict(int won, int lost, Int language = 0) {
  RangeRecords r;
  r.games(won, lost);
  const std::string text = tip_of_the_day(r.stats, r.holders, "3x3", language).text;
  const auto from = text.find('\r') + 1;
  return text.substr(from, text.find('\r', from) - from);
}

TEST(TipOfTheDay, VerdictThresholds) {
  struct Case {
    int won, lost;
    const char* verdict;
  };
  const Case cases[] = {
      {0, 0, "Leider kein Tip"},
      {10, 0, "Du verlierst nicht gerne, oder?"},
      {11, 0, "Irgendwann verlierst auch Du!"},
      {20, 0, "Irgendwann verlierst auch Du!"},
      {21, 0, "Ich warne Dich. Irgendwann verlierst auch Du!"},
      {30, 0, "Ich warne Dich. Irgendwann verlierst auch Du!"},
      {31, 0, "Du bist der absolute Champion."},
      {20, 5, "Leider kein Tip"},
      {20, 6, "Du bist eine Spielernatur, und gibts nicht schnell auf."},
      {30, 3, "Du bist eine Spielernatur, und gibts nicht schnell auf."},  // ratio exactly 10
      {31, 3, "In Dir steckt ein Champion, aber: Du darfst als wahre Champion nie verlieren!"},
      {25, 1, "Du bist eine Spielernatur, und gibts nicht schnell auf."},  // ratio 25, won 25
      {26, 1, "In Dir steckt ein Champion, aber: Du darfst als wahre Champion nie verlieren!"},
      {40, 11, "Du bist eine echte Spielernatur, und musst aber noch viel lernen."},
      {25, 25, "Du bist eine Spielernatur, und gibts nicht schnell auf."},
      {60, 2, "In Dir steckt ein Champion, aber: Du darfst als wahre Champion nie verlieren!"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.verdict, verdict(c.won, c.lost)) << c.won << "/" << c.lost;
  EXPECT_EQ("You're not a looser, aren't you?", verdict(3, 0, 1));
  EXPECT_EQ("Je bent een echt kampioen, EN een echte verliest nooit!", verdict(31, 3, 2));
}

TEST(TipOfTheDay, BestTimesAndHolders) {
  RangeRecords r;
  r.stats[1] = 834;
  r.holders[1] = "Anna";
  r.stats[2] = 834;  // no holder: the line ends with the blank
  r.stats[3] = 5;
  r.holders[3] = "Bo";
  r.stats[9] = 0;
  const std::string text = tip_of_the_day(r.stats, r.holders, "3x3", 0).text;
  EXPECT_NE(std::string::npos, text.find("\r   A = 83.4 [Anna]\r   B = 83.4 \r   C = .5 [Bo]\r"));
  EXPECT_NE(std::string::npos, text.find("\r   I = .0 \r\r 0x gespielt"));
}

TEST(TipOfTheDay, TenthsText) {
  EXPECT_EQ("83.4", tenths_text(834));
  EXPECT_EQ(".5", tenths_text(5));
  EXPECT_EQ(".0", tenths_text(0));
  EXPECT_EQ("2999.9", tenths_text(29999));
  EXPECT_EQ("1.0", tenths_text(10));
}

// What a screen reader tells of the box: each value named, in the player's
// language, and the same numbers the box shows.
TEST(TipOfTheDay, ReadLineByLine) {
  RangeRecords r;
  r.games(12, 3, 1);
  r.stats[1] = 834;
  r.holders[1] = "Anna";
  r.stats[9] = 5;
  struct Case {
    Int language;
    std::vector<std::pair<std::string, std::string>> lines;  // some of them, in order
  };
  const Case cases[] = {
      {0,
       {{"Bereich", "4x4"},
        {"Tip", "Leider kein Tip"},
        {"Stufe A", "83.4 Sekunden, Anna"},
        {"Stufe B", "keine Bestzeit"},
        {"Stufe I", ".5 Sekunden"},
        {"Gespielt", "15"},
        {"Gewonnen", "12"},
        {"Verloren", "3"},
        {"Neue Rekorde", "1"}}},
      {1, {{"Range", "4x4"}, {"Level A", "83.4 seconds, Anna"}, {"Level B", "no best time"}}},
      {2, {{"Bereik", "4x4"}, {"Groep A", "83.4 seconden, Anna"}, {"Verloren", "3"}}},
  };
  for (const Case& c : cases) {
    const std::vector<ReaderLine> lines = statistics_reading(r.stats, r.holders, "4x4", c.language);
    ASSERT_EQ(2u + 9u + 4u, lines.size());
    std::size_t at = 0;
    for (const auto& [name, said] : c.lines) {
      while (at < lines.size() && lines[at].name != name) ++at;
      ASSERT_LT(at, lines.size()) << name;
      EXPECT_EQ(said, lines[at].description) << name;
    }
  }
}

}  // namespace
}  // namespace zerdo
