#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace zerdo {

// SIGTERM, SIGHUP and SIGINT (a kill, a logout, Ctrl+C in a terminal) end the
// game as closing its window does. The signal handler only writes one byte
// into a pipe; the event loop reads it and runs the request, so the shutdown
// runs as any other window event and never inside the handler. One instance
// at a time; its destruction restores the signals' earlier handling, unless
// the game is ending already (hold_until_exit).
class ShutdownSignals : public QObject {
 public:
  explicit ShutdownSignals(std::function<void()> request, QObject* parent = nullptr);
  ~ShutdownSignals() override;
  ShutdownSignals(const ShutdownSignals&) = delete;
  ShutdownSignals& operator=(const ShutdownSignals&) = delete;

  // Whether the handlers are in place (false when no pipe could be made).
  bool installed() const { return notifier_ != nullptr; }

  // The game is ending (its event loop is done): from now until the process
  // exits the signals are ignored, so that a second one while the rest is
  // taken down ends nothing early and the game exits as it would have.
  void hold_until_exit();

 private:
  std::function<void()> request_;
  QSocketNotifier* notifier_ = nullptr;
  bool held_ = false;
};

}  // namespace zerdo
