#include "play/kept_game.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>

#include "play/fake_platform.h"
#include "play/frm_main.h"

namespace zerdo {
namespace {

using testing::FakePlatform;

void expect_same(const Game& a, const Game& b) {
  for (int r = 1; r <= 16; ++r)
    for (int c = 0; c < kColumns; ++c) ASSERT_EQ(a.sn(r, c), b.sn(r, c)) << r << "," << c;
  EXPECT_EQ(a.solution, b.solution);
  EXPECT_EQ(a.placement, b.placement);
  EXPECT_EQ(a.moves, b.moves);
  EXPECT_EQ(a.move_list, b.move_list);
  EXPECT_EQ(a.undo_steps, b.undo_steps);
  EXPECT_EQ(a.redo_steps, b.redo_steps);
  EXPECT_EQ(a.marks, b.marks);
  EXPECT_EQ(a.hints, b.hints);
  EXPECT_EQ(a.judged, b.judged);
  EXPECT_EQ(a.shape.range_code, b.shape.range_code);
  EXPECT_EQ(a.shape.field_count, b.shape.field_count);
  EXPECT_EQ(a.level, b.level);
  EXPECT_EQ(a.puzzle_id, b.puzzle_id);
}

// A game in progress as the window plays it: cards of a built-in or a
// generated puzzle, a few releases, one taken back, two cards ticked off.
KeptGame game_in_progress(const std::string& range, const std::string& puzzle) {
  FakePlatform platform;
  FrmMain w{platform};
  w.start_up();
  w.choose_menu(range);
  w.choose_menu(puzzle);
  for (int k = 1; k <= 3; ++k) {
    w.picture_mouse_down(k);
    w.picture_mouse_move(k, -1500, 600 * k);
    w.picture_mouse_up(k);
  }
  w.choose_menu("mnuFileUndo");
  w.card_click(2);
  w.card_click(5);
  KeptGame kept{w.game(), 123456, false};
  kept.game.hints = 2;
  kept.game.judged = true;
  return kept;
}

TEST(KeptGame, EveryKindOfPuzzleComesBackExactly) {
  const std::pair<const char*, const char*> puzzles[] = {
      {"mnuFileSetupRange3x3", "mnuFileZerdoA1"}, {"mnuFileSetupRange3x3", "mnuFileZerdoG10"},
      {"mnuFileSetupRange3x3", "mnuStufeA"},      {"mnuFileSetupRange3x3", "mnuStufeI"},
      {"mnuFileSetupRange4x4", "mnuStufeE"},      {"mnuFileSetupRange4x4", "mnuStufeI"}};
  for (const auto& [range, puzzle] : puzzles) {
    SCOPED_TRACE(std::string(range) + " " + puzzle);
    const KeptGame kept = game_in_progress(range, puzzle);
    ASSERT_EQ(kept.game.moves, 4);
    const std::string text = write_kept_game(kept);
    const auto back = read_kept_game(text);
    ASSERT_TRUE(back.has_value()) << text;
    expect_same(back->game, kept.game);
    EXPECT_EQ(back->play_ms, 123456);
    EXPECT_FALSE(back->running);
    EXPECT_EQ(write_kept_game(*back), text);
  }
}

// Each case changes a kept game the way a damaged disk or a hand edit
// might, and signs it again where it says so, so that the checks behind the
// check value are reached too.
TEST(KeptGame, ADamagedOrEditedFileIsRefused) {
  const KeptGame kept = game_in_progress("mnuFileSetupRange3x3", "mnuFileZerdoB2");
  const std::string good = write_kept_game(kept);
  ASSERT_TRUE(read_kept_game(good));
  const auto replace = [](std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
  };
  // The text without its check line, changed, and signed again.
  const auto resigned = [&](const std::string& from, const std::string& to) {
    const std::string body = good.substr(0, good.rfind("check="));
    return sign_kept_game(replace(body, from, to));
  };
  const auto edited = [&](const std::function<void(KeptGame&)>& edit) {
    KeptGame k = kept;
    edit(k);
    return write_kept_game(k);
  };
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"empty", ""},
      {"torn in the middle", good.substr(0, good.size() / 2)},
      {"last byte lost", good.substr(0, good.size() - 1)},
      {"edited by hand", replace(good, "hints=2", "hints=0")},
      {"line ends of another system", resigned("\nlevel=", "\r\nlevel=")},
      {"unknown head", resigned("Zerdo kept game 1", "Zerdo kept game 2")},
      {"unknown range", resigned("range=3x3", "range=5x5")},
      {"a line more", good + "x=1\n"},
      {"a line more, signed", sign_kept_game(good.substr(0, good.rfind("check=")) + "x=1\n")},
      {"items out of order", resigned("hints=2\njudged=yes", "judged=yes\nhints=2")},
      {"level 0", edited([](KeptGame& k) { k.game.level = 0; })},
      {"level 10", edited([](KeptGame& k) { k.game.level = 10; })},
      {"name without a level letter", edited([](KeptGame& k) { k.game.puzzle_id = "Q1"; })},
      {"no name", edited([](KeptGame& k) { k.game.puzzle_id = ""; })},
      {"control character in the name", edited([](KeptGame& k) { k.game.puzzle_id = "B\x01"; })},
      {"a card beyond the board", edited([](KeptGame& k) { k.game.sn(3, sn_field) = 12; })},
      {"two cards on one field",
       edited([](KeptGame& k) { k.game.sn(3, sn_field) = k.game.sn(4, sn_field); })},
      {"a picture the cards cannot hold", edited([](KeptGame& k) { k.game.sn(2, sn_pict) = 99; })},
      {"solution not the cards'",
       edited([](KeptGame& k) { std::swap(k.game.solution[1], k.game.solution[2]); })},
      {"piece beyond the board", edited([](KeptGame& k) { k.game.placement[1] = 10; })},
      {"placement not where the moves lead", edited([](KeptGame& k) { k.game.placement[9] = 4; })},
      {"move count not the list's", edited([](KeptGame& k) { k.game.moves = 3; })},
      {"a move from where the piece was not",
       edited([](KeptGame& k) { k.game.move_list[0].from = 5; })},
      {"an undo step that was never made", edited([](KeptGame& k) {
         k.game.undo_steps.push_back({7, 0, 2});
       })},
      {"a redo step from the wrong field",
       edited([](KeptGame& k) { k.game.redo_steps.back().from = 8; })},
      {"a mark that is neither", resigned("marks=0,1,", "marks=2,1,")},
      {"negative hints", resigned("hints=2", "hints=-1")},
      {"hints with a plus", resigned("hints=2", "hints=+2")},
      {"negative time", edited([](KeptGame& k) { k.play_ms = -5; })},
      {"time beyond a year", edited([](KeptGame& k) { k.play_ms = kMaxKeptPlayMs + 1; })},
      {"a huge number", resigned("time=123456", "time=99999999999999999999999")},
      {"unknown clock", resigned("clock=stop", "clock=paused")},
      {"a won board", edited([](KeptGame& k) {
         Game& g = k.game;
         g.restart();
         for (Int f = 1; f <= 9; ++f) g.place(g.piece_of(g.solution[f]), f);
       })},
  };
  for (const auto& c : cases)
    EXPECT_FALSE(read_kept_game(c.text).has_value()) << c.what << "\n" << c.text;
}

// Two runs of the game on one platform: what the first kept, the second
// finds.
class KeptAcrossRuns : public ::testing::Test {
 protected:
  void SetUp() override { first.start_up(); }
  void drag(FrmMain& w, int k, long dx, long dy) {
    w.picture_mouse_down(k);
    w.picture_mouse_move(k, dx, dy);
    w.picture_mouse_up(k);
  }
  static const std::string& kept_name() {
    static const std::string name(kKeptGameFile);
    return name;
  }
  FakePlatform platform;
  FrmMain first{platform};
};

TEST_F(KeptAcrossRuns, ContinueBringsTheGameBackWithItsClock) {
  ASSERT_TRUE(first.choose_menu("mnuFileSetupRange4x4"));
  ASSERT_TRUE(first.choose_menu("mnuStufeF"));
  EXPECT_FALSE(first.menus().find("mnuFileContinue")->enabled);
  drag(first, 1, -1500, 700);
  platform.now += 7000;
  drag(first, 2, -2400, 1600);
  drag(first, 3, 0, 0);
  ASSERT_TRUE(first.choose_menu("mnuFileUndo"));
  first.card_click(4);
  platform.now += 5000;  // 12.0 s of play
  ASSERT_TRUE(platform.data_files.count(kept_name()));
  EXPECT_FALSE(first.menus().find("mnuFileContinue")->enabled);  // it is the game on the board
  first.choose_menu("mnuFileStop");
  platform.now += 60000;  // a pause is no play time
  first.shut_down();
  const Game before = first.game();

  FrmMain second{platform};
  second.start_up();
  // Start-up is as ever: the stored puzzle, not the kept game.
  EXPECT_EQ(second.game().moves, 0);
  ASSERT_TRUE(second.menus().find("mnuFileContinue")->enabled);
  platform.now += 30000;  // the player takes a while to choose
  ASSERT_TRUE(second.choose_menu("mnuFileContinue"));
  expect_same(second.game(), before);
  EXPECT_EQ(second.state().play_mode, 2);
  EXPECT_NE(second.panels()[1].text.find("Spielzeit:  12 Sekunden"), std::string::npos)
      << second.panels()[1].text;
  EXPECT_TRUE(second.controls().find("Frame_1_0(3)")->marked);
  EXPECT_FALSE(second.menus().find("mnuFileContinue")->enabled);
  EXPECT_FALSE(second.menus().find("mnuFileRedo")->enabled);  // the clock stands
  EXPECT_EQ(second.window().caption, "Zerdo 4x4  No User");
  second.choose_menu("mnuFileRun");
  EXPECT_TRUE(second.menus().find("mnuFileRedo")->enabled);
  platform.now += 3000;
  ASSERT_TRUE(second.choose_menu("mnuFileRedo"));
  EXPECT_NE(second.panels()[1].text.find("Spielzeit:  15 Sekunden"), std::string::npos)
      << second.panels()[1].text;
}

TEST_F(KeptAcrossRuns, AWonOrLeftGameIsNotKept) {
  drag(first, 1, 0, 0);
  ASSERT_TRUE(platform.data_files.count(kept_name()));
  ASSERT_TRUE(first.choose_menu("mnuFileNew"));  // left for new cards
  EXPECT_FALSE(platform.data_files.count(kept_name()));
  EXPECT_FALSE(first.menus().find("mnuFileContinue")->enabled);

  // Every piece dragged onto its field: kept until the last one wins.
  const auto sol = first.state().solution;
  const Layout& at = first.layout();
  for (int f = 1; f <= 9; ++f) {
    const Int k = sol[static_cast<std::size_t>(f)];
    const Control& p = *first.controls().find("Picture_" + std::string(picture_name(k)));
    drag(first, k, at.board_left + at.field_width * ((f - 1) % 3) + 100 - p.left,
         at.board_top + at.field_height * ((f - 1) / 3) + 100 - p.top);
    if (f < 9) {
      ASSERT_TRUE(platform.data_files.count(kept_name())) << f;
    }
  }
  ASSERT_EQ(first.game().judge().outcome, Outcome::Right);
  EXPECT_FALSE(platform.data_files.count(kept_name()));
  first.shut_down();
  EXPECT_FALSE(platform.data_files.count(kept_name()));
}

TEST_F(KeptAcrossRuns, ADamagedKeptGameIsRefusedRemovedAndNeverReachesTheBoard) {
  drag(first, 1, 0, 0);
  first.shut_down();
  std::string& file = platform.data_files[kept_name()];
  file[file.find("moves=") + 6] = '7';  // moves=1 made moves=7 by hand

  FrmMain second{platform};
  second.start_up();
  const Game before = second.game();
  ASSERT_TRUE(second.choose_menu("mnuFileContinue"));
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].text,
            "Das gespeicherte Spiel ist beschädigt oder wurde verändert und wurde entfernt.");
  EXPECT_FALSE(platform.data_files.count(kept_name()));
  expect_same(second.game(), before);
  EXPECT_FALSE(second.menus().find("mnuFileContinue")->enabled);
}

TEST_F(KeptAcrossRuns, AFailedWriteIsToldOnceAndTheGameGoesOn) {
  // The system's English words become the player's, for the kept game and
  // for the history alike.
  platform.data_failure = WriteFailure{"/data/last-game", "No space left on device", ENOSPC};
  drag(first, 1, 0, 0);
  drag(first, 2, 0, 0);
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].text,
            "Das laufende Spiel konnte nicht gespeichert werden:\n/data/last-game\nAuf dem "
            "Datenträger ist kein Platz mehr frei.");
  EXPECT_EQ(first.game().moves, 2);
  platform.data_failure = WriteFailure{"/data/history", "Disk quota exceeded", EDQUOT};
  ASSERT_TRUE(first.choose_menu("mnuFileZerdoA2"));  // the board left: a game abandoned
  ASSERT_EQ(platform.boxes.size(), 2u);
  EXPECT_EQ(platform.boxes[1].text,
            "Das Spiel konnte nicht in den Verlauf geschrieben werden:\n/data/history\nDer "
            "zugeteilte Speicherplatz ist aufgebraucht.");
  platform.data_failure.reset();
  drag(first, 3, 0, 0);
  EXPECT_TRUE(platform.data_files.count(kept_name()));
}

// A game of thousands of moves is kept every hundredth move, and whole at
// close.
TEST_F(KeptAcrossRuns, ALongGameIsKeptLessOftenAndWholeAtClose) {
  for (int i = 0; i < 2150; ++i) first.picture_mouse_up(1);
  const auto moves_kept = [&] {
    const auto kept = read_kept_game(platform.data_files[kept_name()]);
    return kept ? kept->game.moves : -1;
  };
  EXPECT_EQ(moves_kept(), 2100);
  first.shut_down();
  EXPECT_EQ(moves_kept(), 2150);
}

}  // namespace
}  // namespace zerdo
