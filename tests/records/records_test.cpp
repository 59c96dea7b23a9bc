#include "records/records.h"

#include <gtest/gtest.h>

namespace zerdo {
namespace {

TEST(Hexwert, WeighsEachCharacterByItsPosition) {
  struct Case {
    std::string name, trimmed;
    Long value;
  };
  const Case cases[] = {
      {"", "", 0},
      {"abc", "abc", 590},      // 97*1 + 98*2 + 99*3
      {"  abc  ", "abc", 590},  // blanks around do not count
      {"   ", "", 0},
      {"a b", "a b", 97 + 32 * 2 + 98 * 3},               // a blank inside does
      {"\xC3\xA4", "\xC3\xA4", 0xE4},                     // ä is one Latin-1 character, 228
      {"x\xE2\x82\xAC", "x\xE2\x82\xAC", 120 + '?' * 2},  // the euro sign is outside Latin-1
      {"\xFF"
       "a",
       "\xFF"
       "a",
       '?' + 97 * 2},  // a stray byte
  };
  for (const Case& c : cases) {
    std::string name = c.name;
    EXPECT_EQ(hexwert(name), c.value) << '"' << c.name << '"';
    EXPECT_EQ(name, c.trimmed) << '"' << c.name << '"';
  }
}

TEST(Hexwert, WrapsAroundInThirtyTwoBits) {
  // 70000 characters of code 121: 121 * (70000 * 70001 / 2) exceeds 2^32.
  std::string name(70000, 'y');
  const std::uint64_t exact = 121ull * 70000ull * 70001ull / 2ull;
  ASSERT_GT(exact, 0xFFFFFFFFull);
  EXPECT_EQ(hexwert(name), static_cast<Long>(static_cast<std::uint32_t>(exact)));
}

TEST(RecordKeys, PrefixBlankLevel) {
  EXPECT_EQ(min_time_key(1, 1), "MinTime 1");
  EXPECT_EQ(min_time_key(2, 9), "MinTime4x4 9");
  EXPECT_EQ(bester_key(1, 5), "Bester 5");
  EXPECT_EQ(bester_key(2, 3), "Bester4x4 3");
}

class Records : public ::testing::Test {
 protected:
  void SetUp() override { wipe_records(stats, holders); }
  RangeStats stats{};
  RecordHolders holders{};
};

TEST_F(Records, CheckValueOfEmptyRecordsAndOfOneEntry) {
  EXPECT_EQ(check_value_of(stats, holders), 2700000);
  stats[2][3] = 834;
  holders[2][3] = " abc ";
  EXPECT_EQ(check_value_of(stats, holders), 2700000 - 30000 * 3 + 834 * 3 + 590);
  EXPECT_EQ(holders[2][3], "abc");
}

TEST(RecordCheck, WipesOnlyThisVersionsDifferingCheck) {
  struct Case {
    const char* stored_version;
    Long stored_check, check;
    bool tampered;
  };
  const Case cases[] = {
      {"1.1.6", 2700000, 2700000, false},  // untouched
      {"1.1.6", 2700000, 2699990, true},   // a time or holder changed
      {"1.1.6", 0, 2699990, false},        // Check deleted
      {"1.1.6", -5, 2699990, false},       // Check below 1
      {"1.1.x", 2700000, 2699990, false},  // never written by this version
      {"1.1.5", 2700000, 2699990, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(records_tampered(c.stored_version, "1.1.6", c.stored_check, c.check), c.tampered)
        << c.stored_version << " " << c.stored_check << " " << c.check;
}

TEST_F(Records, UpdateRecordEntersOnlyFasterUnstoppedWins) {
  stats[1][4] = 834;
  holders[1][4] = "Ann";
  struct Case {
    bool solved, stopped;
    std::int64_t tenths;
    RecordOutcome outcome;
    Int best;
    const char* holder;
    Int new_records;
  };
  const Case cases[] = {
      {false, false, 100, RecordOutcome::Nothing, 834, "Ann", 0},    // lost game
      {true, false, 834, RecordOutcome::Nothing, 834, "Ann", 0},     // equal time
      {true, false, 900, RecordOutcome::Nothing, 834, "Ann", 0},     // slower
      {true, true, 100, RecordOutcome::StopMessage, 834, "Ann", 0},  // faster, but after STOP
      {true, false, 833, RecordOutcome::NewRecord, 833, "Bob", 1},   // faster
  };
  for (const Case& c : cases) {
    EXPECT_EQ(update_record(c.solved, c.stopped, c.tenths, "Bob", 1, 4, stats, holders), c.outcome)
        << c.tenths;
    EXPECT_EQ(stats[1][4], c.best);
    EXPECT_EQ(holders[1][4], c.holder);
    EXPECT_EQ(stats[1][kRowNewRecords], c.new_records);
  }
  EXPECT_EQ(stats[2][4], kNoRecord);  // the other range is untouched
}

TEST_F(Records, UpdateRecordTakesAnEmptyNameButNoLongGameOrUnknownLevel) {
  EXPECT_EQ(update_record(true, false, 29999, "", 2, 9, stats, holders), RecordOutcome::NewRecord);
  EXPECT_EQ(holders[2][9], "");
  EXPECT_EQ(update_record(true, false, 100000, "x", 2, 8, stats, holders), RecordOutcome::Nothing);
  EXPECT_EQ(stats[2][8], kNoRecord);
  // A level the hall of fame has no row for enters nothing.
  const RangeStats before = stats;
  EXPECT_EQ(update_record(true, false, 5, "x", 1, 10, stats, holders), RecordOutcome::Nothing);
  EXPECT_EQ(stats, before);
}

TEST(StoredNumber, AcceptsOnlyWholeNumbersInRange) {
  struct Case {
    const char* text;
    long long lo, hi;
    std::optional<long long> value;
  };
  const Case cases[] = {
      {"5", 1, 9, 5},    {" 7 ", 1, 9, 7},  {"-120", -200, 0, -120},
      {"+3", 1, 9, 3},   {"99", 1, 9, {}},  {"0", 1, 9, {}},
      {"", 1, 9, {}},    {"abc", 1, 9, {}}, {"5x", 1, 9, {}},
      {"1.5", 1, 9, {}}, {"-", 1, 9, {}},   {"99999999999999999999", 0, 1000, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(parse_stored_number(c.text, c.lo, c.hi), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace zerdo
