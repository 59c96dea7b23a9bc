// The menu's commands bound to what the controller does for each: the menu
// built from the command table (view/commands.h), a chosen item or a pressed
// shortcut carried out by its handler.
#include "view/commands.h"

#include "catalogue/builtin.h"
#include "model/assert.h"
#include "model/levels.h"
#include "play/frm_main.h"

namespace zerdo {

// The handler of each command that runs something: a plain item's, or that
// of a family's items, which gets the part of the item's name after the
// family's (the puzzle id, the level letter), or a handler shared by
// several items, which gets the item's argument (the language).
struct FrmMain::CommandHandler {
  Command command;
  void (FrmMain::*run)();
  void (FrmMain::*run_member)(std::string_view);
  void (FrmMain::*run_with)(Int) = nullptr;
  Int argument = 0;
};

// clang-format off
const FrmMain::CommandHandler FrmMain::kCommandHandlers[] = {
    {Command::NewGame,         &FrmMain::new_game,              nullptr},
    {Command::PlayAgain,       &FrmMain::play_again,            nullptr},
    {Command::ContinueGame,    &FrmMain::continue_game,         nullptr},
    {Command::Undo,            &FrmMain::undo,                  nullptr},
    {Command::Redo,            &FrmMain::redo,                  nullptr},
    {Command::Hold,            &FrmMain::hold_game,             nullptr},
    {Command::GoOn,            &FrmMain::go_on,                 nullptr},
    {Command::Puzzles,         nullptr,                         &FrmMain::choose_builtin},
    {Command::NextPuzzle,      &FrmMain::next_puzzle,           nullptr},
    {Command::PreviousPuzzle,  &FrmMain::previous_puzzle,       nullptr},
    {Command::Player,          &FrmMain::ask_player_name,       nullptr},
    {Command::History,         &FrmMain::show_history,          nullptr},
    {Command::German,          nullptr, nullptr, &FrmMain::set_language, 0},  // language codes
    {Command::English,         nullptr, nullptr, &FrmMain::set_language, 1},
    {Command::Flemish,         nullptr, nullptr, &FrmMain::set_language, 2},
    {Command::Range3x3,        &FrmMain::choose_range_3x3,      nullptr},
    {Command::Range4x4,        &FrmMain::choose_range_4x4,      nullptr},
    {Command::Anchors,         &FrmMain::toggle_anchors,        nullptr},
    {Command::ColourMarks,     &FrmMain::toggle_colour_marks,   nullptr},
    {Command::ShowMostPieces,  &FrmMain::show_most_pieces,      nullptr},
    {Command::SavePuzzle,      &FrmMain::save_puzzle,           nullptr},
    {Command::LoadPuzzle,      &FrmMain::load_puzzle,           nullptr},
    {Command::Print,           &FrmMain::print,                 nullptr},
    {Command::ExportPdf,       &FrmMain::export_pdf,            nullptr},
    {Command::Exit,            &FrmMain::exit_game,             nullptr},
    {Command::LevelMenu,       nullptr,                         &FrmMain::choose_level},
    {Command::ZoomIn,          &FrmMain::zoom_in,               nullptr},
    {Command::ZoomOut,         &FrmMain::zoom_out,              nullptr},
    {Command::ZoomReset,       &FrmMain::zoom_reset,            nullptr},
    {Command::HelpContents,    &FrmMain::help_contents,         nullptr},
    {Command::HelpSearch,      &FrmMain::search_help,           nullptr},
    {Command::ShowResult,      &FrmMain::toggle_show_result,    nullptr},
    {Command::Hint,            &FrmMain::show_hint,             nullptr},
    {Command::Statistics,      &FrmMain::show_statistics,       nullptr},
    {Command::About,           &FrmMain::show_about,            nullptr},
};
// clang-format on

int FrmMain::handler_count(Command command) {
  int n = 0;
  for (const CommandHandler& h : kCommandHandlers) n += h.command == command;
  return n;
}

void FrmMain::build_menus() {
  std::vector<std::string_view> puzzle_ids;
  for (const BuiltinPuzzle& p : kBuiltinPuzzles) puzzle_ids.push_back(p.id);
  menus_ = build_command_menus(puzzle_ids);
}

bool FrmMain::choose_menu(std::string_view name) {
  if (!loaded_ || !menus_.reachable(name)) return false;
  run_menu(name);
  return true;
}

bool FrmMain::press_key(std::string_view key) {
  if (!loaded_) return false;
  const MenuItem* m = menus_.by_shortcut(key);
  if (!m || !m->enabled) return false;
  run_menu(m->name);
  return true;
}

void FrmMain::run_menu(std::string_view name) {
  const CommandItem item = command_item(name);
  if (!item.row) return;
  for (const CommandHandler& h : kCommandHandlers) {
    if (h.command != item.row->command) continue;
    if (item.member.empty() && h.run_with) return (this->*h.run_with)(h.argument);
    if (item.member.empty() && h.run) return (this->*h.run)();
    if (!item.member.empty() && h.run_member) return (this->*h.run_member)(item.member);
  }
  // Submenus only open.
}

MenuItem& FrmMain::menu_item(Command command, std::string_view member) {
  MenuItem* m = menus_.find(std::string(command_name(command)) + std::string(member));
  ZERDO_ASSERT(m);
  return *m;
}

// A built-in puzzle's item; the letter submenus above them only open.
void FrmMain::choose_builtin(std::string_view id) {
  if (auto index = builtin_index(id)) install_builtin(*index);
}

void FrmMain::choose_level(std::string_view letter) {
  if (letter.size() != 1 || letter[0] < kFirstLevelLetter || letter[0] > kLastLevelLetter) return;
  work_start();
  switch_to_level(static_cast<Int>(letter[0] - 'A' + 1));
  work_stop();
}

}  // namespace zerdo
