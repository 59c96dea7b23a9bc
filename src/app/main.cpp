#include <QApplication>
#include <QDateTime>
#include <QFontDatabase>
#include <QSessionManager>
#include <QThreadPool>
#include <QTimer>
#include <cstdio>
#include <string>

#include "qt/board_widget.h"
#include "qt/command_line.h"
#include "qt/game_style.h"
#include "qt/main_window.h"
#include "qt/shutdown_signals.h"
#include "services/file_access.h"

namespace {

// For the start-up measurement (bench/startup.sh): with ZERDO_QUIT_AFTER_PAINT
// set, the wall clock (milliseconds since the epoch) is printed once the board
// has been painted for the first time, and the game quits.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Runs once this paint and its flush to the screen are done.
      QTimer::singleShot(0, [] {
        std::printf("first-paint-ms %lld\n",
                    static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
        QApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  // --help, --version and a refused command line are answered before the
  // QApplication exists: they need no display.
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const zerdo::CommandLine command_line =
      zerdo::read_command_line(args, zerdo::stored_language_code);
  std::fputs(command_line.out.toLocal8Bit().constData(), stdout);
  std::fputs(command_line.err.toLocal8Bit().constData(), stderr);
  if (!command_line.run) return command_line.exit_code;
  // The puzzle file's name as the system gave it (a name that is no UTF-8
  // loads as well), taken before the application takes its own options out.
  const std::string file =
      command_line.file_argument > 0 ? zerdo::absolute_path(argv[command_line.file_argument]) : "";

  QApplication app(argc, argv);
  // Reading the system's fonts (every font file, through fontconfig) is the
  // longest single step before the first paint: it runs on a worker while
  // the window is built, and the first use of a font waits for it.
  QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
  QApplication::setOrganizationName(QStringLiteral("Zerdo"));
  QApplication::setApplicationName(QStringLiteral("Zerdo"));
  // The desktop entry (org.zerdo.Zerdo.desktop) that names this window.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.zerdo.Zerdo"));
  QApplication::setStyle(new zerdo::GameStyle);
  zerdo::MainWindow window;
  // A signal, the end of the session or a quit from elsewhere closes the
  // game as its window's close button does: the store is written and the
  // help viewer closed.
  zerdo::ShutdownSignals shutdown_signals([&window] { window.end_by_signal(); });
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                   [&window](QSessionManager&) { window.shut_down_now(); });
  QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                   [&window] { window.shut_down_now(); });
  FirstPaint first_paint;
  if (qEnvironmentVariableIsSet("ZERDO_QUIT_AFTER_PAINT"))
    window.board()->installEventFilter(&first_paint);
  // The controller's start-up places and sizes the window (twips) first.
  window.start();
  window.show();
  if (!file.empty()) window.load_puzzle_file_when_shown(file);
  const int status = QApplication::exec();
  // The store is written; a signal while the window and the application are
  // taken down must not end the game by that signal.
  shutdown_signals.hold_until_exit();
  return status;
}
