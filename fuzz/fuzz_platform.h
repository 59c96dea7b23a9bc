#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "play/platform.h"
#include "services/file_access.h"
#include "services/random_source.h"
#include "services/settings_store.h"

namespace zerdo::fuzz {

// A platform without windows for the fuzz targets: every box is answered at
// once, secondary windows close on their first button, the file dialog names
// one fixed file, the clock stands still. Settings are read from the real
// store (an INI file) when one is given; what the game saves is kept in
// memory, since writing the file for every key slows fuzzing a hundredfold.
class FuzzPlatform : public Platform {
 public:
  std::string file;                          // what the file dialog answers
  std::unique_ptr<SettingsStore> store;      // nullptr: no stored settings
  std::map<std::string, std::string> saved;  // by "section/key"

  Answer message_box(const MessageBox& box) override {
    return box.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  }
  void show_modal(Form& form, FormHandler& handler) override { handler.click(form, ""); }
  std::string file_dialog(FileDialogKind, const std::string&, const std::string&) override {
    return file;
  }
  std::string get_setting(const std::string&, const std::string& section, const std::string& key,
                          const std::string& def) override {
    const auto it = saved.find(section + "/" + key);
    if (it != saved.end()) return it->second;
    return store ? store->get(section, key, def) : def;
  }
  void save_setting(const std::string&, const std::string& section, const std::string& key,
                    const std::string& value) override {
    saved[section + "/" + key] = value;
  }
  std::int64_t now_ms() override { return 43200000; }
  std::string time_of_day_text() override { return "12:00:00"; }
  void seed_random(std::uint64_t seed) override { random.seed(seed); }
  float draw_uniform() override { return random.next(); }
  void help_open(const std::string&, int) override {}
  void help_search(const std::string&, const std::string&) override {}
  void help_close() override {}
  std::optional<std::string> read_file(const std::string& path, std::size_t limit) override {
    return read_file_bytes(path, limit);
  }
  bool write_file(const std::string& path, const std::string& bytes) override {
    return write_file_atomically(path, bytes);
  }
  std::optional<std::string> system_info_program() override { return std::nullopt; }
  bool launch(const std::string&) override { return false; }
  WindowState window_state() override { return WindowState::Normal; }
  Int screen_width() override { return 28800; }
  Int screen_height() override { return 16200; }

 private:
  RandomSource random;
};

}  // namespace zerdo::fuzz
