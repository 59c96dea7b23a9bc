#include "play/frm_main.h"

#include <algorithm>

#include "catalogue/builtin.h"
#include "texts/captions.h"
#include "texts/messages.h"

namespace zerdo {

FrmMain::FrmMain(Platform& platform) : platform_(platform) {
  build_menus();
  panels_[1].width = status_panel1_width(window_.width);
  panels_[2].width = kStatusPanel2Width;
  panels_[3].width = kStatusPanel3Width;
  panels_[4].width = kStatusPanel4Width;
}

FrmMain::~FrmMain() = default;

void FrmMain::build_menus() {
  MenuModel& m = menus_;
  // An item with its German caption from the caption tables.
  const auto add = [&m](std::string name, std::string_view parent = {}, std::string shortcut = {},
                        bool separator_before = false) {
    const std::string caption(menu_caption(name, 0));
    return m.add(std::move(name), caption, parent, std::move(shortcut), separator_before);
  };
  add("mnuFile");
  add("mnuFileNew", "mnuFile", "F2");
  add("mnuFileAgain", "mnuFile", "F3");
  add("mnuFileStop", "mnuFile", "F5", true);
  add("mnuFileRun", "mnuFile", "F6");
  add("mnuFileZerdo", "mnuFile", {}, true);
  for (char letter = 'A'; letter <= 'G'; ++letter) {
    const std::string sub = std::string("mnuFileZerdo") + letter;
    m.add(sub, std::string("&") + letter, "mnuFileZerdo");
    const int count = letter == 'G' ? 10 : 5;
    for (int i = 1; i <= count; ++i)
      m.add(sub + std::to_string(i), i == 10 ? "1&0" : "&" + std::to_string(i), sub);
  }
  add("mnuFileNext", "mnuFile", "F4", true);
  add("mnuFilePrevious", "mnuFile", "Shift+F4");
  add("mnuFileUser", "mnuFile", {}, true);
  add("mnuFileSetup", "mnuFile", {}, true);
  add_language_menu();
  add("mnuFileSetupRange", "mnuFileSetup");
  add("mnuFileSetupRange3x3", "mnuFileSetupRange");
  add("mnuFileSetupRange4x4", "mnuFileSetupRange");
  add("mnuFileSetupAnker", "mnuFileSetup");
  add("mnuFileSetupColourMarks", "mnuFileSetup", {}, true);
  add("mnuFileSonst", "mnuFile", "Ctrl+N");
  add("mnuFileSave", "mnuFile", {}, true);
  add("mnuFileLoad", "mnuFile");
  add("mnuFilePrint", "mnuFile", {}, true);
  add("mnuFileExportPdf", "mnuFile");
  add("mnuFileExit", "mnuFile", {}, true);
  add("mnuStufe");
  for (char letter = kFirstLevelLetter; letter <= kLastLevelLetter; ++letter)
    m.add(std::string("mnuStufe") + letter, std::string("&") + letter, "mnuStufe");
  add("mnuHelp");
  add("mnuHelpContents", "mnuHelp");
  add("mnuHelpSearchForHelpOn", "mnuHelp");
  add("mnuHelpResultEnable", "mnuHelp", "F9", true);
  add("mnuHelpAbout", "mnuHelp", {}, true);

  m.find("mnuFileAgain")->enabled = false;
  m.find("mnuFileRun")->enabled = false;
  m.find("mnuFileSonst")->visible = false;
  m.find("mnuFileSetupAnker")->enabled = false;
  m.find("mnuHelpResultEnable")->checked = true;
}

bool FrmMain::choose_menu(std::string_view name) {
  if (!loaded_ || !menus_.reachable(name)) return false;
  run_menu(name);
  return true;
}

bool FrmMain::press_key(std::string_view key) {
  if (!loaded_) return false;
  const MenuItem* m = menus_.by_shortcut(key);
  if (!m || !m->enabled) return false;
  run_menu(m->name);
  return true;
}

void FrmMain::run_menu(std::string_view name) {
  using Handler = void (FrmMain::*)();
  static const std::pair<std::string_view, Handler> kHandlers[] = {
      {"mnuFileNew", &FrmMain::mnuFileNew_Click},
      {"mnuFileAgain", &FrmMain::mnuFileAgain_Click},
      {"mnuFileStop", &FrmMain::mnuFileStop_Click},
      {"mnuFileRun", &FrmMain::mnuFileRun_Click},
      {"mnuFileNext", &FrmMain::mnuFileNext_Click},
      {"mnuFilePrevious", &FrmMain::mnuFilePrevious_Click},
      {"mnuFileSonst", &FrmMain::mnuFileSonst_Click},
      {"mnuFileExit", &FrmMain::mnuFileExit_Click},
      {"mnuFileUser", &FrmMain::mnuFileUser_Click},
      {"mnuFileSave", &FrmMain::mnuFileSave_Click},
      {"mnuFileLoad", &FrmMain::mnuFileLoad_Click},
      {"mnuFilePrint", &FrmMain::mnuFilePrint_Click},
      {"mnuFileExportPdf", &FrmMain::mnuFileExportPdf_Click},
      {"mnuFileSetupRange3x3", &FrmMain::mnuFileSetupRange3x3_Click},
      {"mnuFileSetupRange4x4", &FrmMain::mnuFileSetupRange4x4_Click},
      {"mnuFileSetupAnker", &FrmMain::mnuFileSetupAnker_Click},
      {"mnuFileSetupColourMarks", &FrmMain::mnuFileSetupColourMarks_Click},
      {"mnuHelpResultEnable", &FrmMain::mnuHelpResultEnable_Click},
  };
  for (const auto& [item, handler] : kHandlers)
    if (item == name) return (this->*handler)();
  if (run_language_help_menu(name)) return;

  constexpr std::string_view kStufe = "mnuStufe";
  if (name.size() == kStufe.size() + 1 && name.substr(0, kStufe.size()) == kStufe) {
    const char letter = name.back();
    if (letter >= kFirstLevelLetter && letter <= kLastLevelLetter) {
      work_start();
      do_mnuStufe_Click(static_cast<Int>(letter - 'A' + 1));
      work_stop();
    }
    return;
  }
  constexpr std::string_view kZerdo = "mnuFileZerdo";
  if (name.substr(0, std::min(name.size(), kZerdo.size())) == kZerdo)
    if (auto index = builtin_index(name.substr(kZerdo.size()))) install_builtin(*index);
  // Submenus only open.
}

Answer FrmMain::box(std::string title, std::string text, Buttons buttons, Icon icon) {
  MessageBox b;
  b.title = std::move(title);
  b.text = std::move(text);
  b.buttons = buttons;
  b.icon = icon;
  return platform_.message_box(b);
}

void FrmMain::show_form(Form& form) {
  auto it = std::find_if(forms_.begin(), forms_.end(),
                         [&](const std::unique_ptr<Form>& f) { return f->name == form.name; });
  if (it == forms_.end()) it = forms_.insert(forms_.end(), std::make_unique<Form>());
  form.colour_marks = s_.colour_marks;
  **it = form;
  platform_.show_modal(form, *this);
}

const Form* FrmMain::last_form(std::string_view name) const {
  for (const auto& f : forms_)
    if (f->name == name) return f.get();
  return nullptr;
}

bool FrmMain::click(Form& form, const std::string& control) {
  if (form.name == "DialogUser") return DialogUser_Click(form, control);
  if (form.name == "frmAbout" && control == "cmdSysInfo") {
    cmdSysInfo_Click();
    return false;  // the About window stays open
  }
  return control.empty() || control == "cmdOK";
}

// --- start-up and shutdown ---------------------------------------------------

void FrmMain::Form_Load() {
  if (loaded_) return;
  loaded_ = true;
  work_start();
  s_.shape.range_code = kRange3x3;
  panels_[2].text = "run";
  panels_[3].text = s_.version_text;
  setStatusBarZerdo("??", 0, "", false);

  s_.tables.fill();
  for (auto& range : s_.range_stats) range.fill(0);

  load_settings();
  const std::string stored_puzzle_id = s_.puzzle_id;

  if (s_.range_name == "4x4") {
    set_range_4x4_neu();
  } else {
    s_.range_name = "3x3";
    set_range_3x3_neu();
  }
  set_feld_const();

  // From the time of day, so that every launch draws other puzzles (the
  // numbers drawn before this point repeat from start to start).
  platform_.seed_random(static_cast<std::uint64_t>(platform_.time_of_day_ms()));

  s_.moves = 0;
  s_.range_stats[kRange3x3][kRowNewRecords] = 0;
  s_.range_stats[kRange4x4][kRowNewRecords] = 0;
  s_.anchors.build();

  s_.puzzle_id = stored_puzzle_id;
  setup_the_Zerdo();

  set_form_caption();
  work_stop();
}

void FrmMain::Form_Unload() {
  if (!loaded_) return;
  // Secondary windows are modal and already closed here; forget them.
  save_settings();
  platform_.help_close();
  loaded_ = false;
}

void FrmMain::mnuFileExit_Click() { Form_Unload(); }

// --- the 300 ms clock -------------------------------------------------------

void FrmMain::ZerdoTimer_Timer() {
  if (!loaded_) return;
  panels_[4].text = platform_.time_of_day_text();
  panels_[1].width = status_panel1_width(window_.width);
  if (platform_.window_state() != WindowState::Normal) return;
  const long sw = platform_.screen_width(), sh = platform_.screen_height();
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
}

// --- the status line --------------------------------------------------------

void FrmMain::setStatusBarZerdo(const std::string& label, Int moves, const std::string& info,
                                bool solved) {
  const std::int64_t now = platform_.now_ms();
  if (moves == 1) s_.clock_base = now;
  const std::int64_t elapsed_tenths = (now - s_.clock_base) / 100;
  panels_[1].text = status_line(s_.language_code, label, moves, elapsed_tenths, info);
  if (solved) update_record(solved, elapsed_tenths);
}

}  // namespace zerdo
