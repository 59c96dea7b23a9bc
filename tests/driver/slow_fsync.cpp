// A slow disk for the tests, loaded before the program (LD_PRELOAD): every
// fsync and fdatasync takes ZERDO_FSYNC_MS milliseconds (400 unless set)
// longer, as on a USB stick or a network home folder.
#include <dlfcn.h>

#include <cstdlib>
#include <ctime>

namespace {

void wait_as_a_slow_disk() {
  const char* set = std::getenv("ZERDO_FSYNC_MS");
  const long ms = set ? std::atol(set) : 400;
  timespec t{ms / 1000, (ms % 1000) * 1000000};
  while (nanosleep(&t, &t) != 0) {
  }
}

using SyncCall = int (*)(int);

SyncCall next_call(const char* name) { return reinterpret_cast<SyncCall>(dlsym(RTLD_NEXT, name)); }

}  // namespace

extern "C" int fsync(int fd) {
  static const SyncCall call = next_call("fsync");
  wait_as_a_slow_disk();
  return call(fd);
}

extern "C" int fdatasync(int fd) {
  static const SyncCall call = next_call("fdatasync");
  wait_as_a_slow_disk();
  return call(fd);
}
