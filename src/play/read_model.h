#pragma once
// What the main window shows, as the toolkit bindings, the driver and the
// tests read it: the game in play, the status panels and the window itself.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "generation/anchor_tables.h"
#include "model/main_window.h"
#include "model/tables.h"
#include "model/types.h"
#include "model/version.h"
#include "play/game.h"
#include "play/game_clock.h"
#include "records/records.h"

namespace zerdo {

struct StatusPanel {
  Int width = 0;
  std::string text;
  std::string tooltip;
};

// The main window itself: caption, geometry (twips of the unscaled board),
// the factor the board is shown at (percent), and mouse pointer.
struct WindowModel {
  std::string caption;
  Int left = 0, top = 0, width = kDefaultWindowWidth, height = kDefaultWindowHeight;
  Int zoom = kDefaultZoom;
  bool hourglass = false;
};

// Everything the main window keeps, readable by the driver and the tests: the
// game in play, and around it the settings, records and clock of the window.
struct MainState : Game {
  FixedTables tables;
  AnchorTables anchors;
  std::array<bool, 17> dragging{};  // by picture id
  std::string range_name = "3x3";
  Int play_mode = 1;
  std::string mode_text = "run";
  Int language_code = 0;
  std::string language_name = "Deutsch";
  std::string user_name;
  std::string version_text{kVersion};
  bool anker_option = true;
  // Every coloured picture also carries a pattern of its colour, for players
  // who do not tell the colours apart (mnuFileSetupColourMarks).
  bool colour_marks = false;
  // The printed page carries them unless the player turned them off in the
  // print options: on a black-and-white printer three of the colours are one grey.
  bool print_patterns = true;
  Long check_value = 0;
  GameClock clock;
  // range_stats[range][row]: rows 1..kLevels best time in tenths (kNoRecord
  // none), kRowWon, kRowLost, kRowNewRecords of this run.
  RangeStats range_stats{};
  RecordHolders record_holder{};
  // The hint on show until the next move or new cards, and its words as the
  // status line and the screen reader tell them (hints, of the game, counts
  // those shown, so that a binding tells each one once).
  std::optional<Hint> hint;
  std::string hint_words;
};

}  // namespace zerdo
