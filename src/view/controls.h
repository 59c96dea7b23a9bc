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
  TextBox,  // a cross or a grey must-field box on a card, the name box
  Label,
  Button,
};

// What a control is to the game: the bindings paint, read out and answer a
// control by its role; its name is only the id scripts and tests know it by.
enum class Role {
  Other,          // nothing the bindings treat apart
  StockFrame,     // the frame round the stock of pieces
  BoardFrame,     // the frame round the board's fields
  BoardField,     // a field of the board
  Card,           // a clue card
  CardCell,       // a cell of a card's small board
  CluePicture,    // a sign on a card: a small piece, a colour blot or a black shape
  Cross,          // a cross on a card: the piece is not there
  MustField,      // the grey box on a card: the piece is there
  Tip,            // the tip plate
  Piece,          // a piece the player drags
  SolutionFrame,  // the solution window's frame round its fields
  SolutionField,  // a field of the solution window
  SolutionPiece,  // a piece of the solution window, on its right field
  ProgramIcon,    // the program's icon in the About window
  Title,          // the About window's title
  Text,           // a label
  NameFrame,      // the player dialog's frame round the name box
  NameBox,        // where the player types a name
  OkButton,       // the button Enter presses
  CancelButton,   // the button Escape presses
  Button,         // any other button
  Table,          // a table of figures: the window's table, its caption its name
  Chart,          // a chart drawn from the window's figures, index its number
};

// The kind of control each role is.
constexpr ControlKind kind_of(Role role) {
  switch (role) {
    case Role::CluePicture:
    case Role::Piece:
    case Role::SolutionPiece:
    case Role::ProgramIcon:
    case Role::Chart:
      return ControlKind::Picture;
    case Role::Cross:
    case Role::MustField:
    case Role::NameBox:
      return ControlKind::TextBox;
    case Role::Title:
    case Role::Text:
      return ControlKind::Label;
    case Role::OkButton:
    case Role::CancelButton:
    case Role::Button:
      return ControlKind::Button;
    default:
      return ControlKind::Frame;
  }
}

struct Control {
  ControlKind kind = ControlKind::Frame;
  Role role = Role::Other;
  std::string name;  // the id scripts and tests use, e.g. "Frame_1_0"
  int index = -1;    // index within a control array, -1 for a single control
  Int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;
  std::optional<std::string> caption;  // frames, labels, buttons, text boxes
  std::optional<Int> border;           // 0 none, 1 fixed single line
  std::string tooltip;
  int picture = 0;                // picture id a picture box shows (1..25)
  std::uint32_t back_colour = 0;  // 0x00BBGGRR as the window colour is kept; 0 = default
  // What the controller tells of the control's state: a clue card the
  // player ticked off, a control pointed out to the player, a field of the
  // solution window whose piece on the board was wrong.
  bool marked = false;
  bool highlighted = false;
  bool wrong = false;

  // "Frame_1_0(3)" for an array element, the plain name otherwise.
  std::string full_name() const;
};

// A control of role under name, of the kind its role is.
Control control_of(Role role, std::string name);

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
  // The first control of role with array index index (-1: a single
  // control), and the first of role showing picture id; nullptr when none.
  const Control* find(Role role, int index) const;
  const Control* find_picture(Role role, int picture) const;

  const std::vector<Control>& all() const { return list_; }
  std::size_t size() const { return list_.size(); }

 private:
  std::vector<Control> list_;
  std::unordered_map<std::string, Id> by_name_;
};

}  // namespace zerdo
