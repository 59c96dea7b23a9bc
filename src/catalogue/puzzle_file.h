#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "model/card_table.h"
#include "model/types.h"

namespace zerdo {

// Puzzle files (*.zdo): comma-separated text with CR LF line ends.
//   "Zerdo Version 1.1.6"
//   "3x3","A1"
//   1,2,9,9,0,0,-1,0,0,0,0,0,0,0,0,0,
//   ... one line per card record 1..N, every value followed by a comma.
// Files of versions before 1.1.4 carry 14 values per record line.

constexpr std::size_t kMaxPuzzleFileBytes = 64 * 1024;  // a 4x4 file has about 1 KiB

// The whole text of a puzzle file for the card records 1..field_count of sn.
std::string write_puzzle_file(std::string_view version_text, std::string_view range_name,
                              std::string_view puzzle_id, const CardTable& sn, int field_count);

// Appends the record lines 1..field_count of sn when enabled; nothing otherwise.
void write_neu(std::string& out, const CardTable& sn, int field_count, bool enabled);

// Values per record line: 14 when the last five characters of the version
// line, compared as text, come before "1.1.4"; 16 otherwise.
int record_columns(std::string_view version_line);
// Record lines of a file: 16 for the range name "4x4", 9 for any other.
int record_rows(std::string_view range_name);

// Why a file was refused. The reader gives the code and where it stopped;
// the message box takes its words from kLoadReasons, in the order of this list.
enum class LoadError {
  None,
  CannotOpen,       // the file could not be opened or read
  TooLarge,         // more than kMaxPuzzleFileBytes
  NotText,          // control characters other than tab, CR and LF
  WrongRowNumber,   // the first value of a record line is not its row number
  EndsEarly,        // the file ends before every item was read
  NotANumber,       // text where a number is expected (also beyond 32 bits)
  ExtraValue,       // a record line carries more values than its version has
  BadPuzzleName,    // empty, or not starting with a level letter A..I
  ValueOutOfRange,  // a card value outside what the board can show
  DuplicateValue,   // a field or a solution piece given to two cards
  TooManyPictures,  // a clue picture used more often than the cards hold (value = id)
  TooManyCrosses,   // more crosses than the cards hold (value = their number)
};

// Where the reader stopped: line of the file and item within it (both from
// 1; 0 where they do not apply) and the offending value.
struct LoadResult {
  LoadError error = LoadError::None;
  int line = 0;
  int item = 0;
  long long value = 0;
  bool ok() const { return error == LoadError::None; }
};

// A file read and checked, not yet installed.
struct StagedPuzzle {
  std::string version_line;  // "Zerdo Version 1.1.6"
  std::string range_name;    // as written; only "4x4" means 4x4
  std::string puzzle_name;   // "C3", "Cx", ...
  int rows = 0;              // N: 9 or 16
  int columns = 0;           // 14 or 16
  CardTable sn_buffer;       // rows 1..rows, columns 1..columns; the rest 0
};

// Clue picture instances on all cards together.
constexpr int kPictureInstances = 4;  // per clue picture id 1..24
constexpr int kCrossInstances = 123;

// Reads a whole file into staged and checks everything a card may hold, so
// that whatever it accepts can be installed and drawn. On refusal staged may
// be partly filled; the live table is never touched.
LoadResult read_puzzle_file(std::string_view bytes, StagedPuzzle& staged);

}  // namespace zerdo
