// zerdo-driver: runs the main window controller headless, from a script on
// standard input. See the guide for the command language, and README.md here
// for the commands added since.
#include <QCoreApplication>
#include <iostream>
#include <string>

#include "interpreter.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // the settings store needs no more than this
  zerdo::Interpreter interpreter(std::cout);
  std::string line;
  while (std::getline(std::cin, line)) {
    interpreter.run_line(line);
    std::cout.flush();
  }
  return interpreter.had_error() ? 1 : 0;
}
