// The help menu and the About window.
#include "play/frm_main.h"
#include "texts/help.h"
#include "texts/messages.h"
#include "texts/windows.h"

namespace zerdo {

void FrmMain::mnuHelpContents_Click() {
  if (help_file_.empty()) {
    box(window_.caption, std::string(in(kNoHelpContents, s_.language_code)), Buttons::Ok,
        Icon::Information);
    return;
  }
  platform_.help_open(help_file_, kHelpContentsContext[language_index(s_.language_code)]);
}

void FrmMain::mnuHelpSearchForHelpOn_Click() {
  if (help_file_.empty()) {
    box(window_.caption, std::string(in(kNoHelpSearch, s_.language_code)), Buttons::Ok,
        Icon::Information);
    return;
  }
  platform_.help_search(help_file_, "");
}

namespace {

// Twips of the About window.
constexpr Int kAboutWidth = 5730, kAboutHeight = 3960;

Control about_control(ControlKind kind, std::string name, std::string_view caption, Int left,
                      Int top, Int width, Int height) {
  Control c;
  c.kind = kind;
  c.name = std::move(name);
  if (kind != ControlKind::Picture) c.caption = std::string(caption);
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}

}  // namespace

void FrmMain::mnuHelpAbout_Click() {
  // Each opening fills the window afresh.
  Form form;
  form.name = "frmAbout";
  form.caption = std::string(about_window::kCaption);
  form.width = kAboutWidth;
  form.height = kAboutHeight;
  ControlSet& c = form.controls;
  // The program icon; the toolkit paints the application's icon into it.
  c.add(about_control(ControlKind::Picture, "picIcon", {}, 240, 240, 540, 540));
  c.add(about_control(ControlKind::Label, "lblTitle", about_window::kTitle, 1050, 240, 3885, 480));
  c.add(about_control(ControlKind::Label, "lblVersion",
                      std::string(about_window::kVersion) + s_.version_text, 1050, 780, 3885, 225));
  c.add(about_control(ControlKind::Label, "lblDescription", about_window::kDescription, 1050, 1125,
                      3885, 570));
  c.add(about_control(ControlKind::Label, "lblDisclaimer", about_window::kDisclaimer, 255, 2625,
                      3870, 625));
  c.add(about_control(ControlKind::Button, "cmdOK", kOkCaption, 4245, 2625, 1260, 345));
  c.add(about_control(ControlKind::Button, "cmdSysInfo", about_window::kSysInfo, 4260, 3075, 1245,
                      345));
  show_form(form);
}

void FrmMain::cmdSysInfo_Click() {
  const std::optional<std::string> program = platform_.system_info_program();
  if (program && !program->empty() && platform_.launch(*program)) return;
  box(std::string(msg::kTitle), std::string(about_window::kSysInfoMissing));
}

}  // namespace zerdo
