#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/types.h"
#include "records/records.h"
#include "texts/messages.h"

namespace zerdo {

// The tip of the day and the statistics of one board range, as the tip frame
// shows them (the text's lines broken by a single carriage return): stats is
// the range's row of range_stats (rows 1..kLevels best times in tenths of a
// second, kNoRecord none; kRowWon, kRowLost, kRowNewRecords of this run),
// holders the range's record holders by level.
MessageText tip_of_the_day(const RangeStatsRow& stats, const RecordHoldersRow& holders,
                           std::string_view range_name, Int language_code);

// The same statistics as a screen reader tells them: the range, the tip,
// one line per level ("Level A": "83.4 seconds, Anna" or "no best time"),
// then the games played, won and lost and the new best times of this run.
std::vector<ReaderLine> statistics_reading(const RangeStatsRow& stats,
                                           const RecordHoldersRow& holders,
                                           std::string_view range_name, Int language_code);

// A best time in tenths of a second as seconds with one decimal and no
// leading zero: 834 gives "83.4", 5 gives ".5", 0 gives ".0".
std::string tenths_text(Int tenths);

}  // namespace zerdo
