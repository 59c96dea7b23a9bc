#pragma once
// A small tmpfs of its own for a test: a full disk made for real. Mounting
// needs root (CI runs as root); without it the test says why and skips.
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QString>
#include <cerrno>
#include <cstring>
#include <string>

namespace zerdo::test {

// Mounted at dir for its life, unmounted however the test ends.
class SmallDisk {
 public:
  SmallDisk(const QString& dir, const char* size) : dir_(dir) {
    QDir().mkpath(dir);
    if (::geteuid() != 0) {
      why_not_ = "mounting a tmpfs needs root (CI runs as root)";
      return;
    }
    mounted_ = ::mount("tmpfs", dir.toLocal8Bit().constData(), "tmpfs", 0,
                       (std::string("size=") + size).c_str()) == 0;
    if (!mounted_) why_not_ = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(dir_.toLocal8Bit().constData(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& why_not() const { return why_not_; }

  // Fills it to the last byte with a file "filler": large pieces first,
  // then ever smaller ones. True when the disk is full.
  bool fill() const {
    const int fd =
        ::open((dir_ + "/filler").toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::string chunk(4096, 'x');
    for (std::size_t size = chunk.size(); size > 0; size /= 2)
      while (::write(fd, chunk.data(), size) == static_cast<ssize_t>(size)) {
      }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
  }

 private:
  QString dir_;
  bool mounted_ = false;
  std::string why_not_;
};

}  // namespace zerdo::test
