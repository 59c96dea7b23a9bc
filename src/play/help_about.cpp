// The help menu, the About window and the tip of the day.
#include <functional>

#include "play/frm_main.h"
#include "records/statistics.h"
#include "ui/texts_help.h"

namespace zerdo {

void FrmMain::FrameTip_Click() {
  const auto r = static_cast<std::size_t>(s_.shape.range_code);
  const TipMessage tip =
      tip_of_the_day(s_.range_stats[r], s_.record_holder[r], s_.range_name, s_.language_code);
  box(tip.title, tip.text);
}

void FrmMain::mnuHelpContents_Click() {
  if (help_file_.empty()) {
    box(window_.caption, std::string(kNoHelpContents[lang(s_.language_code)]), Buttons::Ok,
        Icon::Information);
    return;
  }
  platform_.help_open(help_file_, kHelpContentsContext[lang(s_.language_code)]);
}

void FrmMain::mnuHelpSearchForHelpOn_Click() {
  if (help_file_.empty()) {
    box(window_.caption, std::string(kNoHelpSearch[lang(s_.language_code)]), Buttons::Ok,
        Icon::Information);
    return;
  }
  platform_.help_search(help_file_, "");
}

void FrmMain::close_help() { platform_.help_close(); }

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

// Routes the buttons of the About window: System Info keeps it open.
class AboutHandler : public FormHandler {
 public:
  explicit AboutHandler(std::function<void()> sys_info) : sys_info_(std::move(sys_info)) {}
  bool click(Form&, const std::string& control) override {
    if (control == "cmdSysInfo") {
      sys_info_();
      return false;
    }
    return true;  // cmdOK or the window closed
  }

 private:
  std::function<void()> sys_info_;
};

}  // namespace

void FrmMain::mnuHelpAbout_Click() {
  auto form = std::make_unique<Form>();
  form->name = "frmAbout";
  form->caption = std::string(kAbout.caption);
  form->width = kAboutWidth;
  form->height = kAboutHeight;
  ControlSet& c = form->controls;
  // The program icon; the toolkit paints the application's icon into it.
  c.add(about_control(ControlKind::Picture, "picIcon", {}, 240, 240, 540, 540));
  c.add(about_control(ControlKind::Label, "lblTitle", kAbout.title, 1050, 240, 3885, 480));
  c.add(about_control(ControlKind::Label, "lblVersion", std::string(kAbout.version) + s_.version_text,
                      1050, 780, 3885, 225));
  c.add(about_control(ControlKind::Label, "lblDescription", kAbout.description, 1050, 1125, 3885,
                      570));
  c.add(about_control(ControlKind::Label, "lblDisclaimer", kAbout.disclaimer, 255, 2625, 3870, 625));
  c.add(about_control(ControlKind::Button, "cmdOK", kAbout.ok, 4245, 2625, 1260, 345));
  c.add(about_control(ControlKind::Button, "cmdSysInfo", kAbout.sys_info, 4260, 3075, 1245, 345));

  // Each opening fills the window afresh and replaces the one last shown.
  Form* shown = form.get();
  bool replaced = false;
  for (auto& f : forms_)
    if (f->name == form->name) {
      f = std::move(form);
      replaced = true;
      break;
    }
  if (!replaced) forms_.push_back(std::move(form));
  AboutHandler handler([this] { cmdSysInfo_Click(); });
  platform_.show_modal(*shown, handler);
}

void FrmMain::cmdSysInfo_Click() {
  const std::optional<std::string> program = platform_.system_info_program();
  if (program && !program->empty() && platform_.launch(*program)) return;
  box("Zerdo", std::string(kAbout.sys_info_missing));
}

}  // namespace zerdo
