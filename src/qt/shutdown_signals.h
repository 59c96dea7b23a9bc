#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace zerdo {

// SIGTERM, SIGHUP and SIGINT (a kill, a logout, Ctrl+C in a terminal) end the
// game as closing its window does. The signal handler only writes one byte
// into a pipe; the event loop reads it and runs the request, so the shutdown
// runs as any other window event and never inside the handler. One instance
// at a time; its destruction restores the signals' earlier handling.
class ShutdownSignals : public QObject {
 public:
  explicit ShutdownSignals(std::function<void()> request, QObject* parent = nullptr);
  ~ShutdownSignals() override;
  ShutdownSignals(const ShutdownSignals&) = delete;
  ShutdownSignals& operator=(const ShutdownSignals&) = delete;

  // Whether the handlers are in place (false when no pipe could be made).
  bool installed() const { return notifier_ != nullptr; }

 private:
  std::function<void()> request_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zerdo
