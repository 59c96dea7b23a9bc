#pragma once
#include "model/types.h"
#include "texts/captions.h"
#include "view/board_view.h"
#include "view/menus.h"

namespace zerdo {

// Puts the captions of one language on the menu: those of the command table
// and the check mark on the item of the language. Items missing from the
// menu are skipped.
void apply_menu_captions(MenuModel& menus, Int code);

// Puts the tool tips of one language (and the caption of spielfeld(0)) on the
// board, the clue cards and every piece and clue picture.
void apply_board_tooltips(BoardView& view, Int code);

}  // namespace zerdo
