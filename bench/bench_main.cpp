// The benchmarks' main: a Qt application on the offscreen platform, with a
// settings folder of its own so that no run touches the player's settings.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QTemporaryDir config;
  if (!config.isValid()) return 1;
  setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Zerdo"));
  QApplication::setApplicationName(QStringLiteral("Zerdo"));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
