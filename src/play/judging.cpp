// Judging a full board and the solution window.
#include "model/number_text.h"
#include "model/pictures.h"
#include "play/frm_main.h"
#include "texts/messages.h"
#include "texts/windows.h"

namespace zerdo {

bool FrmMain::field_ok(int f) const {
  const int k = s_.solution[static_cast<std::size_t>(f)];
  return s_.placement[static_cast<std::size_t>(piece_of(k))] == f;
}

void FrmMain::gewinnaussage() {
  const int n = s_.shape.field_count;
  for (int p = 1; p <= n; ++p)
    if (s_.placement[static_cast<std::size_t>(p)] == 0) return;
  int good = 0;
  for (int f = 1; f <= n; ++f) good += field_ok(f);
  const bool right = good == n;
  setStatusBarZerdo(s_.puzzle_id, s_.moves, "", right);
  const int lang = s_.language_code;
  Int& counter =
      s_.range_stats[static_cast<std::size_t>(s_.shape.range_code)][right ? kRowWon : kRowLost];
  counter = clamp16(long{counter} + 1);
  if (right) {
    const std::string text = s_.moves == n
                                 ? std::string(in(msg::kPraise1, lang)) + str_num(n) +
                                       std::string(in(msg::kPraise2, lang))
                                 : std::string(in(msg::kMore1, lang)) + str_num(n) +
                                       std::string(in(msg::kMore2, lang)) + str_num(s_.moves) +
                                       std::string(in(msg::kMore3, lang));
    box(std::string(msg::kTitle), text);
    return;
  }
  if (!menus_.find("mnuHelpResultEnable")->checked) return;
  const std::string question =
      std::string(in(msg::kWrong1, lang)) + str_num(n - good) + std::string(msg::kWrong2);
  if (box(std::string(in(msg::kWrongTitle, lang)), question, Buttons::YesNoCancel,
          Icon::Exclamation) == Answer::Yes)
    show_solution_window();
}

void FrmMain::mnuHelpResultEnable_Click() {
  MenuItem* m = menus_.find("mnuHelpResultEnable");
  m->checked = !m->checked;
}

// The solution window shows every piece on its right field and marks each
// field whose current piece is wrong.
void FrmMain::show_solution_window() {
  const int lang = s_.language_code;
  const bool four = s_.shape.is_4x4();
  const int grow = four ? 960 : 0;
  Form form;
  form.name = "frmLoesung";
  form.caption = std::string(in(solution_window::kCaption, lang)) + " " + s_.range_name;
  form.width = static_cast<Int>(3255 + grow);
  form.height = static_cast<Int>(3990 + grow);

  Control frame;
  frame.kind = ControlKind::Frame;
  frame.name = "Frame10";
  frame.caption = std::string(in(solution_window::kFrame, lang));
  frame.border = 1;
  frame.back_colour = kWindowColour;
  frame.left = 60;
  frame.top = 120;
  frame.width = four ? 3975 : 3015;
  frame.height = four ? 4210 : 3255;
  form.controls.add(frame);

  Control cell = frame;
  cell.name = "Frame1";
  cell.caption = "";
  cell.width = 855;
  cell.height = 975;
  const auto first_cell = form.controls.add_array(cell, 16);
  for (int i = 0; i < 16; ++i) {
    Control& c = form.controls[first_cell + static_cast<std::size_t>(i)];
    const int r = i / (four ? 4 : 3), col = i % (four ? 4 : 3);
    c.left = static_cast<Int>(180 + 960 * col);
    c.top = static_cast<Int>(360 + 960 * r);
    c.visible = four || i < 9;
    c.tooltip = std::string(solution_window::kFieldTip) + std::to_string(i + 1);
  }

  const auto first_picture = form.controls.size();
  for (int k = 1; k <= 16; ++k) {
    Control p;
    p.kind = ControlKind::Picture;
    p.name = "Picture_" + std::string(picture_name(k));
    p.picture = k;
    p.border = 0;
    p.width = p.height = 720;
    p.visible = false;
    form.controls.add(p);
  }

  Control ok;
  ok.kind = ControlKind::Button;
  ok.name = "cmdOK";
  ok.caption = std::string(kOkCaption);
  ok.left = static_cast<Int>(1620 + grow);
  ok.top = static_cast<Int>(3480 + grow);
  ok.width = 1467;
  ok.height = 345;
  ok.back_colour = kWindowColour;
  form.controls.add(ok);

  const int n = s_.shape.side;
  const int dx = four ? 80 : 64, dy = four ? 200 : 192;
  const std::string wrong(in(solution_window::kWrong, lang));
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      const int f = n * r + c + 1;
      form.controls[first_cell + static_cast<std::size_t>(f - 1)].caption =
          field_ok(f) ? "" : wrong;
      const int k = s_.solution[static_cast<std::size_t>(f)];
      if (k < 1 || k > 16) continue;
      Control& p = form.controls[first_picture + static_cast<std::size_t>(k - 1)];
      p.left = static_cast<Int>(180 + 960 * c + dx);
      p.top = static_cast<Int>(360 + 960 * r + dy);
      p.visible = true;
    }
  show_form(form);
}

}  // namespace zerdo
