#pragma once
#include <chrono>
#include <string>

#include "services/file_access.h"

namespace zerdo {

// The lock of the settings store: a file beside it ("Zerdo.conf.lock") that
// one copy of the game makes at a time, held only while that copy reads the
// store once more, compares and puts its new file in place. Its lines (the
// process id, the program's name and the host) are those copies of the game
// before this one wrote and read, so that they keep out of each other's way.
//
// A lock whose copy no longer runs (killed, crashed, the machine restarted)
// is broken at once; one without those lines after a second. A FIFO, device,
// socket, folder or link in its place is refused, never opened.
class StoreLock {
 public:
  explicit StoreLock(std::string path) : path_(std::move(path)) {}
  ~StoreLock();
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

  // Takes the lock, waiting up to wait while another copy that runs holds
  // it. False with kStoreInUse when the wait ran out, or with the reason the
  // lock cannot be made.
  bool acquire(std::chrono::milliseconds wait, FileFailure* failure);

 private:
  // True when the lock there now was left by a copy that no longer runs,
  // and it was removed.
  bool remove_if_stale();

  std::string path_;
  int fd_ = -1;
};

}  // namespace zerdo
