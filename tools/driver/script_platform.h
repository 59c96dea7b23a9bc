#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/disk_files.h"
#include "host/file_settings.h"
#include "play/platform.h"
#include "services/random_source.h"

namespace zerdo {

// The driver's platform: a virtual clock, a scriptable random source, queued
// answers for every modal box, window and dialog, and a record of everything
// shown. The settings store is the game's own, in the same file; the game's
// own files are kept in the folder "data" beside it, so that a script run
// with its own settings folder leaves the player's files alone.
class ScriptPlatform : public Platform,
                       public Dialogs,
                       public Printing,
                       public Clock,
                       public Random,
                       public Help,
                       public Screen {
 public:
  ScriptPlatform();
  ~ScriptPlatform() override;

  // Script controls.
  // Moves the virtual clock forward by ms milliseconds.
  void wait_ms(std::int64_t ms) { waited_ms_ += ms; }
  void queue_random(float u) { random_queue_.push_back(u); }
  void queue_answer(Answer a) { answers_.push_back(a); }
  void queue_sysinfo() { sysinfo_.push_back(true); }
  // Export pressed in the next history window, before OK.
  void queue_export() { exports_.push_back(true); }
  void queue_file(std::string path) { files_.push_back(std::move(path)); }
  // OK with a name, or Cancel (nullopt), for the next player dialog.
  void queue_user(std::optional<std::string> name) { users_.push_back(std::move(name)); }
  void set_window_state(WindowState s) { window_state_ = s; }
  void set_screen(Int width, Int height) { screen_width_ = width, screen_height_ = height; }

  // Observations.
  std::uint64_t draws() const { return draws_; }
  // Lines of boxes and file dialogs since the last call, oldest first.
  std::vector<std::string> take_messages();
  // Lines of help-viewer and launcher calls since the last call.
  std::vector<std::string> take_help();
  // The secondary window as it was last shown, nullptr if never.
  const Form* shown_form(const std::string& name) const;
  // Every key of section "Settings" of the store as it is on disk, sorted by key.
  std::vector<std::pair<std::string, std::string>> stored_settings();

  // Platform
  Dialogs& dialogs() override { return *this; }
  Printing& printing() override { return *this; }
  Help& help() override { return *this; }
  Screen& screen() override { return *this; }
  Answer message_box(const MessageBox& box) override;
  void show_modal(Form& form, FormHandler& handler) override;
  std::string file_dialog(FileDialogKind kind, const std::string& title,
                          const std::string& filter) override;
  PrintResult print_puzzle(const PrintJob& job, PrintChoices* chosen) override;
  Settings& settings() override { return settings_; }
  // The game's own files in the folder "data" beside the store.
  Files& files() override;
  // Clock: the virtual clock is a time of day.
  Clock& clock() override { return *this; }
  std::int64_t now_ms() override { return kStartMs + waited_ms_; }
  std::int64_t time_of_day_ms() override { return now_ms() % kDayMs; }
  std::string time_of_day_text() override { return clock_text(time_of_day_ms()); }
  // Random: the numbers queued by the script first.
  Random& random() override { return *this; }
  void seed_random(std::uint64_t seed) override { random_.seed(seed); }
  float draw_uniform() override;
  void help_open(const std::string& file, int context) override;
  void help_search(const std::string& file, const std::string& keyword) override;
  void help_close() override;
  std::optional<std::string> system_info_program() override;
  bool launch(const std::string& program) override;
  WindowState window_state() override { return window_state_; }
  Int screen_width() override { return screen_width_; }
  Int screen_height() override { return screen_height_; }

  // The virtual clock starts at 12:00:00.0.
  static constexpr std::int64_t kStartMs = 12LL * 3600 * 1000;
  static constexpr std::int64_t kDayMs = 24LL * 3600 * 1000;

  // The program the scripted system offers as its system-information tool.
  static constexpr const char* kSystemInfoProgram = "sysinfo";

 private:
  std::int64_t waited_ms_ = 0;
  RandomSource random_;
  std::deque<float> random_queue_;
  std::uint64_t draws_ = 0;
  std::deque<Answer> answers_;
  std::deque<bool> sysinfo_;
  std::deque<bool> exports_;
  std::deque<std::string> files_;
  std::deque<std::optional<std::string>> users_;
  std::vector<std::string> messages_;
  std::vector<std::string> help_;
  std::map<std::string, Form> forms_;
  FileSettings settings_;
  std::optional<DiskFiles> disk_;
  WindowState window_state_ = WindowState::Normal;
  Int screen_width_ = 28800, screen_height_ = 16200;
};

}  // namespace zerdo
