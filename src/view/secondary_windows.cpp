#include "view/secondary_windows.h"

#include <utility>

namespace zerdo {

Control window_control(Role role, std::string name, Place place, std::string caption) {
  Control c = control_of(role, std::move(name));
  if (c.kind != ControlKind::Picture) c.caption = std::move(caption);
  c.left = place.left;
  c.top = place.top;
  c.width = place.width;
  c.height = place.height;
  return c;
}

}  // namespace zerdo
