#include "view/controls.h"

namespace zerdo {

std::string Control::full_name() const {
  return index < 0 ? name : name + "(" + std::to_string(index) + ")";
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

}  // namespace zerdo
