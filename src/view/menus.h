#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zerdo {

// One item of the main window's menu bar. Top-level menus have parent -1.
struct MenuItem {
  std::string name;      // mnuFileNew
  std::string caption;   // "&Neu": "&" marks the access key
  std::string shortcut;  // "F2", "Shift+F4", "Ctrl+N" or ""
  // A second key for the same item ("" none): Redo answers Ctrl+Y and
  // Ctrl+Shift+Z alike. The menu shows the first.
  std::string second_shortcut;
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  bool separator_before = false;
  int parent = -1;
  std::vector<int> children;
};

class MenuModel {
 public:
  // Adds an item under parent ("" for the menu bar) and returns its index.
  int add(std::string name, std::string caption, std::string_view parent = {},
          std::string shortcut = {}, bool separator_before = false);
  MenuItem& operator[](int i) { return items_[static_cast<std::size_t>(i)]; }
  const MenuItem& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }
  MenuItem* find(std::string_view name);
  const MenuItem* find(std::string_view name) const;
  // The item whose shortcut (or second shortcut) is key, nullptr when none.
  const MenuItem* by_shortcut(std::string_view key) const;
  // Whether the player can reach the item: it and every menu above it are
  // enabled, and it is visible or reachable through its shortcut.
  bool reachable(std::string_view name) const;
  const std::vector<MenuItem>& items() const { return items_; }

 private:
  std::vector<MenuItem> items_;
  std::unordered_map<std::string, int> by_name_;
};

}  // namespace zerdo
