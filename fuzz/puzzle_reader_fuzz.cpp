// Fuzz target: the puzzle-file reader alone, on any bytes, without a window
// or a file (thousands of inputs a second where the end-to-end target
// manages tens). A refusal names a reason and a place within the file; an
// accepted file holds only what a board can show, and written again it
// reads back as the same puzzle.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/puzzle_file.h"
#include "model/version.h"

namespace {

[[noreturn]] void fault() { __builtin_trap(); }

void check_refusal(const zerdo::LoadResult& r, std::string_view bytes) {
  using zerdo::LoadError;
  if (r.error < LoadError::TooLarge || r.error > LoadError::TooManyCrosses) fault();
  // A file refused as a whole has no place; any other refusal points into
  // it: a line at most one beyond its last (the line that is missing) and an
  // item at most one beyond a record line's values.
  const bool whole = r.error == LoadError::TooLarge || r.error == LoadError::NotText;
  if (whole != (r.line == 0)) fault();
  // At most one line per line end, and one more without an end.
  const auto lines = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n') +
                                      std::count(bytes.begin(), bytes.end(), '\r')) +
                     1;
  if (r.line < 0 || r.line > lines + 1 || r.item < 0 || r.item > zerdo::kColumns) fault();
}

void check_accepted(const zerdo::StagedPuzzle& p) {
  using namespace zerdo;
  if (!(p.rows == 9 || p.rows == 16) || !(p.columns == 14 || p.columns == 16)) fault();
  if (p.puzzle_name.empty() || p.puzzle_name[0] < 'A' || p.puzzle_name[0] > 'I') fault();
  // Nothing outside the records and columns the file carries.
  for (int r = 0; r < kRecords + 1; ++r)
    for (int c = 0; c < kColumns; ++c)
      if ((r < 1 || r > p.rows || c < 1 || c > p.columns) && p.sn_buffer(r, c) != 0) fault();

  // Written as the game writes it (always the full columns) and read again.
  const std::string range = p.rows == 16 ? "4x4" : "3x3";
  const std::string text = write_puzzle_file(kVersion, range, p.puzzle_name, p.sn_buffer, p.rows);
  StagedPuzzle again;
  if (!read_puzzle_file(text, again).ok()) fault();
  if (again.rows != p.rows || again.columns != 16) fault();
  // A double quote cannot stand inside a quoted name: the name reads back up
  // to it.
  if (again.puzzle_name != p.puzzle_name.substr(0, p.puzzle_name.find('"'))) fault();
  for (int r = 1; r <= p.rows; ++r)
    for (int c = 1; c < kColumns; ++c)
      if (again.sn_buffer(r, c) != p.sn_buffer(r, c)) fault();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zerdo::StagedPuzzle staged;
  const zerdo::LoadResult result = zerdo::read_puzzle_file(bytes, staged);
  if (result.ok())
    check_accepted(staged);
  else
    check_refusal(result, bytes);
  return 0;
}
