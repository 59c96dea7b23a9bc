#include <QApplication>

#include "ui/qt/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Zerdo"));
  QApplication::setApplicationName(QStringLiteral("Zerdo"));
  zerdo::MainWindow window;
  // The controller's start-up places and sizes the window (twips) first.
  window.start();
  window.show();
  return QApplication::exec();
}
