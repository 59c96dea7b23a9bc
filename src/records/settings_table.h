#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/main_window.h"
#include "records/records.h"

namespace zerdo {

// Every value the game keeps in the store between runs.
enum class Setting {
  MainLeft,
  MainTop,
  MainWidth,
  MainHeight,
  Stufe,
  StufeNr,
  LastUser,
  Language,
  MinTime,  // one key per range and level: min_time_key
  Bester,   // one key per range and level: bester_key
  Check,
  Anker,
  Mode,
  Range,
  Version,
  ColourMarks,    // written only once switched on: a store without it stays so
  Zoom,           // the factor the board is shown at, percent; kept once chosen
  LastFolder,     // the folder of the last puzzle file, where the file dialogs open
  PrintPatterns,  // paper carries the colour patterns; written once switched off
};

// One stored value: its key, its default, and for a number the range it must
// lie in; a stored number outside that range, or text that is no number,
// counts as missing and gives the default.
struct SettingRow {
  Setting id;
  std::string_view key;  // MinTime and Bester: the key prefix of the 3x3 board
  bool number;
  std::string_view text_default;  // a text value's default
  long long number_default, lo, hi;
};

constexpr SettingRow number_setting(Setting id, std::string_view key, long long def, long long lo,
                                    long long hi) {
  return {id, key, true, {}, def, lo, hi};
}
constexpr SettingRow text_setting(Setting id, std::string_view key, std::string_view def) {
  return {id, key, false, def, 0, 0, 0};
}

// clang-format off
constexpr std::array<SettingRow, 19> kSettings{{
    number_setting(Setting::MainLeft,   "MainLeft",   0,                    -32768,    32767),
    number_setting(Setting::MainTop,    "MainTop",    0,                    -32768,    32767),
    number_setting(Setting::MainWidth,  "MainWidth",  kDefaultWindowWidth,  1,         32767),
    number_setting(Setting::MainHeight, "MainHeight", kDefaultWindowHeight, 1,         32767),
    number_setting(Setting::Stufe,      "Stufe",      1,                    1,         kLevels),
    text_setting  (Setting::StufeNr,    "StufeNr",    "A1"),
    text_setting  (Setting::LastUser,   "LastUser",   ""),
    text_setting  (Setting::Language,   "Language",   "Deutsch"),
    number_setting(Setting::MinTime,    "MinTime",    kNoRecord,            0,         kNoRecord),
    text_setting  (Setting::Bester,     "Bester",     ""),
    number_setting(Setting::Check,      "Check",      0,                    INT32_MIN, INT32_MAX),
    number_setting(Setting::Anker,      "Anker",      1,                    0,         1),
    text_setting  (Setting::Mode,       "Mode",       "run"),
    text_setting  (Setting::Range,      "Range",      "3x3"),
    text_setting  (Setting::Version,    "Version",    "1.1.x"),
    number_setting(Setting::ColourMarks, "ColourMarks", 0,                  0,         1),
    number_setting(Setting::Zoom,       "Zoom",       kDefaultZoom,         kZoomMin,  kZoomMax),
    text_setting  (Setting::LastFolder, "LastFolder", ""),
    number_setting(Setting::PrintPatterns, "PrintPatterns", 1,              0,         1),
}};
// clang-format on

constexpr const SettingRow& setting_row(Setting id) {
  return kSettings[static_cast<std::size_t>(id)];
}

constexpr bool settings_in_order() {
  for (std::size_t i = 0; i < kSettings.size(); ++i)
    if (static_cast<std::size_t>(kSettings[i].id) != i) return false;
  return true;
}
static_assert(settings_in_order(), "kSettings lists every Setting once, in the enum's order");

// The store key of a setting; range and level pick the hall-of-fame key of
// MinTime and Bester and are ignored for the others.
inline std::string setting_key(Setting id, int range = 0, int level = 0) {
  if (id == Setting::MinTime) return min_time_key(range, level);
  if (id == Setting::Bester) return bester_key(range, level);
  return std::string(setting_row(id).key);
}

}  // namespace zerdo
