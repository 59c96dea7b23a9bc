#include "services/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace zerdo {

namespace {

bool fail(std::string* reason, int error) {
  if (reason) *reason = std::strerror(error);
  return false;
}

std::nullopt_t nothing_read(std::string* reason, int error) {
  fail(reason, error);
  return std::nullopt;
}

// The words for a file that is there but no regular file.
int not_regular_error(mode_t mode) { return S_ISDIR(mode) ? EISDIR : EINVAL; }

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

// The file a write to path replaces: the end of a chain of links, or path
// itself when nothing is there yet or a link leads nowhere.
std::string write_target(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved)) return resolved;
  return path;
}

}  // namespace

std::optional<std::string> read_file_bytes(const std::string& path, std::size_t limit,
                                           std::string* reason) {
  // Non-blocking, so that a FIFO or a device never holds the game; the kind
  // of file is then taken from the opened handle, not from the path, which
  // may have changed in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return nothing_read(reason, errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    close_quietly(fd);
    return nothing_read(reason, errno);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return nothing_read(reason, not_regular_error(st.st_mode));
  }
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
      return nothing_read(reason, errno);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return bytes;
}

bool write_file_atomically(const std::string& path, const std::string& bytes, std::string* reason) {
  const std::string target = write_target(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return fail(reason, not_regular_error(old.st_mode));

  // The temporary file sits in the same folder, so that the rename at the end
  // replaces the file in one step. A new file gets the usual permissions
  // (0666 less the umask), an existing one keeps its own.
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  static unsigned serial = 0;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp =
        folder + "." + base + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0 && errno != EEXIST) return fail(reason, errno);
  }
  if (fd < 0) return fail(reason, EEXIST);

  const bool written = (!exists || ::fchmod(fd, old.st_mode & 07777) == 0) &&
                       write_all(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  if (!written) close_quietly(fd);
  if (!written || ::close(fd) != 0 || ::rename(temp.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return fail(reason, error);
  }
  // The new name itself reaches the disk with the folder.
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace zerdo
