#include "play/game_store.h"

#include "model/board_shape.h"
#include "model/levels.h"
#include "model/number_text.h"

namespace zerdo {

std::string GameStore::text(Setting id, int range, int level) {
  return settings_.get_setting(std::string(kStoreApp), std::string(kStoreSection),
                               setting_key(id, range, level),
                               std::string(setting_row(id).text_default));
}

std::string GameStore::text_or(Setting id, const std::string& fallback) {
  return settings_.get_setting(std::string(kStoreApp), std::string(kStoreSection), setting_key(id),
                               fallback);
}

long long GameStore::number(Setting id, int range, int level) {
  const SettingRow& row = setting_row(id);
  const std::string text =
      settings_.get_setting(std::string(kStoreApp), std::string(kStoreSection),
                            setting_key(id, range, level), std::to_string(row.number_default));
  return parse_stored_number(text, row.lo, row.hi).value_or(row.number_default);
}

void GameStore::save(Setting id, const std::string& value, int range, int level) {
  settings_.save_setting(std::string(kStoreApp), std::string(kStoreSection),
                         setting_key(id, range, level), value);
}

std::optional<StoreFailure> GameStore::write(RangeStats& stats, RecordHolders& holders,
                                             const std::function<void()>& save_values) {
  std::optional<StoreFailure> failure;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    settings_.begin_settings_write();
    keep_stored_records(stats, holders);
    save_values();
    failure = settings_.flush_settings();
    if (!failure || !failure->changed) break;
  }
  return failure;
}

std::optional<std::string> GameStore::stored(const std::string& key) {
  return settings_.stored_setting(std::string(kStoreApp), std::string(kStoreSection), key);
}

void GameStore::keep_stored_records(RangeStats& stats, RecordHolders& holders) {
  RangeStats theirs{};
  RecordHolders their_holders{};
  const SettingRow& min_time = setting_row(Setting::MinTime);
  for (int r = kRange3x3; r <= kRange4x4; ++r)
    for (int level = 1; level <= kLevels; ++level) {
      const auto R = static_cast<std::size_t>(r), L = static_cast<std::size_t>(level);
      const auto time = stored(setting_key(Setting::MinTime, r, level));
      const std::optional<long long> parsed =
          time ? parse_stored_number(*time, min_time.lo, min_time.hi) : min_time.number_default;
      if (!parsed) return;
      theirs[R][L] = static_cast<Int>(*parsed);
      their_holders[R][L] = stored(setting_key(Setting::Bester, r, level)).value_or("");
    }
  const SettingRow& check_row = setting_row(Setting::Check);
  const auto check = stored(std::string(check_row.key));
  const auto stored_check =
      check ? parse_stored_number(*check, check_row.lo, check_row.hi) : std::nullopt;
  if (!stored_check || static_cast<Long>(*stored_check) != check_value_of(theirs, their_holders))
    return;
  keep_better_records(theirs, their_holders, stats, holders);
}

}  // namespace zerdo
