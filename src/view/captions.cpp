#include "view/captions.h"

#include <string>

#include "model/pictures.h"
#include "view/commands.h"

namespace zerdo {

void apply_menu_captions(MenuModel& menus, Int code) {
  for (const CommandRow& row : kCommands)
    if (MenuItem* m = menus.find(row.name)) m->caption = std::string(in(row.caption, code));
  for (std::size_t i = 0; i < kLanguageCommands.size(); ++i)
    if (MenuItem* m = menus.find(command_name(kLanguageCommands[i])))
      m->checked = static_cast<Int>(i) == code;
}

namespace {

// Sets the tool tip of every control of role (of those showing picture id,
// when one is given).
void role_tooltip(ControlSet& set, Role role, std::string_view tip, int picture = 0) {
  for (ControlSet::Id id = 0; id < set.size(); ++id)
    if (set[id].role == role && (picture == 0 || set[id].picture == picture))
      set[id].tooltip = std::string(tip);
}

}  // namespace

void apply_board_tooltips(BoardView& view, Int code) {
  namespace w = board_words;
  ControlSet& set = view.controls();

  role_tooltip(set, Role::Cross, in(w::kKreuz, code));
  role_tooltip(set, Role::MustField, in(w::kGrau, code));

  Control& board = view.field(0);
  board.caption = std::string(in(w::kBoard, code));
  board.tooltip = *board.caption;
  const std::string field_word = std::string(in(w::kField, code)) + " ";
  const std::string card_word = std::string(in(w::kCard, code)) + " ";
  const std::string cell_word(in(w::kCell, code));
  for (int i = 1; i <= 16; ++i) view.field(i).tooltip = field_word + std::to_string(i);
  for (int i = 0; i < 16; ++i) {
    const std::string card = card_word + std::to_string(i + 1);
    view.card(i).tooltip = card;
    for (int k = 1; k <= 16; ++k) view.cell(k, i).tooltip = card + cell_word + std::to_string(k);
  }

  for (int id = 1; id <= 24; ++id) {
    const PictureInfo& p = kPictures[static_cast<std::size_t>(id)];
    const std::string_view shape = in(kShapeWords[static_cast<std::size_t>(p.shape)], code);
    const auto colour = static_cast<std::size_t>(p.colour);
    std::string tip;
    if (id <= kPieceIds) {
      tip = std::string(shape) + " " + std::string(in(kColourWords[colour], code));
      view.piece(id).tooltip = std::string(kPieceTipLead) + tip;
    } else if (p.shape == 0) {
      tip = std::string(in(kColourCapitals[colour], code));  // a colour blot
    } else {
      tip = std::string(shape);  // a black shape
    }
    role_tooltip(set, Role::CluePicture, tip, id);
  }
}

}  // namespace zerdo
