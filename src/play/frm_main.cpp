#include "play/frm_main.h"

#include <algorithm>
#include <iterator>

#include "catalogue/builtin.h"
#include "play/kept_game.h"
#include "texts/captions.h"
#include "texts/messages.h"
#include "view/commands.h"

namespace zerdo {

FrmMain::FrmMain(Platform& platform) : platform_(platform) {
  build_menus();
  panels_[1].width = status_panel1_width(window_.width);
  panels_[2].width = kStatusPanel2Width;
  panels_[3].width = kStatusPanel3Width;
  panels_[4].width = kStatusPanel4Width;
}

FrmMain::~FrmMain() = default;

Answer FrmMain::box(std::string title, std::string text, Buttons buttons, Icon icon) {
  MessageBox b;
  b.title = std::move(title);
  b.text = std::move(text);
  b.buttons = buttons;
  b.icon = icon;
  return platform_.dialogs().message_box(b);
}

void FrmMain::show_form(Form& form) {
  auto it = std::find_if(forms_.begin(), forms_.end(),
                         [&](const std::unique_ptr<Form>& f) { return f->name == form.name; });
  if (it == forms_.end()) it = forms_.insert(forms_.end(), std::make_unique<Form>());
  form.colour_marks = s_.colour_marks;
  form.language_code = s_.language_code;
  **it = form;
  platform_.dialogs().show_modal(form, *this);
}

const Form* FrmMain::last_form(std::string_view name) const {
  for (const auto& f : forms_)
    if (f->name == name) return f.get();
  return nullptr;
}

bool FrmMain::click(Form& form, const std::string& control) {
  if (form.name == "DialogUser") return player_dialog_click(form, control);
  if (form.name == "frmAbout" && control == "cmdSysInfo") {
    show_system_info();
    return false;  // the About window stays open
  }
  if (form.name == "frmHistory" && control == "cmdExport") {
    const Control* button = form.controls.find(control);
    if (button && button->enabled) export_history();
    return false;  // the history window stays open
  }
  return control.empty() || control == "cmdOK";
}

// --- start-up and shutdown ---------------------------------------------------

void FrmMain::start_up() {
  if (loaded_) return;
  loaded_ = true;
  work_start();
  s_.shape.range_code = kRange3x3;
  panels_[2].text = "run";
  panels_[3].text = s_.version_text;
  show_status("??", 0);

  s_.tables.fill();
  for (auto& range : s_.range_stats) range.fill(0);

  load_settings();
  const std::string stored_puzzle_id = s_.puzzle_id;

  if (s_.range_name == "4x4") {
    set_range_4x4_and_generate();
  } else {
    s_.range_name = "3x3";
    set_range_3x3_and_generate();
  }
  lay_out_board();

  // From the time of day, so that every launch draws other puzzles (the
  // numbers drawn before this point repeat from start to start).
  platform_.random().seed_random(static_cast<std::uint64_t>(platform_.clock().time_of_day_ms()));

  s_.moves = 0;
  s_.range_stats[kRange3x3][kRowNewRecords] = 0;
  s_.range_stats[kRange4x4][kRowNewRecords] = 0;
  s_.anchors.build();

  s_.puzzle_id = stored_puzzle_id;
  open_puzzle_id();

  set_form_caption();
  // Continue is offered while a game is kept; it is read only when chosen.
  const bool keeps_files = !platform_.files().data_folder().empty();
  kept_exists_ =
      keeps_files && platform_.files().read_data_file(std::string(kKeptGameFile), 1).has_value();
  show_continue_state();
  // A system that keeps no files of the game has no history to show.
  menu_item(Command::History).visible = keeps_files;
  // Where the browser zooms the page, the game has no zoom of its own to offer.
  menu_item(Command::ViewMenu).visible = platform_.screen().zooms_window();
  show_zoom_state();
  work_stop();
}

void FrmMain::shut_down() {
  if (!loaded_) return;
  // Secondary windows are modal and already closed here; forget them.
  keep_game(true);
  save_settings();
  platform_.help().help_close();
  loaded_ = false;
}

void FrmMain::exit_game() { shut_down(); }

// --- the 300 ms clock -------------------------------------------------------

void FrmMain::tick() {
  if (!loaded_) return;
  panels_[4].text = platform_.clock().time_of_day_text();
  panels_[1].width = status_panel1_width(window_.width);
  if (platform_.screen().window_state() != WindowState::Normal) return;
  const long sw = platform_.screen().screen_width(), sh = platform_.screen().screen_height();
  if (long{window_.left} + window_.width > sw) window_.left = 0;
  if (long{window_.top} + window_.height > sh) window_.top = 0;
  if (window_.left < 0) window_.left = 0;
  if (window_.top < 0) window_.top = 0;
}

void FrmMain::window_moved(long left, long top, long width, long height) {
  window_.left = clamp16(left);
  window_.top = clamp16(top);
  window_.width = clamp16(std::max(0L, width));
  window_.height = clamp16(std::max(0L, height));
}

void FrmMain::window_zoomed(long percent) {
  window_.zoom = static_cast<Int>(std::clamp<long>(percent, kZoomMin, kZoomMax));
  if (loaded_) show_zoom_state();
}

// --- the View menu ----------------------------------------------------------

Int FrmMain::least_zoom() const { return std::min(kLegibleZoom, largest_zoom()); }

Int FrmMain::largest_zoom() const {
  // The range's window scaled whole (its menu and status bars grow no
  // larger, so the real window is a little smaller) within the screen.
  const Layout& L = layout();
  const long long sw = platform_.screen().screen_width(), sh = platform_.screen().screen_height();
  long long fit = kZoomSteps[std::size(kZoomSteps) - 1];
  if (sw > 0 && L.window_width > 0) fit = std::min(fit, 100 * sw / L.window_width);
  if (sh > 0 && L.window_height > 0) fit = std::min(fit, 100 * sh / L.window_height);
  return static_cast<Int>(std::max<long long>(fit, kZoomMin));
}

void FrmMain::show_zoom_state() {
  const Int now = window_.zoom;
  menu_item(Command::ZoomIn).enabled = now < largest_zoom();
  menu_item(Command::ZoomOut).enabled = now > least_zoom();
  menu_item(Command::ZoomReset).enabled = now != std::min(kDefaultZoom, largest_zoom());
}

void FrmMain::zoom_in() {
  if (!platform_.screen().zooms_window()) return;
  // The next step up, or as far as the screen allows short of it.
  Int percent = largest_zoom();
  for (const Int step : kZoomSteps)
    if (step > window_.zoom) {
      percent = std::min(step, percent);
      break;
    }
  if (percent > window_.zoom) window_zoomed(percent);
}

void FrmMain::zoom_out() {
  if (!platform_.screen().zooms_window()) return;
  // The next step down; a factor above what the screen holds (kept from a
  // larger screen) comes down to the screen's in one step.
  Int percent = least_zoom();
  for (const Int step : kZoomSteps)
    if (step < window_.zoom) percent = std::max(step, least_zoom());
  percent = std::min(percent, largest_zoom());
  if (percent < window_.zoom) window_zoomed(percent);
}

void FrmMain::zoom_reset() {
  if (platform_.screen().zooms_window()) window_zoomed(std::min(kDefaultZoom, largest_zoom()));
}

// --- the status line --------------------------------------------------------

void FrmMain::start_game_clock() { s_.clock.start(platform_.clock().now_ms()); }

void FrmMain::show_status(const std::string& label, Int moves, const std::string& info) {
  panels_[1].text = status_text(label, moves, info);
}

std::string FrmMain::status_text(const std::string& label, Int moves,
                                 const std::string& info) const {
  const std::int64_t elapsed_tenths = s_.clock.elapsed_ms(platform_.clock().now_ms()) / 100;
  const std::string note = s_.hints > 0 ? std::string(in(msg::kHintUsed, s_.language_code)) : "";
  return status_line(s_.language_code, label, moves, elapsed_tenths, info + note);
}

}  // namespace zerdo
