#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/assert.h"
#include "model/types.h"

namespace zerdo {

// Controls are data: each named control of a window keeps its geometry in
// twips, its visibility, enabled state, caption, border style and tool tip.
// The window toolkit only paints this model and reports mouse events.
enum class ControlKind {
  Frame,    // a captioned frame: board, board fields, cards, card cells, stock, tip
  Picture,  // a picture box: a draggable piece or a clue picture (see picture)
  TextBox,  // a cross or a grey must-field box on a card
  Label,
  Button,
};

struct Control {
  ControlKind kind = ControlKind::Frame;
  std::string name;  // e.g. "Frame_1_0"
  int index = -1;    // index within a control array, -1 for a single control
  Int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;
  std::optional<std::string> caption;  // frames, labels, buttons, text boxes
  std::optional<Int> border;           // 0 none, 1 fixed single line
  std::string tooltip;
  int picture = 0;                // picture id a picture box shows (1..25)
  std::uint32_t back_colour = 0;  // 0x00BBGGRR as the window colour is kept; 0 = default

  // "Frame_1_0(3)" for an array element, the plain name otherwise.
  std::string full_name() const;
};

// The controls of one window in painting order (later ones lie on top).
class ControlSet {
 public:
  using Id = std::size_t;

  Id add(Control c);
  // Adds count elements name(0) .. name(count-1) and returns the id of element 0;
  // element i has id first + i.
  Id add_array(const Control& proto, int count);

  Control& operator[](Id id) {
    ZERDO_ASSERT(id < list_.size());
    return list_[id];
  }
  const Control& operator[](Id id) const {
    ZERDO_ASSERT(id < list_.size());
    return list_[id];
  }
  // Looks a control up by "name" or "name(i)"; nullptr when there is none.
  const Control* find(std::string_view full_name) const;
  Control* find(std::string_view full_name);
  std::optional<Id> id_of(std::string_view full_name) const;

  const std::vector<Control>& all() const { return list_; }
  std::size_t size() const { return list_.size(); }

 private:
  std::vector<Control> list_;
  std::unordered_map<std::string, Id> by_name_;
};

}  // namespace zerdo
