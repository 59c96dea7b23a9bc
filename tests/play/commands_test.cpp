#include "view/commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "play/frm_main.h"

namespace zerdo {
namespace {

// The command table and the controller's handlers are two halves of one
// list: every command that runs something has exactly one handler, a menu
// none, and no handler is left without a row.
TEST(CommandTable, EveryCommandHasOneRowAndItsHandlers) {
  for (int c = 0; c < static_cast<int>(Command::Count); ++c) {
    const auto command = static_cast<Command>(c);
    int rows = 0;
    for (const CommandRow& row : kCommands) rows += row.command == command;
    if (command == Command::MenuBar) {
      EXPECT_EQ(0, rows);
      EXPECT_EQ(0, FrmMain::handler_count(command));
      continue;
    }
    ASSERT_EQ(1, rows) << "command " << c;
    const CommandRow& row = command_row(command);
    const bool runs = row.family != Family::None || !opens_menu(row);
    EXPECT_EQ(runs ? 1 : 0, FrmMain::handler_count(command)) << row.name;
  }
}

// Names and shortcuts are unique, and each row comes after its menu, so that
// the menu holds every item where the table puts it.
TEST(CommandTable, NamesAndShortcutsOnceEachItemBelowItsMenu) {
  std::set<std::string_view> names, shortcuts, seen;
  for (const CommandRow& row : kCommands) {
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    if (!row.shortcut.empty()) {
      EXPECT_TRUE(shortcuts.insert(row.shortcut).second) << row.shortcut;
    }
    if (row.parent != Command::MenuBar) {
      EXPECT_TRUE(seen.count(command_name(row.parent))) << row.name;
    }
    seen.insert(row.name);
    for (const std::string_view text : row.caption) EXPECT_FALSE(text.empty()) << row.name;
  }
  const MenuModel menus = build_command_menus({"A1", "A2", "B10"});
  for (const CommandRow& row : kCommands) {
    const MenuItem* item = menus.find(row.name);
    ASSERT_NE(item, nullptr) << row.name;
    const std::string parent = item->parent < 0 ? "" : menus[item->parent].name;
    EXPECT_EQ(row.parent == Command::MenuBar ? "" : command_name(row.parent), parent) << row.name;
  }
}

// The items of the families: a submenu per letter of the built-in puzzles,
// an item per level; each runs with the part of its name after the family's.
TEST(CommandTable, FamilyItemsAndTheirMembers) {
  const MenuModel menus = build_command_menus({"A1", "A2", "B10"});
  const std::string puzzles(command_name(Command::Puzzles));
  ASSERT_NE(menus.find(puzzles + "B"), nullptr);
  EXPECT_EQ("&B", menus.find(puzzles + "B")->caption);
  EXPECT_EQ("1&0", menus.find(puzzles + "B10")->caption);
  EXPECT_EQ(puzzles + "B", menus[menus.find(puzzles + "B10")->parent].name);
  EXPECT_EQ(2u, menus.find(puzzles + "A")->children.size());

  struct Case {
    const char* name;
    Command command;
    const char* member;
  };
  const Case cases[] = {
      {"mnuFileZerdoB10", Command::Puzzles, "B10"},
      {"mnuFileZerdo", Command::Puzzles, ""},
      {"mnuStufeI", Command::LevelMenu, "I"},
      {"mnuFileSetup", Command::SetupMenu, ""},
      {"mnuFileSetupLanguageVlaams", Command::Flemish, ""},
  };
  for (const Case& c : cases) {
    const CommandItem item = command_item(c.name);
    ASSERT_NE(item.row, nullptr) << c.name;
    EXPECT_EQ(c.command, item.row->command) << c.name;
    EXPECT_EQ(c.member, item.member) << c.name;
  }
  EXPECT_EQ(nullptr, command_item("mnuFileNewer").row);
}

}  // namespace
}  // namespace zerdo
