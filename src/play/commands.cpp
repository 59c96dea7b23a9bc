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
// family's (the puzzle id, the level letter).
struct FrmMain::CommandHandler {
  Command command;
  void (FrmMain::*run)();
  void (FrmMain::*run_member)(std::string_view);
};

// clang-format off
const FrmMain::CommandHandler FrmMain::kCommandHandlers[] = {
    {Command::NewGame,        &FrmMain::mnuFileNew_Click,                  nullptr},
    {Command::PlayAgain,      &FrmMain::mnuFileAgain_Click,                nullptr},
    {Command::ContinueGame,   &FrmMain::mnuFileContinue_Click,             nullptr},
    {Command::Undo,           &FrmMain::mnuFileUndo_Click,                 nullptr},
    {Command::Redo,           &FrmMain::mnuFileRedo_Click,                 nullptr},
    {Command::Hold,           &FrmMain::mnuFileStop_Click,                 nullptr},
    {Command::GoOn,           &FrmMain::mnuFileRun_Click,                  nullptr},
    {Command::Puzzles,        nullptr,                                     &FrmMain::choose_builtin},
    {Command::NextPuzzle,     &FrmMain::mnuFileNext_Click,                 nullptr},
    {Command::PreviousPuzzle, &FrmMain::mnuFilePrevious_Click,             nullptr},
    {Command::Player,         &FrmMain::mnuFileUser_Click,                 nullptr},
    {Command::German,         &FrmMain::mnuFileSetupLanguageDeutsch_Click, nullptr},
    {Command::English,        &FrmMain::mnuFileSetupLanguageEnglish_Click, nullptr},
    {Command::Flemish,        &FrmMain::mnuFileSetupLanguageVlaams_Click,  nullptr},
    {Command::Range3x3,       &FrmMain::mnuFileSetupRange3x3_Click,        nullptr},
    {Command::Range4x4,       &FrmMain::mnuFileSetupRange4x4_Click,        nullptr},
    {Command::Anchors,        &FrmMain::mnuFileSetupAnker_Click,           nullptr},
    {Command::ColourMarks,    &FrmMain::mnuFileSetupColourMarks_Click,     nullptr},
    {Command::ShowMostPieces, &FrmMain::mnuFileSonst_Click,                nullptr},
    {Command::SavePuzzle,     &FrmMain::mnuFileSave_Click,                 nullptr},
    {Command::LoadPuzzle,     &FrmMain::mnuFileLoad_Click,                 nullptr},
    {Command::Print,          &FrmMain::mnuFilePrint_Click,                nullptr},
    {Command::ExportPdf,      &FrmMain::mnuFileExportPdf_Click,            nullptr},
    {Command::Exit,           &FrmMain::mnuFileExit_Click,                 nullptr},
    {Command::LevelMenu,      nullptr,                                     &FrmMain::choose_level},
    {Command::HelpContents,   &FrmMain::mnuHelpContents_Click,             nullptr},
    {Command::HelpSearch,     &FrmMain::mnuHelpSearchForHelpOn_Click,      nullptr},
    {Command::ShowResult,     &FrmMain::mnuHelpResultEnable_Click,         nullptr},
    {Command::Hint,           &FrmMain::mnuHelpHint_Click,                 nullptr},
    {Command::About,          &FrmMain::mnuHelpAbout_Click,                nullptr},
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
