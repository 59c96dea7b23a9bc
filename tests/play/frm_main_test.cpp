#include "play/frm_main.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue/builtin.h"
#include "model/levels.h"
#include "model/pictures.h"
#include "play/fake_platform.h"
#include "records/records.h"
#include "solving/solver.h"

namespace zerdo {
namespace {

using testing::FakePlatform;

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { w.start_up(); }

  const Control& piece(int k) {
    return *w.controls().find("Picture_" + std::string(picture_name(k)));
  }
  void drag(int k, long left, long top) {
    w.picture_mouse_down(k);
    w.picture_mouse_move(k, left - piece(k).left, top - piece(k).top);
    w.picture_mouse_up(k);
  }
  // Drops picture k right onto field f of the 3x3 board.
  void drop_on_field(int k, int f) {
    const int n = w.state().shape.side;
    drag(k, 180 + 960 * ((f - 1) % n) + 100, (n == 3 ? 4020 : 4800) + 960 * ((f - 1) / n) + 100);
  }
  // Puts every piece on its solution field, in field order.
  void solve() {
    for (int f = 1; f <= w.state().shape.field_count; ++f) drop_on_field(w.state().solution[f], f);
  }

  FakePlatform platform;
  FrmMain w{platform};
};

TEST_F(MainWindow, StartsWithBuiltinA1OnTheSmallBoard) {
  const MainState& s = w.state();
  EXPECT_EQ(s.puzzle_id, "A1");
  EXPECT_EQ(s.level, 1);
  EXPECT_EQ(s.shape.field_count, 9);
  EXPECT_EQ(w.window().caption, "Zerdo 3x3  No User");
  EXPECT_EQ(w.panels()[1].text, "Zerdo : A1        Zug 0");
  EXPECT_EQ(w.panels()[2].text, "run");
  EXPECT_EQ(w.panels()[3].text, "1.1.6");
  EXPECT_TRUE(w.menus().find("mnuStufeA")->checked);
  EXPECT_TRUE(w.menus().find("mnuFileAgain")->enabled);
  EXPECT_FALSE(w.menus().find("mnuFileRun")->enabled);
  EXPECT_FALSE(w.window().hourglass);
  EXPECT_TRUE(platform.boxes.empty());
  // Row 1 of A1: card 1 is about field 2 and shows vier_vert there.
  EXPECT_EQ(s.sn(1, sn_field), 2);
  EXPECT_EQ(s.sn(1, sn_pict), 9);
  EXPECT_EQ(s.sn(1, sn_titel), -1);
  EXPECT_EQ(s.solution[2], 9);
}

// Every built-in puzzle installs its cards and is won with exactly nine drags.
TEST_F(MainWindow, EveryBuiltinPuzzleIsWonWithNineDrags) {
  for (const BuiltinPuzzle& p : kBuiltinPuzzles) {
    SCOPED_TRACE(std::string(p.id));
    ASSERT_TRUE(w.choose_menu("mnuFileZerdo" + std::string(p.id)));
    EXPECT_EQ(w.state().puzzle_id, p.id);
    EXPECT_EQ(w.state().level, p.level);
    for (int card = 1; card <= 9; ++card) {
      const CardRecord c = *decode_card(p, card);
      EXPECT_EQ(w.state().sn(card, sn_field), c.field);
      EXPECT_EQ(w.state().sn(card, sn_sperre), c.sperre);
      EXPECT_EQ(w.state().solution[c.field], c.loesung);
      EXPECT_EQ(w.controls().find("Frame_1_0(" + std::to_string(card - 1) + ")")->caption,
                p.level == 7 ? "?" : std::to_string(card));
    }
    platform.boxes.clear();
    solve();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, "Zerdo");
    EXPECT_EQ(platform.boxes[0].text, "!! Sehr gut : gewonnen und nur 9 mal gezogen!!");
    EXPECT_EQ(platform.boxes[0].buttons, Buttons::Ok);
  }
  EXPECT_EQ(w.state().range_stats[1][11], 40);
}

TEST_F(MainWindow, ReleasePointDecidesTheFieldAndEveryReleaseCounts) {
  const int k = 9;  // vier_vert
  drag(k, 1100, 3980);
  EXPECT_EQ(piece(k).left, 1220);
  EXPECT_EQ(piece(k).top, 4120);
  EXPECT_EQ(w.state().placement[9], 2);
  drag(k, 110, 4020);  // x + 50 = 160 lies left of the board
  EXPECT_EQ(w.state().placement[9], 0);
  EXPECT_EQ(piece(k).left, 240 + 960 * 2);
  EXPECT_EQ(piece(k).top, 540 + 960 * 2);
  // A click without a move counts as well, and a release without a press too.
  w.picture_mouse_down(k);
  w.picture_mouse_up(k);
  w.picture_mouse_up(1);
  EXPECT_EQ(w.state().moves, 4);
}

TEST_F(MainWindow, WildPointerIsClampedAndMovesSaturate) {
  w.picture_mouse_down(1);
  w.picture_mouse_move(1, 5'000'000'000L, -5'000'000'000L);
  EXPECT_EQ(piece(1).left, 32767);
  EXPECT_EQ(piece(1).top, -32768);
  w.picture_mouse_up(1);
  EXPECT_EQ(w.state().placement[1], 0);
  for (int i = 0; i < 33000; ++i) w.picture_mouse_up(1);
  EXPECT_EQ(w.state().moves, 32767);
}

TEST_F(MainWindow, WrongBoardIsLostAndOffersTheSolutionWindow) {
  // Swap the pieces of the first two fields.
  const auto sol = w.state().solution;
  platform.answers.push_back(Answer::Yes);
  for (int f = 1; f <= 9; ++f) drop_on_field(sol[f == 1 ? 2 : f == 2 ? 1 : f], f);
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].title, "Leider nicht richtig.");
  EXPECT_EQ(platform.boxes[0].text, "Soll angezeigt werden welche verkehrt sind? ( 2)");
  EXPECT_EQ(platform.boxes[0].icon, Icon::Exclamation);
  EXPECT_EQ(w.state().range_stats[1][12], 1);
  const Form* f = w.last_form("frmLoesung");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->caption, "Zerdo Lösung 3x3");
  EXPECT_EQ(f->controls.find("Frame1(0)")->caption, " Fehler");
  EXPECT_EQ(f->controls.find("Frame1(1)")->caption, " Fehler");
  EXPECT_EQ(f->controls.find("Frame1(2)")->caption, "");
  const Control* p = f->controls.find("Picture_" + std::string(picture_name(sol[2])));
  EXPECT_TRUE(p->visible);
  EXPECT_EQ(p->left, 180 + 960 + 64);
  EXPECT_EQ(p->top, 360 + 192);

  // Without the check mark the board is still counted, but nothing is asked.
  w.choose_menu("mnuHelpResultEnable");
  platform.boxes.clear();
  drop_on_field(sol[3], 3);
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(w.state().range_stats[1][12], 2);
}

// G5 has two boards that fit every card: the one it was made with and
// another. Each is won with praise, counted, and offers no solution window.
TEST_F(MainWindow, EveryBoardThatFitsTheCardsIsWon) {
  ASSERT_TRUE(w.choose_menu("mnuFileZerdoG5"));
  Arrangement made{};
  for (int f = 1; f <= 9; ++f) made[static_cast<std::size_t>(f)] = w.state().solution[f];
  const std::vector<Arrangement> boards = Solver(w.state().sn, w.state().shape).boards();
  ASSERT_EQ(boards.size(), 2u);
  const Arrangement other = boards[0] == made ? boards[1] : boards[0];
  int won = 0;
  for (const Arrangement& b : {other, made}) {
    ASSERT_TRUE(w.choose_menu("mnuFileZerdoG5"));
    platform.boxes.clear();
    for (int f = 1; f <= 9; ++f) drop_on_field(b[static_cast<std::size_t>(f)], f);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "!! Sehr gut : gewonnen und nur 9 mal gezogen!!");
    EXPECT_EQ(w.state().range_stats[1][11], ++won);
  }
  EXPECT_EQ(w.state().range_stats[1][12], 0);
  EXPECT_EQ(w.last_form("frmLoesung"), nullptr);
}

// Asking for a hint at every step and doing only what it shows, from an empty
// board, ends in the praise, whether the stored solution fits the cards
// (A1, G8 with its many answers) or not (G6, G9). Piece, field and deciding
// cards are lit until the next move; the hinted game is won and counted but
// sets no best time, and the status line says so. The next game without a
// hint sets one.
TEST_F(MainWindow, HintsAloneLeadToThePraiseButToNoBestTime) {
  int won = 0;
  for (const char* id : {"A1", "G6", "G8", "G9"}) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(w.choose_menu(std::string("mnuFileZerdo") + id));
    platform.boxes.clear();
    for (int step = 1; step <= 9; ++step) {
      ASSERT_TRUE(w.press_key("H"));
      ASSERT_TRUE(w.state().hint.has_value());
      const Hint h = *w.state().hint;
      ASSERT_EQ(h.kind, Hint::Kind::Place) << "step " << step;
      const Control& field = *w.controls().find("spielfeld(" + std::to_string(h.field) + ")");
      EXPECT_TRUE(piece(h.picture).highlighted);
      EXPECT_TRUE(field.highlighted);
      for (const Int card : h.cards)
        EXPECT_TRUE(w.controls().find("Frame_1_0(" + std::to_string(card - 1) + ")")->highlighted);
      drop_on_field(h.picture, h.field);
      EXPECT_FALSE(piece(h.picture).highlighted);
      EXPECT_FALSE(field.highlighted);
    }
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "!! Sehr gut : gewonnen und nur 9 mal gezogen!!");
    EXPECT_EQ(w.state().range_stats[1][kRowWon], ++won);
    EXPECT_NE(w.panels()[1].text.find("Sekunden  (Hinweis benutzt: keine Bestzeit)"),
              std::string::npos);
  }
  for (Int level = 1; level <= kLevels; ++level)
    EXPECT_EQ(w.state().range_stats[1][static_cast<std::size_t>(level)], kNoRecord);
  ASSERT_TRUE(w.choose_menu("mnuFileZerdoA1"));
  solve();
  EXPECT_LT(w.state().range_stats[1][1], kNoRecord);
  EXPECT_EQ(w.panels()[1].text.find("Hinweis"), std::string::npos);
}

// The hint in words after the status line: a piece a card decides, a wrong
// piece, and nothing once the board is full and right.
TEST_F(MainWindow, HintIsToldInTheStatusLine) {
  ASSERT_TRUE(w.press_key("H"));
  EXPECT_EQ(w.panels()[1].text,
            "Zerdo : A1        Zug 0        Hinweis: Kreis rot gehört auf Feld 1 (Karte 8)");
  EXPECT_EQ(w.state().hint_words, "Hinweis: Kreis rot gehört auf Feld 1 (Karte 8)");
  drop_on_field(5, 2);  // the red circle on another's field
  ASSERT_TRUE(w.press_key("H"));
  EXPECT_EQ(w.state().hint_words, "Hinweis: Kreis rot auf Feld 2 ist falsch");
  ASSERT_TRUE(w.choose_menu("mnuFileZerdoA1"));
  solve();
  ASSERT_TRUE(w.press_key("H"));
  EXPECT_EQ(w.state().hint_words, "Hinweis: nichts zu zeigen");
  EXPECT_EQ(w.panels()[1].text.find("(Hinweis benutzt"), std::string::npos);
}

TEST_F(MainWindow, MoreMovesThanFieldsIsRightButNotPraised) {
  drop_on_field(1, 9);
  solve();
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].text, "!! Richtig, aber mehr als 9 mal gezogen !! ( 10 mal)");
}

TEST_F(MainWindow, UndoAndRedoAreMovesSoAFixedSlipIsNotPraised) {
  EXPECT_FALSE(w.press_key("Ctrl+Z"));  // nothing to take back yet
  const auto sol = w.state().solution;
  drop_on_field(sol[1], 2);  // the slip
  const Control slipped = piece(sol[1]);
  EXPECT_TRUE(w.press_key("Ctrl+Z"));
  EXPECT_EQ(w.state().placement[sol[1]], 0);
  EXPECT_NE(piece(sol[1]).left, slipped.left);  // home in the stock
  EXPECT_TRUE(w.press_key("Ctrl+Shift+Z"));     // Redo by either key
  EXPECT_EQ(piece(sol[1]).left, slipped.left);
  EXPECT_EQ(piece(sol[1]).top, slipped.top);
  EXPECT_TRUE(w.press_key("Ctrl+Z"));
  EXPECT_TRUE(w.press_key("Ctrl+Y"));
  EXPECT_TRUE(w.choose_menu("mnuFileUndo"));
  EXPECT_FALSE(w.menus().find("mnuFileUndo")->enabled);
  EXPECT_TRUE(w.menus().find("mnuFileRedo")->enabled);
  EXPECT_EQ(w.state().moves, 6);
  EXPECT_EQ(w.panels()[1].text.rfind("Zerdo : A1        Zug 6 ", 0), 0u) << w.panels()[1].text;
  solve();
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].text, "!! Richtig, aber mehr als 9 mal gezogen !! ( 15 mal)");
  EXPECT_FALSE(w.menus().find("mnuFileRedo")->enabled);  // a new release forgot it
}

TEST_F(MainWindow, UndoAfterAJudgedBoardJudgesNothingUntilItIsFullAgain) {
  const auto sol = w.state().solution;
  const auto won = [&] { return w.state().range_stats[1][kRowWon]; };
  const auto lost = [&] { return w.state().range_stats[1][kRowLost]; };
  solve();
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(won(), 1);
  ASSERT_TRUE(w.choose_menu("mnuFileUndo"));  // the last piece back to the stock
  EXPECT_EQ(w.state().placement[sol[9]], 0);
  ASSERT_TRUE(w.choose_menu("mnuFileRedo"));  // full again: judged again
  EXPECT_EQ(platform.boxes.size(), 2u);
  EXPECT_EQ(won(), 2);

  // A piece moved from one field to another leaves the board full; taking
  // that back is no new verdict, though the board is full and right.
  platform.answers.push_back(Answer::No);
  drop_on_field(sol[1], 2);
  EXPECT_EQ(lost(), 1);
  ASSERT_TRUE(w.choose_menu("mnuFileUndo"));
  EXPECT_EQ(w.state().judge().outcome, Outcome::Right);
  EXPECT_EQ(platform.boxes.size(), 3u);
  EXPECT_EQ(won(), 2);
  EXPECT_EQ(lost(), 1);
}

TEST_F(MainWindow, UndoLeavesAHeldPieceAndAStoppedGameAlone) {
  drop_on_field(1, 5);
  drop_on_field(2, 6);
  w.picture_mouse_down(3);
  w.picture_mouse_move(3, 300, 400);
  const Control held = piece(3);
  EXPECT_TRUE(w.press_key("Ctrl+Z"));
  EXPECT_EQ(w.state().placement[2], 6);
  EXPECT_EQ(w.state().moves, 2);
  EXPECT_EQ(piece(3).left, held.left);
  EXPECT_EQ(piece(3).top, held.top);
  w.picture_mouse_up(3);
  EXPECT_TRUE(w.press_key("Ctrl+Z"));  // takes the release of piece 3 back
  EXPECT_EQ(w.state().placement[3], 0);
  EXPECT_EQ(w.state().placement[2], 6);

  w.choose_menu("mnuFileStop");
  EXPECT_FALSE(w.press_key("Ctrl+Z"));
  EXPECT_FALSE(w.press_key("Ctrl+Y"));
  w.choose_menu("mnuFileRun");
  EXPECT_TRUE(w.press_key("Ctrl+Y"));
  EXPECT_EQ(w.state().moves, 5);
}

TEST_F(MainWindow, NewCardsAndAgainClearUndoAndRedo) {
  for (const char* menu :
       {"mnuFileAgain", "mnuFileNew", "mnuFileNext", "mnuStufeC", "mnuFileSetupRange4x4"}) {
    drop_on_field(1, 1);
    drop_on_field(2, 2);
    ASSERT_TRUE(w.choose_menu("mnuFileUndo"));
    ASSERT_TRUE(w.choose_menu(menu));
    EXPECT_FALSE(w.menus().find("mnuFileUndo")->enabled) << menu;
    EXPECT_FALSE(w.menus().find("mnuFileRedo")->enabled) << menu;
    EXPECT_FALSE(w.press_key("Ctrl+Y")) << menu;
  }
}

TEST_F(MainWindow, NextAndPreviousWalkTheBuiltinSequence) {
  const struct {
    const char* from;
    const char* menu;
    const char* to;
  } cases[] = {{"G10", "mnuFileNext", "A1"},       {"A1", "mnuFilePrevious", "G10"},
               {"A5", "mnuFileNext", "B1"},        {"G1", "mnuFilePrevious", "F5"},
               {"mnuStufeB", "mnuFileNext", "A1"}, {"mnuStufeB", "mnuFilePrevious", "A1"}};
  for (const auto& c : cases) {
    const std::string from = c.from;
    w.choose_menu(from.rfind("mnu", 0) == 0 ? from : "mnuFileZerdo" + from);
    w.choose_menu(c.menu);
    EXPECT_EQ(w.state().puzzle_id, c.to) << c.from << " " << c.menu;
  }
}

TEST_F(MainWindow, StopFreezesPiecesAndThePauseIsNotPlayTime) {
  drop_on_field(w.state().solution[1], 1);
  platform.now += 2000;
  w.choose_menu("mnuFileStop");
  EXPECT_EQ(w.state().play_mode, 2);
  EXPECT_EQ(w.panels()[2].text, "stop");
  EXPECT_FALSE(w.menus().find("mnuFileStop")->enabled);
  EXPECT_TRUE(w.menus().find("mnuFileRun")->enabled);
  drag(1, 1100, 3980);
  EXPECT_EQ(w.state().moves, 1);
  platform.now += 30000;
  EXPECT_TRUE(w.press_key("F6"));
  platform.now += 1300;
  drop_on_field(w.state().solution[2], 2);
  EXPECT_EQ(w.panels()[1].text, "Zerdo : A1        Zug 2        Spielzeit:  3.3 Sekunden  ");
}

TEST_F(MainWindow, SonstShowsAllButTheLastTwoPieces) {
  for (const char* range : {"mnuFileSetupRange3x3", "mnuFileSetupRange4x4"}) {
    w.choose_menu(range);
    EXPECT_TRUE(w.press_key("Ctrl+N"));
    const int n = w.state().shape.field_count;
    EXPECT_EQ(w.state().moves, n - 2);
    for (int k = 1; k <= 16; ++k) {  // picture ids
      const int p = w.state().tables.piece_of_picture[w.state().shape.range_code][k];
      if (p == 0) continue;
      const int field = w.state().placement[p];
      if (k <= n - 2)
        EXPECT_EQ(w.state().solution[field], k) << range << " picture " << k;
      else
        EXPECT_EQ(field, 0) << range << " picture " << k;
    }
  }
  EXPECT_FALSE(w.choose_menu("mnuFileSonst"));  // hidden: reachable only through its key
}

TEST_F(MainWindow, BuiltinPuzzleOnTheLargeBoardSwitchesBack) {
  w.choose_menu("mnuFileSetupRange4x4");
  EXPECT_EQ(w.window().caption, "Zerdo 4x4  No User");
  EXPECT_EQ(w.window().width, 15165);
  EXPECT_TRUE(w.menus().find("mnuFileSetupRange4x4")->checked);
  EXPECT_FALSE(w.menus().find("mnuFileSetupRange3x3")->checked);
  w.choose_menu("mnuFileZerdoC2");
  EXPECT_EQ(w.state().shape.field_count, 9);
  EXPECT_EQ(w.state().puzzle_id, "Cx");
  EXPECT_EQ(w.state().sn(1, sn_sperre), 1 + 2 + 8 + 32 + 128 + 256);  // C2 card 1: s124689
}

TEST_F(MainWindow, LevelMenuGeneratesOnlyOnAChange) {
  w.choose_menu("mnuStufeC");
  EXPECT_EQ(w.state().puzzle_id, "Cx");
  const CardTable cards = w.state().sn;
  drop_on_field(1, 1);
  w.choose_menu("mnuStufeC");
  EXPECT_EQ(w.state().puzzle_id, "C-");
  EXPECT_EQ(w.state().sn, cards);
  EXPECT_EQ(w.state().moves, 0);
  EXPECT_EQ(w.state().placement[1], 0);
  int checked = 0;
  for (char l = 'A'; l <= 'I'; ++l) checked += w.menus().find(std::string("mnuStufe") + l)->checked;
  EXPECT_EQ(checked, 1);
}

TEST_F(MainWindow, TimerPullsTheWindowBackOntoTheScreen) {
  w.window_moved(20000, -300, 11895, 8040);
  w.tick();
  EXPECT_EQ(w.window().left, 0);
  EXPECT_EQ(w.window().top, 0);
  EXPECT_EQ(w.panels()[4].text, "12:00:00");
  EXPECT_EQ(w.panels()[1].width, 11895 - 3250);
  platform.state = WindowState::Maximized;
  w.window_moved(20000, 0, 11895, 8040);
  w.tick();
  EXPECT_EQ(w.window().left, 20000);
}

}  // namespace
}  // namespace zerdo
