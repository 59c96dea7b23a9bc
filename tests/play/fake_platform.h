#pragma once
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "play/platform.h"
#include "services/file_access.h"
#include "services/random_source.h"

namespace zerdo::testing {

// A platform for tests: a virtual clock, scripted random numbers and answers,
// an in-memory settings store, and a record of every box and help call.
// store is the store "on disk": saved values reach it at flush_settings,
// unless store_failure says that the write fails.
class FakePlatform : public Platform,
                     public Dialogs,
                     public Printing,
                     public Settings,
                     public Clock,
                     public Random,
                     public Files,
                     public Help,
                     public Screen {
 public:
  Clock& clock() override { return *this; }

  std::vector<MessageBox> boxes;
  std::deque<Answer> answers;
  std::vector<std::string> forms_shown;
  std::deque<std::string> form_clicks;  // button pressed in the next window
  std::deque<std::string> file_names;
  std::vector<FileDialogStart> dialog_starts;  // where each file dialog opened
  std::vector<std::string> help_calls;
  std::map<std::string, std::string> store;
  std::map<std::string, std::string> unwritten;  // saved, not yet flushed
  std::optional<StoreFailure> store_failure;
  // Writes of another copy of the game that land between this copy's reading
  // of the store and its writing, one per flush: that flush writes nothing
  // and says changed.
  std::deque<std::map<std::string, std::string>> other_copy_writes;
  int store_writes = 0;  // flushes that reached the store
  std::deque<float> uniforms;
  long draws = 0;
  std::int64_t now = 43200000;          // 12:00:00.0
  std::int64_t time_of_day = 43200000;  // the wall clock, ms since midnight
  std::vector<std::uint64_t> seeds;     // every seed_random
  WindowState state = WindowState::Normal;
  Int screen_w = 28800, screen_h = 16200;
  bool zooms = true;                 // false: a page the browser zooms
  std::string locale;                // the system's locale for messages; "" tells none
  std::vector<PrintJob> print_jobs;  // the controls pointer is only good during the call
  PrintResult print_result = PrintResult::Cancelled;
  std::string printed_file;            // a printer job prints into this file when not empty
  std::optional<bool> print_patterns;  // the patterns option as the player sets it, if at all
  std::map<std::string, std::string> data_files;  // the game's own files, by name
  std::optional<WriteFailure> data_failure;       // every write of them fails so

  Dialogs& dialogs() override { return *this; }
  Printing& printing() override { return *this; }
  Help& help() override { return *this; }
  Screen& screen() override { return *this; }

  Answer message_box(const MessageBox& box) override {
    boxes.push_back(box);
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return box.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
  }
  void show_modal(Form& form, FormHandler& handler) override {
    forms_shown.push_back(form.name);
    std::string button = "cmdOK";
    if (!form_clicks.empty()) {
      button = form_clicks.front();
      form_clicks.pop_front();
    }
    handler.click(form, button);
  }
  std::string file_dialog_at(FileDialogKind kind, const std::string& title,
                             const std::string& filter, const FileDialogStart& start) override {
    dialog_starts.push_back(start);
    return file_dialog(kind, title, filter);
  }
  std::string file_dialog(FileDialogKind, const std::string&, const std::string&) override {
    if (file_names.empty()) return {};
    std::string f = file_names.front();
    file_names.pop_front();
    return f;
  }
  PrintResult print_puzzle(const PrintJob& job, PrintChoices* chosen) override {
    print_jobs.push_back(job);
    // A PDF names its file; the printer only when it prints into a file.
    if (chosen) {
      chosen->path = job.target == PrintTarget::Pdf ? "puzzle.pdf" : printed_file;
      if (print_patterns) chosen->colour_marks = *print_patterns;
    }
    return print_result;
  }
  Settings& settings() override { return *this; }
  std::string get_setting(const std::string&, const std::string&, const std::string& key,
                          const std::string& def) override {
    auto it = store.find(key);
    return it == store.end() ? def : it->second;
  }
  void save_setting(const std::string&, const std::string&, const std::string& key,
                    const std::string& value) override {
    unwritten[key] = value;
  }
  std::optional<std::string> stored_setting(const std::string&, const std::string&,
                                            const std::string& key) override {
    auto it = store.find(key);
    if (it == store.end()) return std::nullopt;
    return it->second;
  }
  std::optional<StoreFailure> flush_settings() override {
    if (store_failure) return store_failure;
    if (!other_copy_writes.empty()) {
      for (const auto& [key, value] : other_copy_writes.front()) store[key] = value;
      other_copy_writes.pop_front();
      return StoreFailure{"Zerdo.conf", "changed meanwhile", 0, true};
    }
    for (auto& [key, value] : unwritten) store[key] = value;
    unwritten.clear();
    ++store_writes;
    return std::nullopt;
  }
  std::int64_t now_ms() override { return now; }
  std::int64_t time_of_day_ms() override { return time_of_day; }
  std::string time_of_day_text() override { return "12:00:00"; }
  Random& random() override { return *this; }
  void seed_random(std::uint64_t seed) override {
    seeds.push_back(seed);
    source.seed(seed);
  }
  float draw_uniform() override {
    ++draws;
    if (!uniforms.empty()) {
      float u = uniforms.front();
      uniforms.pop_front();
      return u;
    }
    return source.next();
  }
  void help_open(const std::string& file, int context) override {
    help_calls.push_back("open " + file + " " + std::to_string(context));
  }
  void help_search(const std::string& file, const std::string& keyword) override {
    help_calls.push_back("search " + file + " " + keyword);
  }
  void help_close() override { help_calls.push_back("close"); }
  Files& files() override { return *this; }
  std::optional<std::string> read_file(const std::string& path, std::size_t limit) override {
    return read_file_bytes(path, limit);
  }
  bool write_file(const std::string& path, const std::string& bytes) override {
    return write_file_atomically(path, bytes);
  }
  std::string data_folder() override { return "/data/"; }
  std::optional<std::string> read_data_file(const std::string& name, std::size_t limit) override {
    const auto it = data_files.find(name);
    if (it == data_files.end()) return std::nullopt;
    return it->second.substr(0, limit);
  }
  std::optional<WriteFailure> write_data_file(const std::string& name,
                                              const std::string& bytes) override {
    if (!data_failure) data_files[name] = bytes;
    return data_failure;
  }
  std::optional<WriteFailure> append_data_file(const std::string& name,
                                               const std::string& bytes) override {
    if (!data_failure) data_files[name] += bytes;
    return data_failure;
  }
  std::optional<WriteFailure> remove_data_file(const std::string& name) override {
    if (!data_failure) data_files.erase(name);
    return data_failure;
  }
  bool launch(const std::string& program) override {
    help_calls.push_back("launch " + program);
    return true;
  }
  WindowState window_state() override { return state; }
  Int screen_width() override { return screen_w; }
  Int screen_height() override { return screen_h; }
  bool zooms_window() override { return zooms; }
  std::string locale_name() override { return locale; }

 private:
  RandomSource source;
};

}  // namespace zerdo::testing
