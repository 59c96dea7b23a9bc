// Choosing, running, stopping and restarting the current puzzle.
#include <string>

#include "catalogue/builtin.h"
#include "generation/generator.h"
#include "play/frm_main.h"
#include "texts/messages.h"
#include "view/commands.h"

namespace zerdo {

void FrmMain::work_start() {
  window_.hourglass = true;
  view_.frames_visible(false);
}

void FrmMain::work_stop() {
  window_.hourglass = false;
  view_.frames_visible(true);
}

void FrmMain::set_run_mode(bool running) {
  menu_item(Command::Hold).enabled = running;
  menu_item(Command::GoOn).enabled = !running;
  s_.play_mode = running ? 1 : 2;
  s_.mode_text = running ? "run" : "stop";
  panels_[2].text = s_.mode_text;
  show_undo_state();
}

void FrmMain::new_game() {
  // The game on the board is left before its clock is set back.
  leave_game();
  s_.clock.forget_hold();
  go_on();
  work_start();
  generate_puzzle();
  work_stop();
}

void FrmMain::play_again() {
  work_start();
  clear_marks();
  restart_puzzle();
  keep_game();
  work_stop();
}

void FrmMain::hold_game() {
  s_.clock.hold(platform_.clock().now_ms());
  set_run_mode(false);
}

void FrmMain::go_on() {
  s_.clock.go_on(platform_.clock().now_ms());
  set_run_mode(true);
}

void FrmMain::next_puzzle() {
  work_start();
  step_builtin_id(true);
  open_puzzle_id();
  work_stop();
}

void FrmMain::previous_puzzle() {
  work_start();
  step_builtin_id(false);
  open_puzzle_id();
  work_stop();
}

void FrmMain::restart_puzzle() {
  s_.clock.forget_hold();
  go_on();
  return_all_pieces();
  show_status(s_.puzzle_id, 0);
}

void FrmMain::open_puzzle_id() {
  const std::string& id = s_.puzzle_id;
  if (auto index = builtin_index(id)) return install_builtin(*index);
  if (id.size() == 2 && id[0] >= kFirstLevelLetter && id[0] <= kLastLevelLetter &&
      (id[1] == '-' || id[1] == 'x')) {
    const bool always_new = id[1] == 'x';
    switch_to_level(static_cast<Int>(id[0] - 'A' + 1));
    if (always_new) generate_puzzle();
    return;
  }
  start_level(1, "A-", kAgainAsGenerated);
}

void FrmMain::step_builtin_id(bool forward) {
  auto index = builtin_index(s_.puzzle_id);
  if (!index) {
    s_.puzzle_id = "A1";
    return;
  }
  const int next = (*index + (forward ? 1 : kBuiltinCount - 1)) % kBuiltinCount;
  s_.puzzle_id = std::string(kBuiltinPuzzles[static_cast<std::size_t>(next)].id);
}

// Shows the solution of all but the last two pieces on the board.
void FrmMain::show_most_pieces() {
  work_start();
  restart_puzzle();
  view_.clear_pict_used();
  show_all_cards();
  const int n = s_.shape.field_count;
  for (int k = 1; k <= n - 2; ++k) {
    int f = 1;
    while (f <= n && s_.solution[static_cast<std::size_t>(f)] != k) ++f;
    if (f > n) continue;  // every puzzle source puts each piece on some field
    move_piece(k, static_cast<Int>(f));
  }
  keep_game();
  work_stop();
}

// --- levels -----------------------------------------------------------------

void FrmMain::start_level(Int level, const std::string& id, unsigned how) {
  bool regenerate = false;
  if ((how & kForce3x3) && s_.shape.is_4x4()) {
    regenerate = true;
    set_range_3x3_and_generate();
  }
  if (level > kLevels) box(std::string(msg::kTitle), levels_error_text(level, kLevels));
  s_.level = level;
  s_.puzzle_id = id;
  for (char letter = kFirstLevelLetter; letter <= kLastLevelLetter; ++letter)
    menu_item(Command::LevelMenu, std::string(1, letter)).checked = false;
  leave_game();
  return_all_pieces();
  show_status(s_.puzzle_id, 0);
  if (s_.level < 1 || s_.level > kLevels) {
    s_.level = 1;
    s_.puzzle_id = "A-";
  }
  menu_item(Command::LevelMenu, std::string(1, static_cast<char>('A' + s_.level - 1))).checked =
      true;
  if (regenerate) generate_puzzle();
  menu_item(Command::PlayAgain).enabled = regenerate || (how & kEnableAgain);
}

void FrmMain::switch_to_level(Int level) {
  const Int old = s_.level;
  start_level(level, std::string(1, static_cast<char>('A' + level - 1)) + "-", kEnableAgain);
  if (old != level) generate_puzzle();
}

namespace {

// The platform's random source, as the generator draws from it.
class PlatformUniforms : public UniformSource {
 public:
  explicit PlatformUniforms(Platform& platform) : platform_(platform) {}
  float draw_uniform() override { return platform_.random().draw_uniform(); }
  void draw_uniforms(float* out, int count) override {
    platform_.random().draw_uniforms(out, count);
  }

 private:
  Platform& platform_;
};

}  // namespace

// A new random puzzle of the level in force, installed with its level and id.
void FrmMain::generate_puzzle() {
  PlatformUniforms random{platform_};
  // The generator works on a table of its own: the records beyond the board
  // stay as they were.
  Generator generator{s_.shape, s_.tables, s_.anchors, random};
  const Puzzle& p = generator.generate(s_.level);
  if (!p.id.empty()) {
    start_level(p.level, p.id, kEnableAgain);
    view_.clear_card_faces();
  }
  if (p.anchors) menu_item(Command::Anchors).checked = *p.anchors;
  for (const InternalAlert& a : p.alerts)
    box(std::string(msg::kTitle), internal_error_text(a.a, a.b));
  for (int r = 1; r <= s_.shape.field_count; ++r)
    for (int c = 0; c < kColumns; ++c) s_.sn(r, c) = p.sn(r, c);
  show_all_cards();
}

// --- cards ------------------------------------------------------------------

void FrmMain::show_card(int nr, const CardRecord& c) {
  // Marks and a hint belong to the cards on the board: new cards start
  // unmarked and without one.
  clear_marks();
  clear_hint();
  if (c.field >= 1 && c.field <= 16)
    s_.solution[static_cast<std::size_t>(c.field)] = static_cast<Int>(c.loesung);
  view_.draw_card(nr, c);
}

void FrmMain::install_card(int nr, const CardRecord& c) {
  CardTable& sn = s_.sn;
  sn(nr, sn_nr) = nr;
  sn(nr, sn_field) = c.field;
  sn(nr, sn_Loesung) = c.loesung;
  sn(nr, sn_pict) = c.pict;
  sn(nr, sn_vorgabe) = c.vorgabe;
  sn(nr, sn_sperre) = c.sperre;
  sn(nr, sn_titel) = c.titel ? kTrue : kFalse;
  sn(nr, sn_kreuze) = c.kreuze;
  sn(nr, sn_pict_2) = c.pict_2;
  sn(nr, sn_field_2) = c.field_2;
  sn(nr, sn_pict_3) = c.pict_3;
  sn(nr, sn_field_3) = c.field_3;
  sn(nr, sn_pict_4) = c.pict_4;
  sn(nr, sn_field_4) = c.field_4;
  sn(nr, sn_anker) = 0;
  show_card(nr, c);
}

void FrmMain::show_all_cards() {
  for (int r = 1; r <= s_.shape.field_count; ++r) show_card(r, record_of(s_.sn, r));
}

void FrmMain::install_builtin(int index) {
  const BuiltinPuzzle& p = kBuiltinPuzzles[static_cast<std::size_t>(index)];
  work_start();
  start_level(static_cast<Int>(p.level), std::string(p.id), kEnableAgain | kForce3x3);
  view_.clear_card_faces();
  for (int card = 1; card <= 9; ++card)
    if (auto c = decode_card(p, card)) install_card(card, *c);
  work_stop();
}

}  // namespace zerdo
