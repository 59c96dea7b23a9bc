// The three languages of the main window: menu captions, status panel tool
// tips and the tool tips of board, cards and pieces.
#include "play/frm_main.h"
#include "view/captions.h"

namespace zerdo {

void FrmMain::apply_language_name(const std::string& name) { set_language(language_code_of(name)); }

void FrmMain::set_language(Int code) {
  s_.language_code = code >= 0 && code < kLanguages ? code : Int{0};
  s_.language_name = std::string(in(kLanguageNames, code));
  apply_menu_captions(menus_, s_.language_code);
  for (std::size_t p = 1; p <= 4; ++p) panels_[p].tooltip = std::string(in(kPanelTips[p], code));
  apply_board_tooltips(view_, s_.language_code);
}

}  // namespace zerdo
