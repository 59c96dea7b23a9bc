#include "play/platform.h"

#include <cstdio>

namespace zerdo {

namespace {

constexpr std::int64_t kNoon = 12LL * 3600 * 1000;

class StillClock : public Clock {
 public:
  std::int64_t now_ms() override { return kNoon; }
  std::int64_t time_of_day_ms() override { return kNoon; }
  std::string time_of_day_text() override { return clock_text(kNoon); }
};

class NoFiles : public Files {
 public:
  std::optional<std::string> read_file(const std::string&, std::size_t) override {
    return std::nullopt;
  }
  bool write_file(const std::string&, const std::string&) override { return false; }
};

class QuietDialogs : public Dialogs {
 public:
  Answer message_box(const MessageBox& box) override {
    return box.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  }
  void show_modal(Form& form, FormHandler& handler) override { handler.click(form, ""); }
  std::string file_dialog(FileDialogKind, const std::string&, const std::string&) override {
    return {};
  }
};

class NoPrinting : public Printing {
 public:
  PrintResult print_puzzle(const PrintJob&, PrintChoices*) override {
    return PrintResult::Unavailable;
  }
};

class NoHelp : public Help {
 public:
  void help_open(const std::string&, int) override {}
  void help_search(const std::string&, const std::string&) override {}
  void help_close() override {}
};

class PlainScreen : public Screen {
 public:
  Int screen_width() override { return 28800; }
  Int screen_height() override { return 16200; }
};

}  // namespace

Dialogs& quiet_dialogs() {
  static QuietDialogs dialogs;
  return dialogs;
}

Printing& no_printing() {
  static NoPrinting printing;
  return printing;
}

Help& no_help() {
  static NoHelp help;
  return help;
}

Screen& plain_screen() {
  static PlainScreen screen;
  return screen;
}

std::string MemorySettings::get_setting(const std::string& /*app*/, const std::string& section,
                                        const std::string& key, const std::string& def) {
  const auto it = values_.find(section + "/" + key);
  return it == values_.end() ? def : it->second;
}

void MemorySettings::save_setting(const std::string& /*app*/, const std::string& section,
                                  const std::string& key, const std::string& value) {
  values_[section + "/" + key] = value;
}

Files& no_files() {
  static NoFiles files;
  return files;
}

std::string clock_text(std::int64_t time_of_day_ms) {
  const std::int64_t s = time_of_day_ms / 1000;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(s / 3600 % 24),
                static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
  return text;
}

Clock& still_clock() {
  static StillClock clock;
  return clock;
}

}  // namespace zerdo
