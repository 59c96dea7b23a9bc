// Judging a full board and the solution window.
#include "model/number_text.h"
#include "model/pictures.h"
#include "play/frm_main.h"
#include "texts/messages.h"
#include "texts/windows.h"
#include "view/commands.h"
#include "view/secondary_windows.h"

namespace zerdo {

void FrmMain::judge_board() {
  const Verdict verdict = s_.judge();
  if (verdict.outcome == Outcome::NotFull) return;
  const int n = s_.shape.field_count;
  const bool right = verdict.outcome == Outcome::Right;
  // A game's first judgement is its result; a wrong board mended later is
  // judged again, but the history has the game already.
  if (!s_.judged) add_to_history(right ? GameResult::Won : GameResult::Lost);
  s_.judged = true;
  show_status(s_.puzzle_id, s_.moves);
  // A game helped by a hint is won and counted, but sets no best time.
  if (right && s_.hints == 0) enter_hall_of_fame();
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
  if (!menu_item(Command::ShowResult).checked) return;
  const std::string question = std::string(in(msg::kWrong1, lang)) +
                               str_num(static_cast<long long>(verdict.wrong_fields.size())) +
                               std::string(msg::kWrong2);
  if (box(std::string(in(msg::kWrongTitle, lang)), question, Buttons::YesNoCancel,
          Icon::Exclamation) == Answer::Yes)
    show_solution_window(verdict.wrong_fields);
}

void FrmMain::toggle_show_result() {
  MenuItem& m = menu_item(Command::ShowResult);
  m.checked = !m.checked;
}

namespace {

// The solution window as it opens: the frame around the board, the sixteen
// fields (those beyond the board hidden) and the sixteen pieces (all hidden),
// and the OK button.
struct SolutionForm {
  Form form;
  ControlSet::Id first_field = 0;  // field f is first_field + f - 1
  ControlSet::Id first_piece = 0;  // picture id k is first_piece + k - 1
};

SolutionForm solution_form(const SolutionLayout& at, bool four, int lang,
                           const std::string& range_name) {
  namespace text = solution_window;
  SolutionForm s{{"frmLoesung",
                  std::string(in(text::kCaption, lang)) + " " + range_name,
                  at.width,
                  at.height,
                  {}},
                 0,
                 0};
  ControlSet& c = s.form.controls;
  Control frame =
      window_control(Role::SolutionFrame, "Frame10", at.frame, std::string(in(text::kFrame, lang)));
  frame.border = 1;
  frame.back_colour = kWindowColour;
  c.add(frame);

  Control field = frame;
  field.role = Role::SolutionField;
  field.name = "Frame1";
  field.caption = "";
  field.width = kSolutionField.width;
  field.height = kSolutionField.height;
  s.first_field = c.add_array(field, 16);
  const int side = four ? 4 : 3;
  for (int i = 0; i < 16; ++i) {
    Control& f = c[s.first_field + static_cast<std::size_t>(i)];
    f.left = static_cast<Int>(kSolutionField.left + kSolutionFieldStep * (i % side));
    f.top = static_cast<Int>(kSolutionField.top + kSolutionFieldStep * (i / side));
    f.visible = four || i < 9;
    f.tooltip = std::string(text::kFieldTip) + std::to_string(i + 1);
  }

  s.first_piece = c.size();
  for (int k = 1; k <= 16; ++k) {
    Control p = window_control(Role::SolutionPiece, "Picture_" + std::string(picture_name(k)),
                               {0, 0, kSolutionPieceSize, kSolutionPieceSize});
    p.picture = k;
    p.border = 0;
    p.visible = false;
    c.add(p);
  }

  Control ok = window_control(Role::OkButton, "cmdOK", at.ok, std::string(kOkCaption));
  ok.back_colour = kWindowColour;
  c.add(ok);
  return s;
}

}  // namespace

// The solution window shows every piece on its right field and marks each
// field the judge found wrong.
void FrmMain::show_solution_window(const std::vector<Int>& wrong_fields) {
  const bool four = s_.shape.is_4x4();
  const SolutionLayout& at = four ? kSolution4x4 : kSolution3x3;
  SolutionForm s = solution_form(at, four, s_.language_code, s_.range_name);
  ControlSet& c = s.form.controls;
  const int n = s_.shape.side;
  const std::string wrong(in(solution_window::kWrong, s_.language_code));
  std::array<bool, 17> is_wrong{};
  for (const Int f : wrong_fields) is_wrong[static_cast<std::size_t>(f)] = true;
  for (int row = 0; row < n; ++row)
    for (int col = 0; col < n; ++col) {
      const int f = n * row + col + 1;
      Control& field = c[s.first_field + static_cast<std::size_t>(f - 1)];
      field.wrong = is_wrong[static_cast<std::size_t>(f)];
      field.caption = field.wrong ? wrong : "";
      const int k = s_.solution[static_cast<std::size_t>(f)];
      if (k < 1 || k > 16) continue;
      Control& p = c[s.first_piece + static_cast<std::size_t>(k - 1)];
      p.left = static_cast<Int>(field.left + at.piece_dx);
      p.top = static_cast<Int>(field.top + at.piece_dy);
      p.visible = true;
    }
  show_form(s.form);
}

}  // namespace zerdo
