#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/board_shape.h"
#include "model/levels.h"
#include "model/number_text.h"
#include "model/types.h"

namespace zerdo {

// Per board range (1 = 3x3, 2 = 4x4): rows 1..9 best time of level A..I in
// tenths of a second (kNoRecord = none), 11 won, 12 lost, 14 new records of
// this run. Holders by range and level 1..9, "" = none.
constexpr Int kNoRecord = 30000;  // tenths of a second
constexpr int kRowWon = 11;
constexpr int kRowLost = 12;
constexpr int kRowNewRecords = 14;

using RangeStatsRow = std::array<Int, 21>;                      // one range's rows
using RecordHoldersRow = std::array<std::string, kLevels + 1>;  // one range's holders
using RangeStats = std::array<RangeStatsRow, 3>;
using RecordHolders = std::array<RecordHoldersRow, 3>;

// Where the store keeps everything.
constexpr std::string_view kStoreApp = "Zerdo";
constexpr std::string_view kStoreSection = "Settings";

// Key prefixes of the hall of fame, indexed by range (entry 0 unused).
constexpr std::array<std::string_view, 3> kMinTimePrefix{{"", "MinTime", "MinTime4x4"}};
constexpr std::array<std::string_view, 3> kBesterPrefix{{"", "Bester", "Bester4x4"}};

// "MinTime4x4 3": prefix, one blank, the level digit.
std::string min_time_key(int range, int level);
std::string bester_key(int range, int level);

// The single-byte (Latin-1) form of a UTF-8 text; characters outside Latin-1
// and malformed bytes become '?'.
std::string to_latin1(std::string_view utf8);

// Check value of one holder name: trims blanks off name in place, then sums
// code(character i) * i over the Latin-1 characters, positions from 1. The
// sum wraps around in 32 bits instead of overflowing.
Long hexwert(std::string& name);

// Check value over the 18 best times and holders: best time * level + hexwert
// of the holder, summed in wrapping 32-bit arithmetic. Trims the holders.
Long check_value_of(RangeStats& stats, RecordHolders& holders);

// The records as read must be wiped only when the store was written by this
// very version, holds a check of at least 1, and that check differs.
bool records_tampered(std::string_view stored_version, std::string_view version_text,
                      Long stored_check, Long check_value);

// All 18 best times back to kNoRecord, all holders to "".
void wipe_records(RangeStats& stats, RecordHolders& holders);

// Two copies of the game keep each other's records: for every range and
// level the better best time of the two tables, with its holder, goes into
// stats and holders (an equal time keeps theirs).
void keep_better_records(const RangeStats& other_stats, const RecordHolders& other_holders,
                         RangeStats& stats, RecordHolders& holders);

enum class RecordOutcome { Nothing, NewRecord, StopMessage };

// Hall-of-fame entry for a finished game of elapsed_tenths at (range, level).
// A game after a STOP (stopped) never enters; an equal time is no record.
RecordOutcome update_record(bool solved, bool stopped, std::int64_t elapsed_tenths,
                            const std::string& user_name, int range, int level, RangeStats& stats,
                            RecordHolders& holders);

}  // namespace zerdo
