#include "view/secondary_windows.h"

#include <utility>

namespace zerdo {

Control window_control(ControlKind kind, std::string name, Place place, std::string caption) {
  Control c;
  c.kind = kind;
  c.name = std::move(name);
  if (kind != ControlKind::Picture) c.caption = std::move(caption);
  c.left = place.left;
  c.top = place.top;
  c.width = place.width;
  c.height = place.height;
  return c;
}

}  // namespace zerdo
