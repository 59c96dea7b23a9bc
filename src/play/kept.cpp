// Keeping the game in progress between runs, and continuing it.
#include "play/frm_main.h"
#include "play/kept_game.h"
#include "texts/history.h"
#include "texts/messages.h"
#include "view/commands.h"

namespace zerdo {

namespace words = history_words;

namespace {
constexpr std::size_t kKeepEveryMoveUpTo = 2000;
constexpr std::size_t kKeepEvery = 100;
}  // namespace

std::int64_t FrmMain::play_ms() {
  if (s_.moves == 0) return 0;
  return s_.clock.play_ms(platform_.clock().now_ms(), s_.play_mode == 1, kMaxKeptPlayMs);
}

void FrmMain::show_continue_state() {
  menu_item(Command::ContinueGame).enabled = kept_exists_ && !keeping_current_;
}

void FrmMain::keep_game(bool closing) {
  if (!loaded_ || platform_.files().data_folder().empty()) return;
  const std::string name(kKeptGameFile);
  // A won game is over, and a board without a move holds nothing to go on
  // with: neither is kept, and a file kept for this game goes.
  if (s_.moves == 0 || s_.judge().outcome == Outcome::Right) {
    if (keeping_current_ && !platform_.files().remove_data_file(name)) kept_exists_ = false;
    keeping_current_ = false;
    show_continue_state();
    return;
  }
  // The whole game is written each time, its move list included: after
  // every move of an ordinary game, but in a game of thousands of moves only
  // every hundredth and at close, so that a release does not grow slower
  // with every move made.
  const std::size_t listed = s_.move_list.size();
  if (!closing && listed > kKeepEveryMoveUpTo && listed % kKeepEvery != 0) return;
  const KeptGame kept{static_cast<const Game&>(s_), play_ms(), s_.play_mode == 1};
  if (const auto failure = platform_.files().write_data_file(name, write_kept_game(kept))) {
    // Told once a run: the game goes on, and the next move tries again.
    if (!keep_failure_told_) {
      keep_failure_told_ = true;
      box(std::string(msg::kTitle),
          std::string(in(words::kKeepFailed, s_.language_code)) + "\n" + failure->path + "\n" +
              failure_cause(*failure),
          Buttons::Ok, Icon::Exclamation);
    }
    return;
  }
  kept_exists_ = true;
  keeping_current_ = true;
  show_continue_state();
}

// New cards replace the board: the game on it is left.
void FrmMain::leave_game() {
  // An unfinished board with a move on it is a game abandoned.
  if (s_.moves > 0 && !s_.judged) {
    add_to_history(GameResult::Abandoned);
    s_.judged = true;  // its result is settled: abandoned
  }
  if (keeping_current_) {
    // Left on purpose: there is nothing to continue any more.
    if (!platform_.files().remove_data_file(std::string(kKeptGameFile))) kept_exists_ = false;
    keeping_current_ = false;
  }
  show_continue_state();
}

void FrmMain::add_to_history(GameResult result) {
  if (!loaded_ || platform_.files().data_folder().empty()) return;
  PlayedGame g;
  g.when = platform_.clock().local_date_time();
  g.puzzle = s_.puzzle_id;
  g.four = s_.shape.is_4x4();
  g.level = s_.level;
  g.seconds = play_ms() / 1000;
  g.moves = s_.moves;
  g.result = result;
  g.hints = s_.hints;
  // One line, added whole or not at all, so that two copies of the game
  // finishing at once both keep theirs.
  if (const auto failure =
          platform_.files().append_data_file(std::string(kHistoryFile), history_line(g))) {
    if (!history_failure_told_) {
      history_failure_told_ = true;
      box(std::string(msg::kTitle),
          std::string(in(words::kHistoryFailed, s_.language_code)) + "\n" + failure->path + "\n" +
              failure_cause(*failure),
          Buttons::Ok, Icon::Exclamation);
    }
  }
}

void FrmMain::continue_game() {
  const std::string name(kKeptGameFile);
  const int lang = s_.language_code;
  const auto bytes = platform_.files().read_data_file(name, kMaxKeptGameBytes + 1);
  const auto kept = bytes ? read_kept_game(*bytes) : std::nullopt;
  if (!kept) {
    // A file that fails its checks never reaches the board, and goes.
    if (bytes) platform_.files().remove_data_file(name);
    kept_exists_ = false;
    show_continue_state();
    box(std::string(in(words::kKeptRefusedTitle, lang)),
        std::string(in(bytes ? words::kKeptRefused : words::kKeptGone, lang)), Buttons::Ok,
        Icon::Exclamation);
    return;
  }
  const Game& g = kept->game;
  work_start();
  // The kept game's range, level and name, as new cards of that puzzle get
  // them; then its cards, and the game itself over them.
  set_range(g.shape.range_code);
  start_level(g.level, g.puzzle_id, kEnableAgain);
  view_.clear_card_faces();
  s_.sn.clear();
  for (int r = 1; r <= g.shape.field_count; ++r)
    for (int c = 0; c < kColumns; ++c) s_.sn(r, c) = g.sn(r, c);
  show_all_cards();
  static_cast<Game&>(s_) = g;
  for (int k = 1; k <= 16; ++k) show_piece(k);
  show_marks();
  // The clock goes on from the play time kept.
  s_.clock.resume(platform_.clock().now_ms(), kept->play_ms);
  set_run_mode(kept->running);
  panels_[1].text = status_text(s_.puzzle_id, s_.moves, "");
  keeping_current_ = true;
  show_undo_state();
  show_continue_state();
  work_stop();
}

}  // namespace zerdo
