// Reading and writing what the game keeps between runs, the hall of fame and
// the player name.
#include <algorithm>

#include "model/board_shape.h"
#include "play/frm_main.h"
#include "play/game_store.h"
#include "records/records.h"
#include "records/settings_table.h"
#include "texts/captions.h"
#include "texts/files.h"
#include "texts/records.h"
#include "texts/windows.h"
#include "view/commands.h"
#include "view/secondary_windows.h"

namespace zerdo {
// The store as the game reads and writes it (play/game_store.h).
GameStore FrmMain::store() { return GameStore(platform_.settings()); }

std::string FrmMain::get_setting(Setting id, int range, int level) {
  return store().text(id, range, level);
}

long long FrmMain::get_number(Setting id, int range, int level) {
  return store().number(id, range, level);
}

void FrmMain::save_setting(Setting id, const std::string& value, int range, int level) {
  store().save(id, value, range, level);
}

void FrmMain::load_settings() {
  // Window geometry (twips). A size that is not positive, or a position that
  // would leave no part of the window on the screen, counts as missing.
  const Int sw = platform_.screen().screen_width(), sh = platform_.screen().screen_height();
  const long long left = get_number(Setting::MainLeft);
  const long long top = get_number(Setting::MainTop);
  const long long width = get_number(Setting::MainWidth);
  const long long height = get_number(Setting::MainHeight);
  auto on_screen = [](long long pos, long long size, Int screen) {
    return screen <= 0 || (pos < screen && pos + size > 0);
  };
  window_.width = static_cast<Int>(width);
  window_.height = static_cast<Int>(height);
  window_.left = on_screen(left, width, sw) ? static_cast<Int>(left) : Int{0};
  window_.top = on_screen(top, height, sh) ? static_cast<Int>(top) : Int{0};
  // The factor the board is shown at, in percent; the window scales with it.
  // A stored factor too small to read the captions at is raised to the least legible one.
  window_.zoom = static_cast<Int>(std::max<long long>(get_number(Setting::Zoom), kLegibleZoom));

  s_.level = static_cast<Int>(get_number(Setting::Stufe));
  s_.puzzle_id = get_setting(Setting::StufeNr);
  s_.user_name = get_setting(Setting::LastUser);
  // The folder of the last puzzle file, where the file dialogs open.
  file_folder_ = get_setting(Setting::LastFolder);

  // The language is in force before the record check, whose message uses it.
  // A player with none stored starts in the language of the system's locale.
  const std::string first_language(
      in(kLanguageNames, language_code_for_locale(platform_.locale_name())));
  apply_language_name(store().text_or(Setting::Language, first_language));

  for (int r = kRange3x3; r <= kRange4x4; ++r)
    for (int level = 1; level <= kLevels; ++level) {
      const auto R = static_cast<std::size_t>(r), L = static_cast<std::size_t>(level);
      s_.range_stats[R][L] = static_cast<Int>(get_number(Setting::MinTime, r, level));
      s_.record_holder[R][L] = get_setting(Setting::Bester, r, level);
    }
  s_.check_value = check_value_of(s_.range_stats, s_.record_holder);  // trims the holders

  const Long stored_check = static_cast<Long>(get_number(Setting::Check));
  s_.anker_option = get_number(Setting::Anker) != 0;
  menu_item(Command::Anchors).checked = s_.anker_option;
  s_.colour_marks = get_number(Setting::ColourMarks) != 0;
  menu_item(Command::ColourMarks).checked = s_.colour_marks;
  s_.print_patterns = get_number(Setting::PrintPatterns) != 0;
  const std::string stored_version = get_setting(Setting::Version);

  if (records_tampered(stored_version, s_.version_text, stored_check, s_.check_value)) {
    const MessageText m = record_check_message(s_.language_code);
    box(m.title, m.text);
    wipe_records(s_.range_stats, s_.record_holder);
  }

  set_run_mode(get_setting(Setting::Mode) == "run");
  // start_up sets the range up from this; a name it does not know means 3x3.
  s_.range_name = get_setting(Setting::Range);
  if (s_.range_name != "4x4") s_.range_name = "3x3";
}

void FrmMain::save_settings() { write_store(true); }

std::string FrmMain::failure_cause(const WriteFailure& failure) const {
  return failure.code != 0 ? failure_words(failure.code, s_.language_code) : failure.reason;
}

// Writes the store: everything when the window closes, the hall of fame
// alone (best times, holders, check value) the moment a record is made, so
// that a crash, a kill or a logout keeps it. Other keys stay on disk as they
// are until the exit writes them. The records another copy wrote meanwhile
// are merged with these, and the check value is counted over both.
void FrmMain::write_store(bool everything) {
  const std::optional<StoreFailure> failure =
      store().write(s_.range_stats, s_.record_holder, [&] { save_store_values(everything); });
  if (failure) {
    const MessageText m =
        records_not_saved_message(s_.language_code, failure->path, failure_cause(*failure));
    box(m.title, m.text, Buttons::Ok, Icon::Exclamation);
  }
}

// Saves the values a write of the store puts on disk.
void FrmMain::save_store_values(bool everything) {
  // A minimized window reports no useful geometry: the stored one stays, and
  // everything else (records of this run included) is written as usual.
  if (everything && platform_.screen().window_state() != WindowState::Minimized) {
    save_setting(Setting::MainLeft, std::to_string(window_.left));
    save_setting(Setting::MainTop, std::to_string(window_.top));
    save_setting(Setting::MainWidth, std::to_string(window_.width));
    save_setting(Setting::MainHeight, std::to_string(window_.height));
    // Written once chosen: a store without it stays so.
    if (window_.zoom != kDefaultZoom || !get_setting(Setting::Zoom).empty())
      save_setting(Setting::Zoom, std::to_string(window_.zoom));
  }
  if (everything) {
    save_setting(Setting::Stufe, std::to_string(s_.level));
    save_setting(Setting::StufeNr, s_.puzzle_id);
    save_setting(Setting::LastUser, s_.user_name);
  }
  for (int r = kRange3x3; r <= kRange4x4; ++r)
    for (int level = 1; level <= kLevels; ++level) {
      const auto R = static_cast<std::size_t>(r), L = static_cast<std::size_t>(level);
      save_setting(Setting::MinTime, std::to_string(s_.range_stats[R][L]), r, level);
      save_setting(Setting::Bester, s_.record_holder[R][L], r, level);  // as entered
    }
  if (everything) {
    s_.check_value = check_value_of(s_.range_stats, s_.record_holder);  // over the trimmed names
  } else {
    // The holders stay as entered until the exit writes them.
    RangeStats stats = s_.range_stats;
    RecordHolders holders = s_.record_holder;
    s_.check_value = check_value_of(stats, holders);
  }
  if (everything) save_setting(Setting::Mode, s_.mode_text);
  save_setting(Setting::Check, std::to_string(s_.check_value));
  if (everything) {
    save_setting(Setting::Language, s_.language_name);
    save_setting(Setting::Range, s_.range_name);
    save_setting(Setting::Anker, s_.anker_option ? "1" : "0");
    // The colour patterns are kept once a player has switched them on; a
    // store that never had them stays as it was (a number setting reads ""
    // as text only when its key is missing).
    if (s_.colour_marks || !get_setting(Setting::ColourMarks).empty())
      save_setting(Setting::ColourMarks, s_.colour_marks ? "1" : "0");
    // Paper's patterns likewise once switched off.
    if (!s_.print_patterns || !get_setting(Setting::PrintPatterns).empty())
      save_setting(Setting::PrintPatterns, s_.print_patterns ? "1" : "0");
  }
  // The check value is this version's.
  save_setting(Setting::Version, s_.version_text);
  // Written once a puzzle file was chosen, so a store that never saw one
  // keeps the program's keys only.
  if (everything && !file_folder_.empty()) save_setting(Setting::LastFolder, file_folder_);
}

void FrmMain::enter_hall_of_fame() {
  const std::int64_t elapsed_tenths = s_.clock.elapsed_ms(platform_.clock().now_ms()) / 100;
  const RecordOutcome outcome =
      zerdo::update_record(true, s_.clock.was_held(), elapsed_tenths, s_.user_name,
                           s_.shape.range_code, s_.level, s_.range_stats, s_.record_holder);
  if (outcome == RecordOutcome::NewRecord) write_store(false);
  if (outcome == RecordOutcome::StopMessage) {
    const MessageText m = intermediate_stop_message(s_.language_code);
    box(m.title, m.text, Buttons::Ok, Icon::Exclamation);
  }
}

// --- the player dialog -------------------------------------------------------

void FrmMain::ask_player_name() {
  namespace at = user_layout;
  Form form{"DialogUser", std::string(user_dialog::kCaption), at::kWidth, at::kHeight, {}};
  ControlSet& c = form.controls;
  c.add(window_control(Role::NameFrame, "Frame1", at::kFrame, std::string(user_dialog::kFrame)));
  c.add(window_control(Role::NameBox, "username", at::kName));  // empty at every opening
  c.add(window_control(Role::OkButton, "OKButton", at::kOk, std::string(kOkCaption)));
  c.add(window_control(Role::CancelButton, "CancelButton", at::kCancel,
                       std::string(user_dialog::kCancel)));
  show_form(form);
  set_form_caption();
}

bool FrmMain::player_dialog_click(Form& form, const std::string& control) {
  if (control == "OKButton") {
    const Control* name = form.controls.find("username");
    s_.user_name = name && name->caption ? *name->caption : std::string();
    return true;
  }
  return control == "CancelButton" || control.empty();
}

}  // namespace zerdo
