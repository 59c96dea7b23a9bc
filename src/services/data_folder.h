#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "services/file_access.h"

namespace zerdo {

// The per-user folder of the game's own files beside the settings store (a
// game to continue, the history of games): $XDG_DATA_HOME/Zerdo/ when that is
// an absolute path (a relative or empty one is ignored, as the desktop's rules
// say), else ~/.local/share/Zerdo/. With a slash at the end.
std::string user_data_folder();

// The files the game keeps in one folder, each by a plain name ("last.zdo").
// Nothing is made at start: the folder (and those above it) is made by the
// first write. A name with a slash, "", "." or ".." is refused (EINVAL), so
// nothing is ever read or written outside the folder.
class DataFolder {
 public:
  // The per-user folder.
  DataFolder();
  // Another folder ("/tmp/x" or "/tmp/x/").
  explicit DataFolder(std::string folder);

  // With a slash at the end.
  const std::string& path() const { return folder_; }

  // At most limit bytes of the file; nullopt when it is not there or cannot
  // be read (ENOENT: not there).
  std::optional<std::string> read(const std::string& name, std::size_t limit,
                                  FileFailure* failure = nullptr) const;
  // Replaces the file whole or not at all (as write_file_atomically).
  bool write(const std::string& name, const std::string& bytes, FileFailure* failure = nullptr);
  // Adds bytes at the end of the file, whole or not at all (as
  // append_file_atomically): one record of a history.
  bool append(const std::string& name, const std::string& bytes, FileFailure* failure = nullptr);
  // Removes the file; true as well when it was not there.
  bool remove(const std::string& name, FileFailure* failure = nullptr);

 private:
  // The file's path, or "" (and EINVAL) for a name that is no plain name.
  std::string file(const std::string& name, FileFailure* failure) const;

  std::string folder_;
};

}  // namespace zerdo
