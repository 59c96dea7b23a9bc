#pragma once
#include <functional>
#include <optional>
#include <string>

#include "play/platform.h"
#include "records/records.h"
#include "records/settings_table.h"

namespace zerdo {

// The settings store as the game reads and writes it: each value by its row
// of the settings table (key, default, allowed range) in the game's own
// section, the whole write with its retries, and the hall of fame another
// copy of the game wrote meanwhile.
class GameStore {
 public:
  explicit GameStore(Settings& settings) : settings_(settings) {}

  // A stored text; a missing key gives the default of the settings table,
  // or fallback where one is given.
  std::string text(Setting id, int range = 0, int level = 0);
  std::string text_or(Setting id, const std::string& fallback);
  // A stored number within its allowed range; a missing key, text that is no
  // number and a number out of range all give the default.
  long long number(Setting id, int range = 0, int level = 0);
  void save(Setting id, const std::string& value, int range = 0, int level = 0);

  // Writes the store in one checked, atomic write: reads it as it is on disk
  // now, keeps the records another copy wrote there in stats and holders,
  // lets save_values save what goes on disk, and writes. Another copy may
  // write the store between this reading and this writing (a slow disk makes
  // that likely): nothing is written then, and the write begins again on
  // what that copy wrote, up to kAttempts times, so that its records are
  // merged with these and never written over. nullopt when it was written.
  static constexpr int kAttempts = 8;
  std::optional<StoreFailure> write(RangeStats& stats, RecordHolders& holders,
                                    const std::function<void()>& save_values);

  // The records another copy of the game wrote to the store, as the last
  // write read them, kept in stats and holders: for every range and level
  // the better best time wins, with its holder. Records whose check value
  // does not hold, or with a best time that is no number in range, are left
  // out whole.
  void keep_stored_records(RangeStats& stats, RecordHolders& holders);

 private:
  std::optional<std::string> stored(const std::string& key);

  Settings& settings_;
};

}  // namespace zerdo
