#pragma once
#include <memory>
#include <string>

class QSettings;
class QString;

namespace zerdo {

// The per-user settings store: one INI file, $XDG_CONFIG_HOME/Zerdo/Zerdo.conf
// by default. Every section becomes a group of the file; keys may contain
// blanks ("MinTime 1") and values any text, both round-trip unchanged.
class SettingsStore {
 public:
  SettingsStore();
  // A store in the given file instead of the per-user one.
  explicit SettingsStore(const QString& file);
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  std::string get(const std::string& section, const std::string& key, const std::string& def) const;
  void save(const std::string& section, const std::string& key, const std::string& value);
  // Writes the saved values to the file at once (atomically, all keys in one
  // write); until then they are kept in memory.
  void sync();
  // The file the store reads and writes.
  QString file_name() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace zerdo
