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

#include "services/file_access.h"

namespace zerdo {

// The per-user settings store: one INI file, $XDG_CONFIG_HOME/Zerdo/Zerdo.conf
// by default ($HOME/.config when that is not set or not an absolute path), in
// the form QSettings gives it. Every section becomes a group of the file;
// keys may contain blanks ("MinTime 1") and values any text, both round-trip
// unchanged. The text is read and written in memory: no temporary folder is
// needed.
//
// The file is read once, when the store is made. Saved values are kept in
// memory until the next write, which puts them over what the file holds at
// that moment (another copy of the game may have written it meanwhile): keys
// nobody saved stay as they are on disk. A write is checked from end to end
// and atomic, so a failed one leaves the file as it was.
//
// A link in the store's place is followed only to a regular file that holds
// a store already (its first section [Settings]); any other link is left
// alone, read as no store, and every write refused.
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

  // Starts a write: reads the file as it is on disk now.
  void begin_write();
  // A value of the file as begin_write read it; nullopt when it is missing.
  std::optional<std::string> stored(const std::string& section, const std::string& key) const;

  // Writes the values saved since the last write (begun by begin_write, or
  // here): the new file is written and synced beside the store, then, under
  // the store's lock, put in its place if the store is still as begin_write
  // read it. Changed when another copy wrote the store meanwhile (or kept it
  // locked too long): nothing was written, and the caller begins again, so
  // that what that copy wrote is read and kept. Failed when the file could
  // not be written: failure() then says why, and those values are written
  // again next time.
  enum class Commit { Written, Changed, Failed };
  Commit commit();
  // commit, begun again with the file as it is then for as long as another
  // copy changes it (a few times at most). False when it failed.
  bool sync();
  const FileFailure& failure() const { return failure_; }
  const std::string& error() const { return failure_.reason; }
  // The file the last failure concerns: the store, or its lock.
  QString failed_file() const { return failed_file_; }

  // Every key of section as the file on disk holds it now, sorted by key.
  std::vector<std::pair<std::string, std::string>> read_section(const std::string& section) const;
  // The file the store reads and writes.
  QString file_name() const;
  const std::string& path() const { return path_; }

 private:
  struct Write;
  void load();

  std::string path_;                    // as bytes
  std::map<QString, QVariant> loaded_;  // the file as read when the store was made
  std::map<QString, QString> saved_;    // every value saved in this run
  std::set<QString> unwritten_;         // keys saved since the last write
  std::unique_ptr<Write> write_;        // between begin_write and commit
  FileFailure failure_;
  QString failed_file_;
};

}  // namespace zerdo
