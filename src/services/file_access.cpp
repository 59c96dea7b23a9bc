#include "services/file_access.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

namespace zerdo {

namespace {

// When this copy of the game started: temporaries older than that, of a
// writer that no longer runs, are left-overs of a write cut short. Read from
// the coarse clock that stamps files, so that a file written just after the
// start never looks older than it (the fine clock runs up to a tick ahead).
const timespec kStarted = [] {
  timespec t{};
  ::clock_gettime(CLOCK_REALTIME_COARSE, &t);
  return t;
}();

bool fail(FileFailure* failure, int code) {
  if (failure) *failure = file_failure(code);
  return false;
}

std::nullopt_t nothing(FileFailure* failure, int code) {
  fail(failure, code);
  return std::nullopt;
}

// The refusal for a file that is there but no regular file.
int not_regular(mode_t mode) { return S_ISDIR(mode) ? EISDIR : kNotOrdinaryFile; }

// Closes fd, keeping errno of what went wrong before.
void close_quietly(int fd) {
  const int saved = errno;
  ::close(fd);
  errno = saved;
}

bool write_all(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// The temporary files of this program: ".zerdo-PID-N.tmp", and
// ".NAME.tmp-PID-N" as copies before this one named them. The writer's
// process id goes to *pid.
bool temporary_name(const std::string& name, long* pid) {
  auto digits = [](const std::string& s, std::size_t from, std::size_t to) {
    return to > from &&
           std::all_of(s.begin() + static_cast<long>(from), s.begin() + static_cast<long>(to),
                       [](char c) { return c >= '0' && c <= '9'; });
  };
  auto pid_and_serial = [&](std::size_t from, std::size_t to) {
    const std::size_t dash = name.find('-', from);
    if (dash == std::string::npos || dash >= to || !digits(name, from, dash) ||
        !digits(name, dash + 1, to) || dash - from > 9)
      return false;
    *pid = std::strtol(name.c_str() + from, nullptr, 10);
    return true;
  };
  const std::string now_prefix = ".zerdo-", now_suffix = ".tmp";
  if (name.size() > now_prefix.size() + now_suffix.size() && name.rfind(now_prefix, 0) == 0 &&
      name.compare(name.size() - now_suffix.size(), now_suffix.size(), now_suffix) == 0)
    return pid_and_serial(now_prefix.size(), name.size() - now_suffix.size());
  const std::size_t mark = name.rfind(".tmp-");
  return name.size() > 1 && name[0] == '.' && mark != std::string::npos && mark > 1 &&
         pid_and_serial(mark + 5, name.size());
}

// The files write_file_atomically never replaces, and the folders whose
// left-over temporaries it removed already in this run.
struct Guarded {
  std::mutex lock;
  std::vector<std::string> protected_files;
  std::set<std::string> cleaned_folders;
};

Guarded& guarded() {
  static Guarded g;
  return g;
}

bool is_protected(const std::string& target) {
  Guarded& g = guarded();
  const std::lock_guard<std::mutex> hold(g.lock);
  return std::any_of(g.protected_files.begin(), g.protected_files.end(),
                     [&](const std::string& file) { return same_file(target, file); });
}

bool first_write_in(const std::string& folder) {
  Guarded& g = guarded();
  const std::lock_guard<std::mutex> hold(g.lock);
  return g.cleaned_folders.insert(folder).second;
}

bool older_than_start(const struct stat& st) {
  return st.st_mtim.tv_sec < kStarted.tv_sec ||
         (st.st_mtim.tv_sec == kStarted.tv_sec && st.st_mtim.tv_nsec < kStarted.tv_nsec);
}

// Opens path with flags (O_NONBLOCK among them, so that a FIFO or a device
// never holds the game) and takes the kind of file from the opened handle,
// not from the path, which may have changed in between: the handle of an
// ordinary file, or -1 with the reason in *code.
int open_ordinary_file(const std::string& path, int flags, struct stat* st, int* code) {
  const int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) {
    *code = errno;
    return -1;
  }
  if (::fstat(fd, st) != 0) {
    *code = errno;
    close_quietly(fd);
    return -1;
  }
  if (!S_ISREG(st->st_mode)) {
    *code = not_regular(st->st_mode);
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

FileFailure file_failure(int code) {
  FileFailure f;
  f.code = code;
  switch (code) {
    case kNotOrdinaryFile:
      f.reason = "Not an ordinary file";
      break;
    case kFileTooLarge:
      f.reason = "File too large";
      break;
    case kLinkToNoStore:
      f.reason = "The link does not lead to a settings store";
      break;
    case kIsTheStore:
      f.reason = "The file is the settings store";
      break;
    case kStoreInUse:
      f.reason = "Another copy of the game keeps the store locked";
      break;
    default:
      f.reason = std::strerror(code);
  }
  return f;
}

std::optional<std::string> read_file_bytes(const std::string& path, std::size_t limit,
                                           FileFailure* failure) {
  struct stat st {};
  int code = 0;
  const int fd = open_ordinary_file(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, &st, &code);
  if (fd < 0) return nothing(failure, code);
  // Room for the file as it is now and one byte more, to see its end; a file
  // that grows meanwhile gets more, up to the limit.
  std::string bytes;
  const auto size_now = static_cast<std::size_t>(st.st_size);
  bytes.resize(size_now < limit ? size_now + 1 : limit);
  std::size_t got = 0;
  while (got < limit) {
    if (got == bytes.size()) bytes.resize(std::min(limit, 2 * bytes.size()));
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      close_quietly(fd);
      return nothing(failure, errno);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return bytes;
}

std::optional<std::string> read_file_bytes(const std::string& path, std::size_t limit,
                                           std::string* reason) {
  FileFailure failure;
  auto bytes = read_file_bytes(path, limit, &failure);
  if (!bytes && reason) *reason = failure.reason;
  return bytes;
}

std::optional<PendingFile> PendingFile::write(const std::string& folder, const std::string& bytes,
                                              int mode, FileFailure* failure) {
  // A short name, whatever the length of the target's: a name of 255 bytes
  // is saved as well as any.
  static unsigned serial = 0;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp =
        folder + ".zerdo-" + std::to_string(::getpid()) + "-" + std::to_string(++serial) + ".tmp";
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0 && errno != EEXIST) return nothing(failure, errno);
  }
  if (fd < 0) return nothing(failure, EEXIST);
  PendingFile pending(folder, temp);
  const bool written = (mode < 0 || ::fchmod(fd, static_cast<mode_t>(mode)) == 0) &&
                       write_all(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  if (!written) close_quietly(fd);
  if (!written || ::close(fd) != 0) return nothing(failure, errno);
  return pending;
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : folder_(std::move(other.folder_)), path_(std::exchange(other.path_, {})) {}

PendingFile::~PendingFile() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

bool PendingFile::put_in_place(const std::string& target, FileFailure* failure) {
  if (::rename(path_.c_str(), target.c_str()) != 0) return fail(failure, errno);
  path_.clear();
  return true;
}

void PendingFile::sync_folder() const {
  const int dir =
      ::open(folder_.empty() ? "." : folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

bool make_folders(const std::string& folder, FileFailure* failure) {
  for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
    const std::string part = folder.substr(0, end);
    struct stat st {};
    if (!part.empty() && ::stat(part.c_str(), &st) != 0 && ::mkdir(part.c_str(), 0777) != 0 &&
        errno != EEXIST)
      return fail(failure, errno);
    if (end == std::string::npos) return true;
  }
}

std::string write_target(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved)) return resolved;
  return path;
}

std::string absolute_path(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  std::string folder(PATH_MAX, '\0');
  while (!::getcwd(folder.data(), folder.size())) {
    if (errno != ERANGE) return path;
    folder.resize(2 * folder.size());
  }
  folder.resize(std::strlen(folder.c_str()));
  if (folder.back() != '/') folder += '/';
  return folder + path;
}

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool same_file(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

bool write_file_atomically(const std::string& path, const std::string& bytes,
                           FileFailure* failure) {
  const std::string target = write_target(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return fail(failure, errno);
  if (exists && !S_ISREG(old.st_mode)) return fail(failure, not_regular(old.st_mode));
  if (exists && is_protected(target)) return fail(failure, kIsTheStore);
  const std::string folder = folder_of(target);
  if (first_write_in(folder)) remove_stale_temporaries(folder);
  // A new file gets the usual permissions (0666 less the umask), an existing
  // one keeps its own.
  auto pending = PendingFile::write(folder, bytes,
                                    exists ? static_cast<int>(old.st_mode & 07777) : -1, failure);
  if (!pending || !pending->put_in_place(target, failure)) return false;
  pending->sync_folder();
  return true;
}

bool write_file_atomically(const std::string& path, const std::string& bytes, std::string* reason) {
  FileFailure failure;
  const bool written = write_file_atomically(path, bytes, &failure);
  if (!written && reason) *reason = failure.reason;
  return written;
}

bool append_file_atomically(const std::string& path, const std::string& bytes,
                            FileFailure* failure) {
  // A FIFO without a reader is refused instead of holding the game.
  struct stat st {};
  int opened = 0;
  const int fd = open_ordinary_file(
      path, O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, &st, &opened);
  if (fd < 0) return fail(failure, opened);
  // The end is taken under the lock, so that a failed write is cut back to
  // where this record began and to nothing another copy wrote.
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) {
      close_quietly(fd);
      return fail(failure, errno);
    }
  }
  const bool sized = ::fstat(fd, &st) == 0;
  if (!sized || !write_all(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0) {
    const int code = errno;
    if (sized && ::ftruncate(fd, st.st_size) == 0) ::fsync(fd);
    ::close(fd);
    return fail(failure, code);
  }
  if (::close(fd) != 0) return fail(failure, errno);
  // A new file's name reaches the disk as well.
  if (st.st_size == 0) {
    const std::string folder = folder_of(path);
    const int dir =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      ::fsync(dir);
      ::close(dir);
    }
  }
  return true;
}

void protect_file(const std::string& path) {
  Guarded& g = guarded();
  const std::lock_guard<std::mutex> hold(g.lock);
  if (std::find(g.protected_files.begin(), g.protected_files.end(), path) ==
      g.protected_files.end())
    g.protected_files.push_back(path);
}

int remove_stale_temporaries(const std::string& folder) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return 0;
  std::string base = folder;
  if (!base.empty() && base.back() != '/') base += '/';
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    long pid = 0;
    const std::string name = entry->d_name;
    if (!temporary_name(name, &pid)) continue;
    struct stat st {};
    const std::string path = base + name;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !older_than_start(st)) continue;
    // A writer that still runs may be about to put it in place; a process
    // id this copy has now was some other process's before.
    const bool writer_gone = pid == ::getpid() || pid <= 0 ||
                             (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
    if (writer_gone && ::unlink(path.c_str()) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

}  // namespace zerdo
