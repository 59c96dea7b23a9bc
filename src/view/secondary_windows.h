#pragma once
#include <string>

#include "model/types.h"
#include "view/controls.h"

namespace zerdo {

// Where a control of a secondary window sits, in twips.
struct Place {
  Int left, top, width, height;
};

// A control of a secondary window of role at its place, with its caption; a
// picture box has none.
Control window_control(Role role, std::string name, Place place, std::string caption = {});

// The layouts of the three secondary windows, in twips.

// The About window frmAbout.
namespace about_layout {
constexpr Int kWidth = 5730, kHeight = 3960;
constexpr Place kIcon{240, 240, 540, 540};
constexpr Place kTitle{1050, 240, 3885, 480};
constexpr Place kVersion{1050, 780, 3885, 225};
constexpr Place kDescription{1050, 1125, 3885, 570};
constexpr Place kDisclaimer{255, 2625, 3870, 625};
constexpr Place kOk{4245, 2625, 1260, 345};
constexpr Place kSysInfo{4260, 3075, 1245, 345};
}  // namespace about_layout

// The player dialog DialogUser.
namespace user_layout {
constexpr Int kWidth = 4800, kHeight = 2160;
constexpr Place kFrame{120, 120, 3000, 1335};
constexpr Place kName{240, 600, 2760, 375};
constexpr Place kOk{3360, 240, 1215, 375};
constexpr Place kCancel{3360, 720, 1215, 375};
}  // namespace user_layout

// The history window frmHistory: the table of games per range and level on
// the left, the two charts on the right (solve times above, won and lost
// below), the note of damaged lines and the buttons under them; the words
// for a history without games stand where the table is.
namespace history_layout {
constexpr Int kWidth = 12720, kHeight = 8520;
constexpr Place kTable{120, 120, 5880, 7200};
constexpr Place kTimesChart{6120, 120, 6360, 3840};
constexpr Place kResultsChart{6120, 4080, 6360, 3240};
constexpr Place kNoGames{240, 240, 12000, 600};
constexpr Place kDamaged{120, 7500, 5880, 300};
constexpr Place kExport{6120, 7500, 2640, 375};
constexpr Place kOk{10980, 7500, 1500, 375};
}  // namespace history_layout

// The solution window frmLoesung, per board range: the window, the frame
// around the board, where a piece sits within its field, and the OK button.
struct SolutionLayout {
  Int width, height;
  Place frame;
  Int piece_dx, piece_dy;
  Place ok;
};
constexpr SolutionLayout kSolution3x3{3255, 3990, {60, 120, 3015, 3255},
                                      64,   192,  {1620, 3480, 1467, 345}};
constexpr SolutionLayout kSolution4x4{4215, 4950, {60, 120, 3975, 4210},
                                      80,   200,  {2580, 4440, 1467, 345}};
// Field 1 of the solution window; the others follow kSolutionFieldStep apart,
// row by row.
constexpr Place kSolutionField{180, 360, 855, 975};
constexpr Int kSolutionFieldStep = 960;
constexpr Int kSolutionPieceSize = 720;

}  // namespace zerdo
