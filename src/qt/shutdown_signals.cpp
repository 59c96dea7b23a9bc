#include "qt/shutdown_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace zerdo {

namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

int wake_pipe[2] = {-1, -1};
std::array<struct sigaction, kSignals.size()> earlier{};

extern "C" void on_signal(int) {
  // Only what is safe in a signal handler: one write, errno kept.
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(wake_pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> request, QObject* parent)
    : QObject(parent), request_(std::move(request)) {
  if (::pipe2(wake_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(wake_pipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[64];
    while (::read(wake_pipe[0], bytes, sizeof bytes) > 0) {
    }
    if (request_) request_();
  });
  struct sigaction action {};
  action.sa_handler = on_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &action, &earlier[i]);
}

void ShutdownSignals::hold_until_exit() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  for (const int signal : kSignals) sigaction(signal, &ignore, nullptr);
  held_ = true;
}

ShutdownSignals::~ShutdownSignals() {
  if (!notifier_) return;
  if (!held_)
    for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &earlier[i], nullptr);
  delete notifier_;
  ::close(wake_pipe[0]);
  ::close(wake_pipe[1]);
  wake_pipe[0] = wake_pipe[1] = -1;
}

}  // namespace zerdo
