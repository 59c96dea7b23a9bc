#include "ui/captions.h"

#include <string>

#include "model/pictures.h"

namespace zerdo {

Int language_code_of(std::string_view name) {
  for (std::size_t i = 0; i < kLanguageNames.size(); ++i)
    if (kLanguageNames[i] == name) return static_cast<Int>(i);
  return 0;
}

void apply_menu_captions(MenuModel& menus, Int code) {
  const std::size_t l = lang(code);
  for (const CaptionRow& row : kMenuCaptions)
    if (MenuItem* m = menus.find(row.control)) m->caption = std::string(row.text[l]);
  for (std::size_t i = 0; i < kLanguageItems.size(); ++i)
    if (MenuItem* m = menus.find(kLanguageItems[i])) m->checked = i == l;
}

namespace {

// Sets the tool tip of every element of the control array that starts at
// "name(0)"; arrays are laid down in one run, so element i has id first + i.
void array_tooltip(ControlSet& set, const std::string& name, int count, std::string_view tip) {
  const auto first = set.id_of(name + "(0)");
  if (!first) return;
  for (int i = 0; i < count; ++i) set[*first + static_cast<std::size_t>(i)].tooltip = std::string(tip);
}

}  // namespace

void apply_board_tooltips(BoardView& view, Int code) {
  const std::size_t l = lang(code);
  const BoardWords& w = kBoardWords[l];
  ControlSet& set = view.controls();

  array_tooltip(set, "kreuz", BoardView::kCrosses, w.kreuz);
  array_tooltip(set, "Text_grau", 17, w.grau);

  Control& board = view.field(0);
  board.caption = std::string(w.board);
  board.tooltip = std::string(w.board);
  const std::string field_word = std::string(w.field) + " ";
  const std::string card_word = std::string(w.card) + " ";
  for (int i = 1; i <= 16; ++i) view.field(i).tooltip = field_word + std::to_string(i);
  for (int i = 0; i < 16; ++i) {
    const std::string card = card_word + std::to_string(i + 1);
    view.card(i).tooltip = card;
    for (int k = 1; k <= 16; ++k) view.cell(k, i).tooltip = card + std::string(w.cell) + std::to_string(k);
  }

  for (int id = 1; id <= 24; ++id) {
    const PictureInfo& p = kPictures[static_cast<std::size_t>(id)];
    const std::string_view shape = kShapeWords[static_cast<std::size_t>(p.shape)][l];
    const ColourWords& colour = kColourWords[static_cast<std::size_t>(p.colour)];
    std::string tip;
    if (id <= kPieceIds) {
      tip = std::string(shape) + " " + std::string(colour.plain[l]);
      view.piece(id).tooltip = "Zerdo : " + tip;
    } else if (p.shape == 0) {
      tip = std::string(colour.capital[l]);  // a colour blot
    } else {
      tip = std::string(shape);  // a black shape
    }
    array_tooltip(set, "Picture_" + std::string(p.name) + (id <= kPieceIds ? "_x" : ""),
                  BoardView::kInstances, tip);
  }
}

}  // namespace zerdo
