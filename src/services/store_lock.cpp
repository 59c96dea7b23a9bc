#include "services/store_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QList>
#include <QSysInfo>
#include <cerrno>
#include <climits>
#include <ctime>
#include <thread>

namespace zerdo {

namespace {

// A lock without its lines is broken once it is this old: the copy that
// made it writes them at once.
constexpr std::chrono::seconds kUnreadableLockAge{1};
// A lock of a copy on another machine (a shared home folder), which cannot
// be asked whether it still runs, after this long.
constexpr std::chrono::seconds kForeignLockAge{10};
constexpr std::chrono::milliseconds kPoll{15};

// The file name of the program running as pid ("" when it cannot be told).
QByteArray program_of(long pid) {
  char target[PATH_MAX];
  const std::string link = "/proc/" + std::to_string(pid) + "/exe";
  const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
  if (n <= 0) return {};
  QByteArray path(target, static_cast<int>(n));
  if (path.endsWith(" (deleted)")) path.chop(10);
  return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray lock_lines() {
  const long pid = ::getpid();
  return QByteArray::number(static_cast<qlonglong>(pid)) + '\n' + program_of(pid) + '\n' +
         QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
         QSysInfo::bootUniqueId() + '\n';
}

std::chrono::milliseconds age_of(const struct stat& st) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const auto ms = [](const timespec& t) {
    return std::chrono::milliseconds(static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000);
  };
  return ms(now) - ms(st.st_mtim);
}

// Whether the lock with these lines and this age belongs to no running copy.
bool left_behind(const std::string& text, std::chrono::milliseconds age) {
  const QList<QByteArray> lines = QByteArray::fromStdString(text).split('\n');
  bool ok = false;
  const long pid = lines.value(0).toLong(&ok);
  if (!ok || pid <= 0) return age > kUnreadableLockAge;
  const QByteArray program = lines.value(1), host = lines.value(2);
  const QByteArray host_id = lines.value(3), boot_id = lines.value(4);
  bool same_machine = host.isEmpty() || host == QSysInfo::machineHostName().toUtf8();
  if (!host_id.isEmpty() && !QSysInfo::machineUniqueId().isEmpty())
    same_machine = host_id == QSysInfo::machineUniqueId();
  if (!same_machine) return age > kForeignLockAge;
  if (!boot_id.isEmpty() && boot_id != QSysInfo::bootUniqueId()) return true;  // restarted since
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return true;
  // The process id taken by another program since.
  const QByteArray running = program_of(pid);
  return !running.isEmpty() && running != program.mid(program.lastIndexOf('/') + 1);
}

}  // namespace

StoreLock::~StoreLock() {
  if (fd_ < 0) return;
  // Removed only while it is still this lock's file.
  struct stat mine {
  }, there{};
  if (::fstat(fd_, &mine) == 0 && ::lstat(path_.c_str(), &there) == 0 &&
      mine.st_dev == there.st_dev && mine.st_ino == there.st_ino)
    ::unlink(path_.c_str());
  ::close(fd_);
}

bool StoreLock::acquire(std::chrono::milliseconds wait, FileFailure* failure) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0) {
      // Held for the file's life as well: a copy that finds the lock old
      // breaks it only when it can take this hold, as copies before did.
      ::flock(fd, LOCK_EX | LOCK_NB);
      const QByteArray lines = lock_lines();
      // The lines may not fit on a full disk: the lock holds without them.
      [[maybe_unused]] const ssize_t n =
          ::write(fd, lines.constData(), static_cast<size_t>(lines.size()));
      fd_ = fd;
      return true;
    }
    if (errno != EEXIST) {
      if (failure) *failure = file_failure(errno);
      return false;
    }
    struct stat st {};
    if (::lstat(path_.c_str(), &st) != 0) {
      if (errno == ENOENT) continue;  // released just now
      if (failure) *failure = file_failure(errno);
      return false;
    }
    if (!S_ISREG(st.st_mode)) {
      if (failure) *failure = file_failure(S_ISDIR(st.st_mode) ? EISDIR : kNotOrdinaryFile);
      return false;
    }
    if (remove_if_stale()) continue;
    if (std::chrono::steady_clock::now() >= deadline) {
      if (failure) *failure = file_failure(kStoreInUse);
      return false;
    }
    std::this_thread::sleep_for(kPoll);
  }
}

bool StoreLock::remove_if_stale() {
  const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno == ENOENT;
  bool removed = false;
  struct stat st {};
  // Its holder keeps the hold while it runs; without the hold, the lines
  // (read from this very file) tell whether the copy still runs.
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    std::string text(512, '\0');
    const ssize_t n = ::pread(fd, text.data(), text.size(), 0);
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    struct stat there {};
    if (left_behind(text, age_of(st)) && ::lstat(path_.c_str(), &there) == 0 &&
        there.st_dev == st.st_dev && there.st_ino == st.st_ino)
      removed = ::unlink(path_.c_str()) == 0;
  }
  ::close(fd);
  return removed;
}

}  // namespace zerdo
