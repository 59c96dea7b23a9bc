#pragma once
#include <QFileInfo>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "host/source_random.h"
#include "play/platform.h"
#include "services/file_access.h"
#include "services/settings_store.h"

namespace zerdo::fuzz {

// The targets' files and the store's scratch copies go to memory (/dev/shm)
// where the system has it: every write of a file is synced to the disk, and
// on a disk that slows fuzzing tenfold.
inline void scratch_in_memory() {
  static const bool done = [] {
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) qputenv("TMPDIR", "/dev/shm");
    return true;
  }();
  (void)done;
}

// A platform without windows for the fuzz targets: every box is answered at
// once, secondary windows close on their first button, the file dialog names
// one fixed file; the rest is quiet (no printer, no help, the clock stands
// still). Settings are read from and written
// to the real store (an INI file) when one is given, else kept in memory.
class FuzzPlatform : public Platform, public Dialogs, public Settings, public Files {
 public:
  std::string file;                          // what the file dialog answers
  std::unique_ptr<SettingsStore> store;      // nullptr: no stored settings
  std::map<std::string, std::string> saved;  // by "section/key"
  int boxes = 0;                             // message boxes shown
  int store_failures = 0;                    // flushes that did not reach the file

  Dialogs& dialogs() override { return *this; }
  Answer message_box(const MessageBox& box) override {
    ++boxes;
    return box.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  }
  void show_modal(Form& form, FormHandler& handler) override { handler.click(form, ""); }
  std::string file_dialog(FileDialogKind, const std::string&, const std::string&) override {
    return file;
  }
  Settings& settings() override { return *this; }
  std::string get_setting(const std::string&, const std::string& section, const std::string& key,
                          const std::string& def) override {
    if (store) return store->get(section, key, def);
    const auto it = saved.find(section + "/" + key);
    return it != saved.end() ? it->second : def;
  }
  void save_setting(const std::string&, const std::string& section, const std::string& key,
                    const std::string& value) override {
    if (store)
      store->save(section, key, value);
    else
      saved[section + "/" + key] = value;
  }
  void begin_settings_write() override {
    if (store) store->begin_write();
  }
  std::optional<std::string> stored_setting(const std::string&, const std::string& section,
                                            const std::string& key) override {
    return store ? store->stored(section, key) : std::nullopt;
  }
  std::optional<StoreFailure> flush_settings() override {
    if (!store || store->sync()) return std::nullopt;
    ++store_failures;
    return StoreFailure{store->file_name().toStdString(), store->error()};
  }
  Random& random() override { return random_; }
  Files& files() override { return *this; }
  std::optional<std::string> read_file(const std::string& path, std::size_t limit) override {
    return read_file_bytes(path, limit);
  }
  bool write_file(const std::string& path, const std::string& bytes) override {
    return write_file_atomically(path, bytes);
  }

 private:
  SourceRandom random_;
};

}  // namespace zerdo::fuzz
