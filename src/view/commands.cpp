#include "view/commands.h"

#include "model/assert.h"
#include "model/levels.h"

namespace zerdo {

const CommandRow& command_row(Command command) {
  for (const CommandRow& row : kCommands)
    if (row.command == command) return row;
  assertion_failed("every command has a row", __FILE__, __LINE__);
}

CommandItem command_item(std::string_view name) {
  for (const CommandRow& row : kCommands)
    if (row.name == name) return {&row, {}};
  for (const CommandRow& row : kCommands)
    if (row.family != Family::None && name.size() > row.name.size() &&
        name.substr(0, row.name.size()) == row.name)
      return {&row, name.substr(row.name.size())};
  return {};
}

bool opens_menu(const CommandRow& row) {
  if (row.family != Family::None) return true;
  for (const CommandRow& below : kCommands)
    if (below.parent == row.command) return true;
  return false;
}

namespace {

// A number's caption with the access key on its last digit: "&1", "1&0".
std::string number_caption(std::string_view number) {
  std::string caption(number);
  caption.insert(caption.size() - 1, "&");
  return caption;
}

// The items of a family below its row's item.
void add_family(MenuModel& m, const CommandRow& row,
                const std::vector<std::string_view>& puzzle_ids) {
  const std::string family(row.name);
  if (row.family == Family::Levels) {
    for (char letter = kFirstLevelLetter; letter <= kLastLevelLetter; ++letter)
      m.add(family + letter, std::string("&") + letter, family);
    return;
  }
  // One submenu per letter, holding that letter's puzzles.
  std::string letter_menu;
  for (const std::string_view id : puzzle_ids) {
    if (id.empty()) continue;
    const std::string letter(1, id.front());
    if (letter_menu != family + letter) {
      letter_menu = family + letter;
      m.add(letter_menu, "&" + letter, family);
    }
    m.add(family + std::string(id), number_caption(id.substr(1)), letter_menu);
  }
}

}  // namespace

MenuModel build_command_menus(const std::vector<std::string_view>& puzzle_ids) {
  MenuModel m;
  for (const CommandRow& row : kCommands) {
    const std::string_view parent =
        row.parent == Command::MenuBar ? std::string_view{} : command_name(row.parent);
    const int i = m.add(std::string(row.name), std::string(in(row.caption, 0)), parent,
                        std::string(row.shortcut), row.separator_before);
    m[i].second_shortcut = std::string(row.second_shortcut);
    m[i].enabled = (row.start & kDisabled) == 0;
    m[i].visible = (row.start & kHidden) == 0;
    m[i].checked = (row.start & kChecked) != 0;
    if (row.family != Family::None) add_family(m, row, puzzle_ids);
  }
  return m;
}

}  // namespace zerdo
