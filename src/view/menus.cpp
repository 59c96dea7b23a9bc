#include "view/menus.h"

namespace zerdo {

int MenuModel::add(std::string name, std::string caption, std::string_view parent,
                   std::string shortcut, bool separator_before) {
  MenuItem m;
  m.name = std::move(name);
  m.caption = std::move(caption);
  m.shortcut = std::move(shortcut);
  m.separator_before = separator_before;
  const int index = static_cast<int>(items_.size());
  if (!parent.empty()) {
    auto it = by_name_.find(std::string(parent));
    if (it != by_name_.end()) {
      m.parent = it->second;
      items_[static_cast<std::size_t>(it->second)].children.push_back(index);
    }
  }
  by_name_.emplace(m.name, index);
  items_.push_back(std::move(m));
  return index;
}

MenuItem* MenuModel::find(std::string_view name) {
  auto it = by_name_.find(std::string(name));
  return it == by_name_.end() ? nullptr : &items_[static_cast<std::size_t>(it->second)];
}

const MenuItem* MenuModel::find(std::string_view name) const {
  auto it = by_name_.find(std::string(name));
  return it == by_name_.end() ? nullptr : &items_[static_cast<std::size_t>(it->second)];
}

const MenuItem* MenuModel::by_shortcut(std::string_view key) const {
  for (const auto& m : items_)
    if (!key.empty() && (m.shortcut == key || m.second_shortcut == key)) return &m;
  return nullptr;
}

bool MenuModel::reachable(std::string_view name) const {
  const MenuItem* m = find(name);
  if (!m || !m->enabled) return false;
  // A hidden item is still reached through its shortcut, never through the menu.
  if (!m->visible) return false;
  for (int p = m->parent; p >= 0; p = items_[static_cast<std::size_t>(p)].parent) {
    const MenuItem& up = items_[static_cast<std::size_t>(p)];
    if (!up.enabled || !up.visible) return false;
  }
  return true;
}

}  // namespace zerdo
