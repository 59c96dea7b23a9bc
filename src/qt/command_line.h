#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace zerdo {

// What the command line asks for. Decided before any QApplication exists, so
// that --help, --version and a refusal need no display.
struct CommandLine {
  bool run = true;         // start the game; otherwise exit with exit_code
  int exit_code = 0;       // 0 after --help or --version, 2 for a refused line
  QString out, err;        // to print on standard output and standard error
  QString file;            // the puzzle file to load at start, made absolute; or ""
  int file_argument = -1;  // its place among the arguments, to take its bytes from
};

// Reads the arguments (the program name first). The options of Qt itself
// (-platform, -style, ...) pass through to the QApplication. language gives
// the player's language_code, asked only when there is something to print.
CommandLine read_command_line(const QStringList& args, const std::function<int()>& language);

// The language_code stored for the player, read from the settings store; with
// none stored, the language of the system's locale (language_code_for_locale).
int stored_language_code();

// The name of the system's locale for messages ("en_GB.UTF-8"), "" for none.
std::string message_locale();

}  // namespace zerdo
