#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "texts/captions.h"
#include "view/menus.h"

namespace zerdo {

// Every command of the main window's menu. The controller binds each command
// that runs something to its handler (play/commands.cpp).
enum class Command : std::uint8_t {
  MenuBar,  // the parent of the menus of the bar; no item of its own
  GameMenu,
  NewGame,
  PlayAgain,
  ContinueGame,
  Undo,
  Redo,
  Hold,
  GoOn,
  Puzzles,
  NextPuzzle,
  PreviousPuzzle,
  Player,
  History,
  SetupMenu,
  LanguageMenu,
  German,
  English,
  Flemish,
  RangeMenu,
  Range3x3,
  Range4x4,
  Anchors,
  ColourMarks,
  ShowMostPieces,
  SavePuzzle,
  LoadPuzzle,
  Print,
  ExportPdf,
  Exit,
  LevelMenu,
  ViewMenu,
  ZoomIn,
  ZoomOut,
  ZoomReset,
  HelpMenu,
  HelpContents,
  HelpSearch,
  ShowResult,
  Hint,
  Statistics,
  About,
  Count  // not a command: how many there are
};

// Items a command's menu holds besides the rows below it: one submenu per
// letter of the built-in puzzles ("mnuFileZerdoA") with an item per puzzle
// ("mnuFileZerdoA1"), or one item per level ("mnuStufeA"). The name of such
// an item is the command's name followed by the puzzle id or level letter.
enum class Family : std::uint8_t { None, BuiltinPuzzles, Levels };

// How an item starts out.
enum StartFlags : std::uint8_t {
  kShown = 0,
  kDisabled = 1,
  kHidden = 2,  // reached through its shortcut alone
  kChecked = 4,
};

struct CommandRow {
  Command command;
  std::string_view name;      // the item's name, as the driver and the window's tests see it
  Command parent;             // the menu holding it; Command::MenuBar for a menu of the bar
  std::string_view shortcut;  // "F2", "Shift+F4", "Ctrl+N" or ""
  bool separator_before;
  Texts caption;
  std::uint8_t start = kShown;  // StartFlags
  Family family = Family::None;
  std::string_view second_shortcut = {};  // another key for the same item, or ""
};

// The main window's menu in the order it shows. Adding a command: a row here
// (its Command above), its caption in texts/captions.h (menu_words) and its
// handler in play/commands.cpp.
// clang-format off
inline constexpr CommandRow kCommands[] = {
    //  command                  name                           parent                 shortcut    sep    caption
    {Command::GameMenu,       "mnuFile",                     Command::MenuBar,      "",         false, menu_words::kGame},
    {Command::NewGame,        "mnuFileNew",                  Command::GameMenu,     "F2",       false, menu_words::kNew},
    {Command::PlayAgain,      "mnuFileAgain",                Command::GameMenu,     "F3",       false, menu_words::kAgain, kDisabled},
    {Command::ContinueGame,   "mnuFileContinue",             Command::GameMenu,     "",         false, menu_words::kContinue, kDisabled},
    {Command::Undo,           "mnuFileUndo",                 Command::GameMenu,     "Ctrl+Z",   true,  menu_words::kUndo, kDisabled},
    {Command::Redo,           "mnuFileRedo",                 Command::GameMenu,     "Ctrl+Y",   false, menu_words::kRedo, kDisabled, Family::None, "Ctrl+Shift+Z"},
    {Command::Hold,           "mnuFileStop",                 Command::GameMenu,     "F5",       true,  menu_words::kHold},
    {Command::GoOn,           "mnuFileRun",                  Command::GameMenu,     "F6",       false, menu_words::kGoOn, kDisabled},
    {Command::Puzzles,        "mnuFileZerdo",                Command::GameMenu,     "",         true,  menu_words::kPuzzles, kShown, Family::BuiltinPuzzles},
    {Command::NextPuzzle,     "mnuFileNext",                 Command::GameMenu,     "F4",       true,  menu_words::kNext},
    {Command::PreviousPuzzle, "mnuFilePrevious",             Command::GameMenu,     "Shift+F4", false, menu_words::kPrevious},
    {Command::Player,         "mnuFileUser",                 Command::GameMenu,     "",         true,  menu_words::kPlayer},
    {Command::History,        "mnuFileHistory",              Command::GameMenu,     "",         false, menu_words::kHistory},
    {Command::SetupMenu,      "mnuFileSetup",                Command::GameMenu,     "",         true,  menu_words::kSetup},
    {Command::LanguageMenu,   "mnuFileSetupLanguage",        Command::SetupMenu,    "",         false, menu_words::kLanguage},
    {Command::German,         "mnuFileSetupLanguageDeutsch", Command::LanguageMenu, "",         false, menu_words::kGerman},
    {Command::English,        "mnuFileSetupLanguageEnglish", Command::LanguageMenu, "",         false, menu_words::kEnglish},
    {Command::Flemish,        "mnuFileSetupLanguageVlaams",  Command::LanguageMenu, "",         false, menu_words::kFlemish},
    {Command::RangeMenu,      "mnuFileSetupRange",           Command::SetupMenu,    "",         false, menu_words::kRange},
    {Command::Range3x3,       "mnuFileSetupRange3x3",        Command::RangeMenu,    "",         false, menu_words::kRange3x3},
    {Command::Range4x4,       "mnuFileSetupRange4x4",        Command::RangeMenu,    "",         false, menu_words::kRange4x4},
    {Command::Anchors,        "mnuFileSetupAnker",           Command::SetupMenu,    "",         false, menu_words::kAnchors, kDisabled},
    {Command::ColourMarks,    "mnuFileSetupColourMarks",     Command::SetupMenu,    "",         true,  menu_words::kColourMarks},
    {Command::ShowMostPieces, "mnuFileSonst",                Command::GameMenu,     "Ctrl+N",   false, menu_words::kShowMostPieces, kHidden},
    {Command::SavePuzzle,     "mnuFileSave",                 Command::GameMenu,     "",         true,  menu_words::kSave},
    {Command::LoadPuzzle,     "mnuFileLoad",                 Command::GameMenu,     "",         false, menu_words::kLoad},
    {Command::Print,          "mnuFilePrint",                Command::GameMenu,     "",         true,  menu_words::kPrint},
    {Command::ExportPdf,      "mnuFileExportPdf",            Command::GameMenu,     "",         false, menu_words::kExportPdf},
    {Command::Exit,           "mnuFileExit",                 Command::GameMenu,     "",         true,  menu_words::kExit},
    {Command::LevelMenu,      "mnuStufe",                    Command::MenuBar,      "",         false, menu_words::kLevel, kShown, Family::Levels},
    {Command::ViewMenu,       "mnuView",                     Command::MenuBar,      "",         false, menu_words::kView},
    {Command::ZoomIn,         "mnuViewZoomIn",               Command::ViewMenu,     "Ctrl++",   false, menu_words::kZoomIn, kShown, Family::None, "Ctrl+="},
    {Command::ZoomOut,        "mnuViewZoomOut",              Command::ViewMenu,     "Ctrl+-",   false, menu_words::kZoomOut},
    {Command::ZoomReset,      "mnuViewZoomReset",            Command::ViewMenu,     "Ctrl+0",   false, menu_words::kZoomReset},
    {Command::HelpMenu,       "mnuHelp",                     Command::MenuBar,      "",         false, menu_words::kHelpMenu},
    {Command::HelpContents,   "mnuHelpContents",             Command::HelpMenu,     "F1",       false, menu_words::kHelpContents},
    {Command::HelpSearch,     "mnuHelpSearchForHelpOn",      Command::HelpMenu,     "",         false, menu_words::kHelpSearch},
    {Command::ShowResult,     "mnuHelpResultEnable",         Command::HelpMenu,     "F9",       true,  menu_words::kResult, kChecked},
    {Command::Hint,           "mnuHelpHint",                 Command::HelpMenu,     "H",        false, menu_words::kHint},
    {Command::Statistics,     "mnuHelpStatistics",           Command::HelpMenu,     "S",        false, menu_words::kStatistics},
    {Command::About,          "mnuHelpAbout",                Command::HelpMenu,     "",         true,  menu_words::kAbout},
};
// clang-format on

// The language items by language_code; the one of the language in force
// carries the check mark.
inline constexpr std::array<Command, kLanguages> kLanguageCommands{
    Command::German, Command::English, Command::Flemish};

// The row of a command.
const CommandRow& command_row(Command command);
// The name of a command's item ("mnuFileNew").
inline std::string_view command_name(Command command) { return command_row(command).name; }

// The command an item of the menu runs: its row and, for an item of a
// family, the part of its name after the row's ("A1" of "mnuFileZerdoA1",
// "C" of "mnuStufeC"); no row for a name of no item.
struct CommandItem {
  const CommandRow* row = nullptr;
  std::string_view member;
};
CommandItem command_item(std::string_view name);

// Whether a row's item opens a menu (rows below it or a family) rather than
// running something.
bool opens_menu(const CommandRow& row);

// The menu as the window starts, in German. puzzle_ids are the built-in
// puzzles in their order ("A1", ..., "G10"): a submenu per letter.
MenuModel build_command_menus(const std::vector<std::string_view>& puzzle_ids);

}  // namespace zerdo
