// The floor of the start-up measurement (bench/startup.sh): the least a Qt
// Widgets game window does (floor_window.h). With ZERDO_QUIT_AFTER_PAINT set
// it prints the wall clock after its first paint and quits, as the game
// does; without, it stays open (idle, its clock ticking).
#include <QDateTime>
#include <cstdio>

#include "floor_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  floor_window::Window w;
  if (qEnvironmentVariableIsSet("ZERDO_QUIT_AFTER_PAINT"))
    w.board()->first_paint = [] {
      std::printf("first-paint-ms %lld\n",
                  static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
      std::fflush(stdout);
      QApplication::quit();
    };
  w.resize(793, 536);
  w.show();
  return QApplication::exec();
}
