// The board range (3x3 or 4x4), the anchor and colour-pattern options and the
// window caption.
#include "model/assert.h"
#include "play/frm_main.h"
#include "texts/captions.h"
#include "view/commands.h"

namespace zerdo {

// The range in force, its check mark, the layout and the caption.
void FrmMain::set_range(Int code) {
  const bool four = code == kRange4x4;
  s_.range_name = four ? "4x4" : "3x3";
  s_.shape.range_code = code;
  menu_item(Command::Range3x3).checked = !four;
  menu_item(Command::Range4x4).checked = four;
  lay_out_board();
  set_form_caption();
  if (loaded_) show_zoom_state();
}

void FrmMain::set_range_3x3() { set_range(kRange3x3); }
void FrmMain::set_range_4x4() { set_range(kRange4x4); }

void FrmMain::set_range_3x3_and_generate() {
  set_range_3x3();
  generate_puzzle();
}

void FrmMain::set_range_4x4_and_generate() {
  set_range_4x4();
  generate_puzzle();
}

void FrmMain::choose_range_3x3() {
  work_start();
  set_range_3x3_and_generate();
  work_stop();
}

void FrmMain::choose_range_4x4() {
  work_start();
  set_range_4x4_and_generate();
  work_stop();
}

void FrmMain::toggle_anchors() {
  MenuItem& m = menu_item(Command::Anchors);
  s_.anker_option = !m.checked;
  m.checked = s_.anker_option;
}

void FrmMain::toggle_colour_marks() {
  MenuItem& m = menu_item(Command::ColourMarks);
  s_.colour_marks = !m.checked;
  m.checked = s_.colour_marks;
}

void FrmMain::lay_out_board() {
  const Layout& L = view_.lay_out_board(s_.shape.range_code);
  s_.shape.field_count = static_cast<Int>(view_.field_count());
  s_.shape.side = static_cast<Int>(view_.side());
  ZERDO_ASSERT((s_.shape.range_code == kRange3x3 || s_.shape.is_4x4()) &&
               s_.shape.field_count == s_.shape.side * s_.shape.side &&
               s_.shape.side == (s_.shape.is_4x4() ? 4 : 3));
  if (window_.width != L.window_width) window_.width = L.window_width;
  if (window_.height != L.window_height) window_.height = L.window_height;
  panels_[1].width = status_panel1_width(L.window_width);
}

void FrmMain::set_form_caption() {
  window_.caption =
      std::string(kWindowCaptionLead) + s_.range_name +
      (s_.user_name.empty() ? std::string(kNoUser) : std::string(kUserIs) + s_.user_name);
}

}  // namespace zerdo
