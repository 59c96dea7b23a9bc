#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace zerdo {

// Files on disk: puzzle files, the settings store and its lock. Paths are
// bytes as the system has them (a name need not be UTF-8). Reads take the
// whole file at once; writes replace a file whole or not at all.

// Why a file could not be read or written: the system's error number
// (errno), or one of the game's own refusals below; and the system's words
// for it ("No space left on device").
struct FileFailure {
  int code = 0;
  std::string reason;
};

// The game's own refusals, beside the system's error numbers.
enum FileRefusal : int {
  kNotOrdinaryFile = -1,  // a FIFO, socket or device where a file belongs
  kFileTooLarge = -2,     // more than the game reads of such a file
  kLinkToNoStore = -3,    // a link in the store's place that leads to no store
  kIsTheStore = -4,       // a puzzle file that is the settings store
  kStoreInUse = -5,       // another copy of the game kept the store locked
};

// The failure for code, with its words.
FileFailure file_failure(int code);

// The bytes of the file at path, at most limit of them; nullopt when it cannot
// be opened or read. Only a regular file is read: a FIFO, socket, device or
// folder is refused at once, and opening never waits for a writer.
std::optional<std::string> read_file_bytes(const std::string& path, std::size_t limit,
                                           FileFailure* failure);
std::optional<std::string> read_file_bytes(const std::string& path, std::size_t limit,
                                           std::string* reason = nullptr);

// A file written whole beside the file it is to replace, and synced to the
// disk: one sync for the data. Removed again unless put in place.
class PendingFile {
 public:
  // Writes bytes to a new file of a short name in folder ("" for the current
  // one), with the permissions mode (0666 less the umask when negative);
  // nullopt when anything failed, and nothing is left behind.
  static std::optional<PendingFile> write(const std::string& folder, const std::string& bytes,
                                          int mode, FileFailure* failure);
  PendingFile(PendingFile&& other) noexcept;
  PendingFile& operator=(PendingFile&&) = delete;
  PendingFile(const PendingFile&) = delete;
  ~PendingFile();

  // Puts the file in place of target (in the same folder) in one step.
  bool put_in_place(const std::string& target, FileFailure* failure);
  // Syncs the folder, so that the new name reaches the disk as well: the
  // one sync for the folder.
  void sync_folder() const;

 private:
  PendingFile(std::string folder, std::string path)
      : folder_(std::move(folder)), path_(std::move(path)) {}
  std::string folder_, path_;  // path_ empty once in place
};

// Puts bytes in place of the file at path (of the file a link at path points
// to). Written beside it first, every write checked and the bytes synced to
// the disk, and put in its place only when complete, so a failed write (full
// disk, quota, I/O error) leaves the old file byte for byte as it was and no
// temporary file behind. An existing file keeps its permissions; a FIFO,
// socket or device in its place is refused and left alone. False when
// anything failed.
bool write_file_atomically(const std::string& path, const std::string& bytes, FileFailure* failure);
bool write_file_atomically(const std::string& path, const std::string& bytes,
                           std::string* reason = nullptr);

// Adds bytes at the end of the file at path (made when missing): all of them
// or none. Other copies of the game appending meanwhile wait for the file's
// lock, so records never interleave; a write cut short (full disk, quota,
// I/O error) is taken back, leaving the file as it was. The bytes are synced
// to the disk. A FIFO, socket, device or folder in its place is refused and
// left alone. False when anything failed.
bool append_file_atomically(const std::string& path, const std::string& bytes,
                            FileFailure* failure);

// The file a write to path replaces: the end of a chain of links, or path
// itself when nothing is there yet or a link leads nowhere.
std::string write_target(const std::string& path);

// path made absolute against the current folder, as bytes (a folder or a
// name need not be UTF-8); path itself when it is absolute already.
std::string absolute_path(const std::string& path);

// The folder part of path with its slash ("" for a bare name).
std::string folder_of(const std::string& path);

// Makes folder and the folders above it where missing; false (and why)
// when one cannot be made.
bool make_folders(const std::string& folder, FileFailure* failure);

// True when both paths name the same existing file (links followed).
bool same_file(const std::string& a, const std::string& b);

// Removes the temporary files this program left in folder when a write was
// cut short (a kill, a crash, a power cut): those older than the running
// copy whose writer no longer runs. Returns how many it removed.
// write_file_atomically does so in each folder it writes, once a run.
int remove_stale_temporaries(const std::string& folder);

// Keeps the file at path (the settings store) from being replaced by
// write_file_atomically: a puzzle file or a PDF saved under its name, or
// through a link that leads to it, is refused with kIsTheStore and the file
// left as it is.
void protect_file(const std::string& path);

}  // namespace zerdo
