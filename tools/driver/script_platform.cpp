#include "script_platform.h"

#include <QString>
#include <algorithm>
#include <cstdio>

#include "output.h"
#include "services/file_access.h"
#include "services/settings_store.h"

namespace zerdo {

using driver::quote;

ScriptPlatform::ScriptPlatform() = default;
ScriptPlatform::~ScriptPlatform() = default;

std::vector<std::string> ScriptPlatform::take_messages() { return std::exchange(messages_, {}); }
std::vector<std::string> ScriptPlatform::take_help() { return std::exchange(help_, {}); }

const Form* ScriptPlatform::shown_form(const std::string& name) const {
  auto it = forms_.find(name);
  return it == forms_.end() ? nullptr : &it->second;
}

Answer ScriptPlatform::message_box(const MessageBox& box) {
  // A box returns only one of its own buttons: an OK box is always OK, and on
  // a Yes/No/Cancel box a queued "ok" counts as the default, Yes.
  Answer a = box.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
  if (!answers_.empty()) {
    const Answer queued = answers_.front();
    answers_.pop_front();
    if (box.buttons == Buttons::YesNoCancel && queued != Answer::Ok) a = queued;
  }
  messages_.push_back("box title=" + quote(box.title) + " text=" + quote(box.text) +
                      " buttons=" + driver::buttons_name(box.buttons) +
                      " icon=" + driver::icon_name(box.icon) + " answer=" + driver::answer_name(a));
  return a;
}

void ScriptPlatform::show_modal(Form& form, FormHandler& handler) {
  forms_[form.name] = form;  // as it was when shown
  std::vector<std::string> presses;
  if (form.name == "DialogUser") {
    std::optional<std::string> name;
    if (!users_.empty()) {
      name = users_.front();
      users_.pop_front();
    }
    if (name) {
      if (Control* box = form.controls.find("username")) box->caption = *name;
      presses = {"OKButton"};
    } else {
      presses = {"CancelButton"};
    }
  } else if (form.name == "frmAbout") {
    bool sysinfo = false;
    if (!sysinfo_.empty()) {
      sysinfo = true;
      sysinfo_.pop_front();
    }
    presses = sysinfo ? std::vector<std::string>{"cmdSysInfo", "cmdOK"}
                      : std::vector<std::string>{"cmdOK"};
  } else if (form.name == "frmHistory" && !exports_.empty()) {
    exports_.pop_front();
    presses = {"cmdExport", "cmdOK"};
  } else {
    presses = {"cmdOK"};
  }
  for (const std::string& control : presses)
    if (handler.click(form, control)) return;
  // The window is still open: the player closes it with the window's close box.
  handler.click(form, "");
}

std::string ScriptPlatform::file_dialog(FileDialogKind kind, const std::string& title,
                                        const std::string& filter) {
  std::string path;
  if (!files_.empty()) {
    path = files_.front();
    files_.pop_front();
  }
  messages_.push_back(std::string("dialog kind=") +
                      (kind == FileDialogKind::Open ? "open" : "save") + " title=" + quote(title) +
                      " filter=" + quote(filter) + " answer=" + quote(path));
  return path;
}

PrintResult ScriptPlatform::print_puzzle(const PrintJob& job, PrintChoices* chosen) {
  // Nothing is drawn or written: the request is recorded. A PDF takes the
  // next queued file name like a save dialog, the print dialog the next
  // queued answer (OK prints; anything else, or none, cancels). The
  // patterns option stays as it is.
  std::string answer;
  bool done = false;
  if (job.target == PrintTarget::Pdf) {
    if (!files_.empty()) {
      answer = files_.front();
      files_.pop_front();
    }
    done = !answer.empty();
    if (chosen) chosen->path = answer;
    answer = quote(answer);
  } else {
    if (!answers_.empty()) {
      done = answers_.front() == Answer::Ok;
      answers_.pop_front();
    }
    answer = done ? "ok" : "cancel";
  }
  messages_.push_back(std::string("print kind=") +
                      (job.target == PrintTarget::Pdf ? "pdf" : "printer") +
                      " title=" + quote(job.dialog_title) + " puzzle=" + quote(job.title) +
                      " details=" + quote(job.details) + " cards=" + std::to_string(job.cards) +
                      " answer=" + answer);
  return done ? PrintResult::Done : PrintResult::Cancelled;
}

Files& ScriptPlatform::files() {
  // Made on first use, when the environment names the settings folder.
  if (!disk_) disk_.emplace(folder_of(settings_.store().path()) + "data");
  return *disk_;
}

std::vector<std::pair<std::string, std::string>> ScriptPlatform::stored_settings() {
  return settings_.store().read_section("Settings");
}

float ScriptPlatform::draw_uniform() {
  ++draws_;
  if (random_queue_.empty()) return random_.next();
  const float u = random_queue_.front();
  random_queue_.pop_front();
  return u;
}

void ScriptPlatform::help_open(const std::string& file, int context) {
  help_.push_back("open file=" + quote(file) + " context=" + std::to_string(context));
}

void ScriptPlatform::help_search(const std::string& file, const std::string& keyword) {
  help_.push_back("search file=" + quote(file) + " keyword=" + quote(keyword));
}

void ScriptPlatform::help_close() { help_.push_back("close"); }

std::optional<std::string> ScriptPlatform::system_info_program() { return kSystemInfoProgram; }

bool ScriptPlatform::launch(const std::string& program) {
  help_.push_back("launch program=" + quote(program));
  return true;
}

}  // namespace zerdo
