// What each control is: the roles of the main window's and the secondary
// windows' controls under the names scripts know them by, and the state
// flags the controller sets on them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "model/pictures.h"
#include "play/fake_platform.h"
#include "play/frm_main.h"
#include "texts/paper.h"
#include "view/board_reader.h"

namespace zerdo {
namespace {

using testing::FakePlatform;

// The role of a main window control, from the name scripts know it by.
Role board_role(const Control& c) {
  static const std::map<std::string, Role> kByName = {{"Frame_Zerdos", Role::StockFrame},
                                                      {"spielfeld", Role::BoardField},
                                                      {"Frame_1_0", Role::Card},
                                                      {"Text_grau", Role::MustField},
                                                      {"kreuz", Role::Cross},
                                                      {"FrameTip", Role::Tip}};
  if (c.name == "spielfeld" && c.index == 0) return Role::BoardFrame;
  if (auto it = kByName.find(c.name); it != kByName.end()) return it->second;
  if (c.name.rfind("Frame_1_", 0) == 0) return Role::CardCell;
  if (c.name.rfind("Picture_", 0) == 0) return c.index < 0 ? Role::Piece : Role::CluePicture;
  return Role::Other;
}

class Roles : public ::testing::Test {
 protected:
  void SetUp() override { w.start_up(); }

  const Control& card(int nr) {
    return *w.controls().find("Frame_1_0(" + std::to_string(nr - 1) + ")");
  }
  void drag_to_field(int k, int f) {
    const Control& p = *w.controls().find("Picture_" + std::string(picture_name(k)));
    const Control& field = *w.controls().find("spielfeld(" + std::to_string(f) + ")");
    w.picture_mouse_down(k);
    w.picture_mouse_move(k, field.left + 100 - p.left, field.top + 100 - p.top);
    w.picture_mouse_up(k);
  }

  FakePlatform platform;
  FrmMain w{platform};
};

TEST_F(Roles, EveryBoardControlOfBothRangesHasItsRole) {
  const std::map<Role, int> counts = {{Role::StockFrame, 1},
                                      {Role::BoardFrame, 1},
                                      {Role::BoardField, 16},
                                      {Role::Card, 16},
                                      {Role::CardCell, 256},
                                      {Role::MustField, 17},
                                      {Role::CluePicture, 24 * BoardView::kInstances},
                                      {Role::Cross, BoardView::kCrosses},
                                      {Role::Tip, 1},
                                      {Role::Piece, kPieceIds}};
  for (const char* range : {"mnuFileSetupRange3x3", "mnuFileSetupRange4x4"}) {
    SCOPED_TRACE(range);
    ASSERT_TRUE(w.choose_menu(range));
    std::map<Role, int> seen;
    for (const Control& c : w.controls().all()) {
      EXPECT_EQ(board_role(c), c.role) << c.full_name();
      EXPECT_EQ(kind_of(c.role), c.kind) << c.full_name();
      ++seen[c.role];
    }
    EXPECT_EQ(counts, seen);
  }
}

TEST_F(Roles, EveryControlOfTheSecondaryWindowsHasItsRole) {
  struct Row {
    const char* form;
    std::string control;
    Role role;
  };
  std::vector<Row> rows = {
      {"frmAbout", "picIcon", Role::ProgramIcon},
      {"frmAbout", "lblTitle", Role::Title},
      {"frmAbout", "lblVersion", Role::Text},
      {"frmAbout", "lblDescription", Role::Text},
      {"frmAbout", "lblDisclaimer", Role::Text},
      {"frmAbout", "cmdOK", Role::OkButton},
      {"frmAbout", "cmdSysInfo", Role::Button},
      {"DialogUser", "Frame1", Role::NameFrame},
      {"DialogUser", "username", Role::NameBox},
      {"DialogUser", "OKButton", Role::OkButton},
      {"DialogUser", "CancelButton", Role::CancelButton},
      {"frmLoesung", "Frame10", Role::SolutionFrame},
      {"frmLoesung", "cmdOK", Role::OkButton},
  };
  for (int i = 0; i < 16; ++i)
    rows.push_back({"frmLoesung", "Frame1(" + std::to_string(i) + ")", Role::SolutionField});
  for (int k = 1; k <= kPieceIds; ++k)
    rows.push_back({"frmLoesung", "Picture_" + std::string(picture_name(k)), Role::SolutionPiece});

  ASSERT_TRUE(w.choose_menu("mnuHelpAbout"));
  platform.form_clicks.push_back("CancelButton");
  ASSERT_TRUE(w.choose_menu("mnuFileUser"));
  platform.answers.push_back(Answer::Yes);  // show the wrong fields
  const auto solution = w.state().solution;
  for (int f = 1; f <= 9; ++f) drag_to_field(solution[f == 1 ? 2 : f == 2 ? 1 : f], f);

  std::map<std::string, int> per_form;
  for (const Row& r : rows) {
    const Form* form = w.last_form(r.form);
    ASSERT_NE(nullptr, form) << r.form;
    const Control* c = form->controls.find(r.control);
    ASSERT_NE(nullptr, c) << r.form << " " << r.control;
    EXPECT_EQ(r.role, c->role) << r.form << " " << r.control;
    EXPECT_EQ(kind_of(r.role), c->kind) << r.form << " " << r.control;
    ++per_form[r.form];
  }
  // The table holds every control of each window.
  for (const auto& [name, count] : per_form)
    EXPECT_EQ(count, static_cast<int>(w.last_form(name)->controls.size())) << name;
}

TEST_F(Roles, CardMarksAreFlagsOnTheCardsThatTheReaderTells) {
  const auto read = [this] {
    return read_board(
        {w.controls(), w.state().sn, w.state().shape.field_count, {}, 0, w.state().language_code});
  };
  const auto card_name = [&read](int nr) {
    for (const ReaderItem& r : read())
      if (r.kind == ReaderItem::Kind::Card && r.index == nr) return r.name;
    return std::string();
  };
  ASSERT_TRUE(w.card_click(3));
  ASSERT_TRUE(w.card_click(7));
  for (int nr = 1; nr <= 16; ++nr) EXPECT_EQ(nr == 3 || nr == 7, card(nr).marked) << nr;
  EXPECT_EQ(card_name(3), "Karte 3, " + std::string(in(msg::kCardMarked, 0)));
  EXPECT_EQ(card_name(4), "Karte 4");
  ASSERT_TRUE(w.card_click(3));
  EXPECT_FALSE(card(3).marked);
  EXPECT_EQ(card_name(3), "Karte 3");
  // New cards come without marks.
  ASSERT_TRUE(w.choose_menu("mnuFileSetupRange4x4"));
  EXPECT_FALSE(card(7).marked);
  // Nothing points a control out yet.
  for (const Control& c : w.controls().all()) EXPECT_FALSE(c.highlighted) << c.full_name();
}

TEST_F(Roles, TheSolutionWindowFlagsTheWrongFields) {
  platform.answers.push_back(Answer::Yes);
  const auto solution = w.state().solution;
  // The pieces of fields 4 and 8 swapped.
  for (int f = 1; f <= 9; ++f) drag_to_field(solution[f == 4 ? 8 : f == 8 ? 4 : f], f);
  const Form* form = w.last_form("frmLoesung");
  ASSERT_NE(nullptr, form);
  for (int f = 1; f <= 16; ++f) {
    const Control& field = *form->controls.find("Frame1(" + std::to_string(f - 1) + ")");
    EXPECT_EQ(f == 4 || f == 8, field.wrong) << f;
    EXPECT_EQ(field.wrong, !field.caption.value_or("").empty()) << f;
  }
}

}  // namespace
}  // namespace zerdo
