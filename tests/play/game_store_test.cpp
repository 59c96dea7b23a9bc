// The store as the game reads and writes it, and the game's clock: both
// without a platform.
#include "play/game_store.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>

#include "model/board_shape.h"
#include "model/levels.h"
#include "model/main_window.h"
#include "play/game_clock.h"

namespace zerdo {
namespace {

using Keys = std::map<std::string, std::string>;

// A store in memory: the values this copy saved and has not written yet, and
// the store on disk, which another copy may write between this copy's
// reading and its writing (one write of theirs per flush of ours).
class TwoCopyStore : public Settings {
 public:
  Keys disk, unwritten, read;  // read: the disk as the last write began
  std::deque<Keys> their_writes;
  std::optional<StoreFailure> failure;  // every flush fails so
  int flushes = 0;

  std::string get_setting(const std::string&, const std::string&, const std::string& key,
                          const std::string& def) override {
    const auto it = disk.find(key);
    return it == disk.end() ? def : it->second;
  }
  void save_setting(const std::string&, const std::string&, const std::string& key,
                    const std::string& value) override {
    unwritten[key] = value;
  }
  void begin_settings_write() override { read = disk; }
  std::optional<std::string> stored_setting(const std::string&, const std::string&,
                                            const std::string& key) override {
    const auto it = read.find(key);
    if (it == read.end()) return std::nullopt;
    return it->second;
  }
  std::optional<StoreFailure> flush_settings() override {
    ++flushes;
    if (failure) return failure;
    if (!their_writes.empty()) {
      for (const auto& [key, value] : their_writes.front()) disk[key] = value;
      their_writes.pop_front();
      return StoreFailure{"Zerdo.conf", "changed meanwhile", 0, true};
    }
    for (const auto& [key, value] : unwritten) disk[key] = value;
    unwritten.clear();
    return std::nullopt;
  }
};

// The hall of fame of another copy as it writes it: every best time, holder
// and the check value over them.
Keys hall_keys(RangeStats stats, RecordHolders holders) {
  Keys keys;
  for (int r = kRange3x3; r <= kRange4x4; ++r)
    for (int level = 1; level <= kLevels; ++level) {
      keys[min_time_key(r, level)] = std::to_string(stats[r][level]);
      keys[bester_key(r, level)] = holders[r][level];
    }
  keys["Check"] = std::to_string(check_value_of(stats, holders));
  return keys;
}

struct Hall {
  RangeStats stats{};
  RecordHolders holders{};
  Hall() { wipe_records(stats, holders); }
};

TEST(GameStore, ANumberOutsideItsRangeOrNoNumberGivesTheDefault) {
  const struct {
    const char* stored;  // nullptr: the key is missing
    long long width;
  } cases[] = {
      {nullptr, kDefaultWindowWidth},
      {"", kDefaultWindowWidth},
      {"wide", kDefaultWindowWidth},
      {"0", kDefaultWindowWidth},
      {"32768", kDefaultWindowWidth},
      {"-5", kDefaultWindowWidth},
      {"1", 1},
      {"32767", 32767},
      {"11895", 11895},
  };
  for (const auto& c : cases) {
    TwoCopyStore settings;
    if (c.stored) settings.disk["MainWidth"] = c.stored;
    EXPECT_EQ(GameStore(settings).number(Setting::MainWidth), c.width)
        << (c.stored ? c.stored : "(missing)");
  }
}

// The hall of fame is kept one key per range and level, under the keys the
// store has always had.
TEST(GameStore, RecordsAreSavedUnderTheirRangeAndLevel) {
  TwoCopyStore settings;
  GameStore store(settings);
  store.save(Setting::MinTime, "834", kRange3x3, 3);
  store.save(Setting::Bester, "Ann", kRange4x4, 9);
  EXPECT_EQ(settings.unwritten, (Keys{{"MinTime 3", "834"}, {"Bester4x4 9", "Ann"}}));
  Hall ours;
  ASSERT_FALSE(store.write(ours.stats, ours.holders, [] {}));
  EXPECT_EQ(store.text(Setting::Bester, kRange4x4, 9), "Ann");
  EXPECT_EQ(store.text(Setting::Bester, kRange3x3, 9), "");
}

// Another copy wrote its records since this one started: each better time is
// kept with its holder, each worse one is not; records whose check value
// does not hold are left out whole.
TEST(GameStore, KeepsTheBetterRecordsOfAnotherCopyWhenTheirCheckHolds) {
  Hall theirs;
  theirs.stats[1][3] = 700, theirs.holders[1][3] = "Eve";    // better than ours
  theirs.stats[2][9] = 15000, theirs.holders[2][9] = "Zed";  // worse than ours
  const Keys disk = hall_keys(theirs.stats, theirs.holders);

  const struct {
    const char* name;
    void (*spoil)(Keys&);
    bool kept;
  } cases[] = {
      {"as written", [](Keys&) {}, true},
      {"check changed", [](Keys& d) { d["Check"] = "12345"; }, false},
      {"check missing", [](Keys& d) { d.erase("Check"); }, false},
      {"time no number", [](Keys& d) { d["MinTime 5"] = "soon"; }, false},
  };
  for (const auto& c : cases) {
    TwoCopyStore settings;
    settings.read = disk;
    c.spoil(settings.read);
    Hall ours;
    ours.stats[1][3] = 834, ours.holders[1][3] = "Ann";
    ours.stats[2][9] = 12000, ours.holders[2][9] = "Bob";
    GameStore(settings).keep_stored_records(ours.stats, ours.holders);
    EXPECT_EQ(ours.stats[1][3], c.kept ? 700 : 834) << c.name;
    EXPECT_EQ(ours.holders[1][3], c.kept ? "Eve" : "Ann") << c.name;
    EXPECT_EQ(ours.stats[2][9], 12000) << c.name;
    EXPECT_EQ(ours.holders[2][9], "Bob") << c.name;
  }
}

// A write that another copy overtook begins again on what that copy wrote:
// its record is merged with ours and the check value written over both; a
// write that fails for another cause is not tried again, and one overtaken
// without end gives up.
TEST(GameStore, AWriteOvertakenByAnotherCopyBeginsAgainOnTheirs) {
  Hall theirs;
  theirs.stats[1][4] = 500, theirs.holders[1][4] = "Eve";

  TwoCopyStore settings;
  settings.their_writes.push_back(hall_keys(theirs.stats, theirs.holders));
  Hall ours;
  ours.stats[2][1] = 900, ours.holders[2][1] = "Ann";
  GameStore store(settings);
  auto save_hall = [&] {
    for (int r = kRange3x3; r <= kRange4x4; ++r)
      for (int level = 1; level <= kLevels; ++level) {
        store.save(Setting::MinTime, std::to_string(ours.stats[r][level]), r, level);
        store.save(Setting::Bester, ours.holders[r][level], r, level);
      }
    store.save(Setting::Check, std::to_string(check_value_of(ours.stats, ours.holders)));
  };
  EXPECT_FALSE(store.write(ours.stats, ours.holders, save_hall));
  EXPECT_EQ(settings.flushes, 2);
  EXPECT_EQ(settings.disk["MinTime 4"], "500");
  EXPECT_EQ(settings.disk["Bester 4"], "Eve");
  EXPECT_EQ(settings.disk["Bester4x4 1"], "Ann");
  EXPECT_EQ(settings.disk["Check"], std::to_string(check_value_of(ours.stats, ours.holders)));

  TwoCopyStore full_disk;
  full_disk.failure = StoreFailure{"Zerdo.conf", "No space left on device", 28};
  const auto failure = GameStore(full_disk).write(ours.stats, ours.holders, [] {});
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->code, 28);
  EXPECT_EQ(full_disk.flushes, 1);

  TwoCopyStore busy;
  for (int i = 0; i < GameStore::kAttempts + 1; ++i) busy.their_writes.push_back({{"Zoom", "100"}});
  const auto overtaken = GameStore(busy).write(ours.stats, ours.holders, [] {});
  ASSERT_TRUE(overtaken);
  EXPECT_TRUE(overtaken->changed);
  EXPECT_EQ(busy.flushes, GameStore::kAttempts);
}

// The play time: from the first move, the pauses between Stop and Run left
// out, standing while held; a held game stays marked until the next game.
TEST(GameClock, PlayTimeLeavesThePausesOut) {
  constexpr std::int64_t kLimit = 1000000;
  GameClock clock;
  clock.start(10000);
  EXPECT_EQ(clock.play_ms(12500, true, kLimit), 2500);
  EXPECT_FALSE(clock.was_held());
  clock.hold(13000);
  EXPECT_EQ(clock.play_ms(20000, false, kLimit), 3000);  // stands while held
  clock.go_on(20000);
  EXPECT_EQ(clock.play_ms(21000, true, kLimit), 4000);
  EXPECT_EQ(clock.elapsed_ms(21000), 4000);
  EXPECT_TRUE(clock.was_held());
  EXPECT_EQ(clock.play_ms(kLimit * 5, true, kLimit), kLimit);  // within the limit
  clock.forget_hold();
  EXPECT_FALSE(clock.was_held());

  // A kept game brought back stands at its play time, and is a held one.
  GameClock kept;
  kept.resume(50000, 7000);
  EXPECT_EQ(kept.play_ms(90000, false, kLimit), 7000);
  EXPECT_TRUE(kept.was_held());
  kept.go_on(90000);
  EXPECT_EQ(kept.play_ms(91000, true, kLimit), 8000);
}

}  // namespace
}  // namespace zerdo
