// The benchmarks' main: a Qt application on the offscreen platform in the
// game's widget style, with a settings folder of its own so that no run
// touches the player's settings. The floor's windows are drawn in the same
// style as the game's.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "qt/game_style.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QTemporaryDir config;
  if (!config.isValid()) return 1;
  setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Zerdo"));
  QApplication::setApplicationName(QStringLiteral("Zerdo"));
  QApplication::setStyle(new zerdo::GameStyle);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
