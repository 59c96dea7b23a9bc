#include "view/controls.h"

#include <utility>

namespace zerdo {

std::string Control::full_name() const {
  return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

Control control_of(Role role, std::string name) {
  Control c;
  c.kind = kind_of(role);
  c.role = role;
  c.name = std::move(name);
  return c;
}

ControlSet::Id ControlSet::add(Control c) {
  const Id id = list_.size();
  by_name_.emplace(c.full_name(), id);
  list_.push_back(std::move(c));
  return id;
}

ControlSet::Id ControlSet::add_array(const Control& proto, int count) {
  const Id first = list_.size();
  for (int i = 0; i < count; ++i) {
    Control c = proto;
    c.index = i;
    add(std::move(c));
  }
  return first;
}

std::optional<ControlSet::Id> ControlSet::id_of(std::string_view full_name) const {
  auto it = by_name_.find(std::string(full_name));
  if (it == by_name_.end()) return std::nullopt;
  return it->second;
}

const Control* ControlSet::find(std::string_view full_name) const {
  auto id = id_of(full_name);
  return id ? &list_[*id] : nullptr;
}

Control* ControlSet::find(std::string_view full_name) {
  auto id = id_of(full_name);
  return id ? &list_[*id] : nullptr;
}

const Control* ControlSet::find(Role role, int index) const {
  for (const Control& c : list_)
    if (c.role == role && c.index == index) return &c;
  return nullptr;
}

const Control* ControlSet::find_picture(Role role, int picture) const {
  for (const Control& c : list_)
    if (c.role == role && c.picture == picture) return &c;
  return nullptr;
}

}  // namespace zerdo
