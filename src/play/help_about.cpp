// The help menu and the About window.
#include "play/frm_main.h"
#include "texts/help.h"
#include "texts/messages.h"
#include "texts/windows.h"
#include "view/secondary_windows.h"

namespace zerdo {

void FrmMain::help_contents() {
  if (help_file_.empty()) {
    box(window_.caption, std::string(in(kNoHelpContents, s_.language_code)), Buttons::Ok,
        Icon::Information);
    return;
  }
  platform_.help().help_open(help_file_, kHelpContentsContext[language_index(s_.language_code)]);
}

void FrmMain::search_help() {
  if (help_file_.empty()) {
    box(window_.caption, std::string(in(kNoHelpSearch, s_.language_code)), Buttons::Ok,
        Icon::Information);
    return;
  }
  platform_.help().help_search(help_file_, "");
}

void FrmMain::show_about() {
  // Each opening fills the window afresh.
  namespace at = about_layout;
  namespace text = about_window;
  Form form{"frmAbout", std::string(text::kCaption), at::kWidth, at::kHeight, {}};
  ControlSet& c = form.controls;
  // The program icon; the toolkit paints the application's icon into it.
  c.add(window_control(Role::ProgramIcon, "picIcon", at::kIcon));
  c.add(window_control(Role::Title, "lblTitle", at::kTitle, std::string(text::kTitle)));
  c.add(window_control(Role::Text, "lblVersion", at::kVersion,
                       std::string(text::kVersion) + std::string(kRelease)));
  c.add(window_control(Role::Text, "lblDescription", at::kDescription,
                       std::string(text::kDescription)));
  c.add(
      window_control(Role::Text, "lblDisclaimer", at::kDisclaimer, std::string(text::kDisclaimer)));
  c.add(window_control(Role::OkButton, "cmdOK", at::kOk, std::string(kOkCaption)));
  c.add(window_control(Role::Button, "cmdSysInfo", at::kSysInfo, std::string(text::kSysInfo)));
  show_form(form);
}

void FrmMain::show_system_info() {
  const std::optional<std::string> program = platform_.help().system_info_program();
  if (program && !program->empty() && platform_.help().launch(*program)) return;
  box(std::string(msg::kTitle), std::string(about_window::kSysInfoMissing));
}

}  // namespace zerdo
