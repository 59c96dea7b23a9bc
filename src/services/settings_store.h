#pragma once
#include <QString>
#include <QVariant>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zerdo {

// The per-user settings store: one INI file, $XDG_CONFIG_HOME/Zerdo/Zerdo.conf
// by default, in the form QSettings gives it. Every section becomes a group of
// the file; keys may contain blanks ("MinTime 1") and values any text, both
// round-trip unchanged.
//
// The file is read once, when the store is made. Saved values are kept in
// memory until the next write, which puts them over what the file holds at
// that moment (another copy of the game may have written it meanwhile): keys
// nobody saved stay as they are on disk. A write is checked from end to end
// and atomic, so a failed one leaves the file as it was.
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

  // Starts a write: takes the store's lock, so that two copies of the game do
  // not write at the same time (a lock left behind by a killed copy is broken
  // after at most a second), and reads the file as it is on disk now.
  void begin_write();
  // A value of the file as begin_write read it; nullopt when it is missing.
  std::optional<std::string> stored(const std::string& section, const std::string& key) const;
  // Writes the values saved since the last write (begun by begin_write, or
  // here) and releases the lock. False when the file could not be written:
  // error() then says why, and those values are written again next time.
  bool sync();
  const std::string& error() const { return error_; }

  // Every key of section as the file on disk holds it now, sorted by key.
  std::vector<std::pair<std::string, std::string>> read_section(const std::string& section) const;
  // The file the store reads and writes.
  QString file_name() const { return file_; }

 private:
  struct Write;

  QString file_;
  std::map<QString, QVariant> loaded_;  // the file as read when the store was made
  std::map<QString, QString> saved_;    // every value saved in this run
  std::set<QString> unwritten_;         // keys saved since the last write
  std::unique_ptr<Write> write_;        // between begin_write and sync
  std::string error_;
};

}  // namespace zerdo
