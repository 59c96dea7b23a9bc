// The puzzle on paper and the card marks, seen from the controller.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <set>
#include <string>

#include "play/fake_platform.h"
#include "play/frm_main.h"

namespace zerdo {
namespace {

using testing::FakePlatform;

class Paper : public ::testing::Test {
 protected:
  void SetUp() override { w.start_up(); }
  FakePlatform platform;
  FrmMain w{platform};
};

// The access key of a caption: the letter after "&", lower case.
char access_key(const std::string& caption) {
  const auto at = caption.find('&');
  return at == std::string::npos || at + 1 >= caption.size()
             ? '\0'
             : static_cast<char>(std::tolower(static_cast<unsigned char>(caption[at + 1])));
}

TEST_F(Paper, GameMenuKeepsOneItemPerAccessKeyInEveryLanguage) {
  for (const char* language : {"mnuFileSetupLanguageDeutsch", "mnuFileSetupLanguageEnglish",
                               "mnuFileSetupLanguageVlaams"}) {
    SCOPED_TRACE(language);
    ASSERT_TRUE(w.choose_menu(language));
    std::set<char> keys;
    const MenuItem& game = *w.menus().find("mnuFile");
    for (int i : game.children) {
      const MenuItem& item = w.menus()[i];
      if (!item.visible) continue;
      const char key = access_key(item.caption);
      ASSERT_NE(key, '\0') << item.name;
      EXPECT_TRUE(keys.insert(key).second) << item.name << " repeats &" << key;
    }
    std::string pdf = w.menus().find("mnuFileExportPdf")->caption;
    pdf.erase(pdf.find('&'), 1);
    EXPECT_NE(pdf.find("PDF"), std::string::npos) << pdf;
  }
}

TEST_F(Paper, PrintingHandsTheCardsToThePlatformAndChangesNothing) {
  ASSERT_TRUE(w.choose_menu("mnuFileSetupRange4x4"));
  ASSERT_TRUE(w.choose_menu("mnuStufeI"));
  w.picture_mouse_down(1);
  w.picture_mouse_move(1, 200, -700);
  w.picture_mouse_up(1);
  ASSERT_TRUE(w.card_click(5));
  const MainState before = w.state();
  const auto panels = w.panels();
  for (const char* item : {"mnuFilePrint", "mnuFileExportPdf"}) {
    SCOPED_TRACE(item);
    platform.print_jobs.clear();
    ASSERT_TRUE(w.choose_menu(item));
    ASSERT_EQ(platform.print_jobs.size(), 1u);
    const PrintJob& job = platform.print_jobs.front();
    EXPECT_EQ(job.target,
              std::string(item) == "mnuFilePrint" ? PrintTarget::Printer : PrintTarget::Pdf);
    EXPECT_EQ(job.cards, 16);
    EXPECT_EQ(job.side, 4);
    EXPECT_EQ(job.details, "Bereich 4x4    Stufe I");
    EXPECT_EQ(job.solution, before.solution);
    const MainState& s = w.state();
    EXPECT_EQ(s.moves, before.moves);
    EXPECT_EQ(s.placement, before.placement);
    EXPECT_EQ(s.marks, before.marks);
    EXPECT_EQ(s.puzzle_id, before.puzzle_id);
    EXPECT_EQ(s.clock, before.clock);
    for (int r = 1; r <= kRecords; ++r)
      for (int c = 0; c < kColumns; ++c) EXPECT_EQ(s.sn(r, c), before.sn(r, c));
    EXPECT_EQ(w.panels()[1].text, panels[1].text);
  }
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Paper, AFailureIsToldInThePlayersLanguage) {
  struct Case {
    const char* item;
    PrintResult result;
    const char* file;  // the file the print dialog chose to print into
    const char* text;  // empty: no box
  } const cases[] = {
      {"mnuFilePrint", PrintResult::Done, "", ""},
      {"mnuFilePrint", PrintResult::Cancelled, "", ""},
      {"mnuFilePrint", PrintResult::Failed, "", "The puzzle could not be printed."},
      {"mnuFilePrint", PrintResult::Failed, "out.pdf",
       "The PDF file could not be written: out.pdf"},
      {"mnuFilePrint", PrintResult::Unavailable, "", "Printing is not available on this system."},
      {"mnuFileExportPdf", PrintResult::Failed, "",
       "The PDF file could not be written: puzzle.pdf"},
  };
  ASSERT_TRUE(w.choose_menu("mnuFileSetupLanguageEnglish"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    platform.boxes.clear();
    platform.print_result = c.result;
    platform.printed_file = c.file;
    ASSERT_TRUE(w.choose_menu(c.item));
    if (*c.text == '\0') {
      EXPECT_TRUE(platform.boxes.empty());
    } else {
      ASSERT_EQ(platform.boxes.size(), 1u);
      EXPECT_EQ(platform.boxes[0].text, c.text);
      EXPECT_EQ(platform.boxes[0].icon, Icon::Exclamation);
    }
  }
}

// Paper carries the colour patterns (on a black-and-white printer three of
// the colours are one grey) until the player turns them off in the print
// options; that choice is kept, a stored "off" stays off, and a store that
// never had the option keeps no key for it.
TEST_F(Paper, PaperCarriesTheColourPatternsUntilThePlayerTurnsThemOff) {
  const auto last_job = [this] { return platform.print_jobs.back(); };
  EXPECT_FALSE(w.state().colour_marks);  // the screen's own patterns are off
  ASSERT_TRUE(w.choose_menu("mnuFileExportPdf"));
  EXPECT_TRUE(last_job().colour_marks);
  EXPECT_EQ(last_job().patterns_caption, "Farben auch als Muster (für Schwarzweißdrucker)");

  // Turned off in a dialog that was cancelled: nothing chosen.
  platform.print_patterns = false;
  platform.print_result = PrintResult::Cancelled;
  ASSERT_TRUE(w.choose_menu("mnuFilePrint"));
  EXPECT_TRUE(w.state().print_patterns);
  // Turned off and printed: the next page starts without them.
  platform.print_result = PrintResult::Done;
  ASSERT_TRUE(w.choose_menu("mnuFilePrint"));
  platform.print_patterns.reset();
  ASSERT_TRUE(w.choose_menu("mnuFileExportPdf"));
  EXPECT_FALSE(last_job().colour_marks);
  w.shut_down();
  EXPECT_EQ(platform.store["PrintPatterns"], "0");

  for (const char* stored : {"0", "1", ""}) {
    SCOPED_TRACE(stored);
    FakePlatform next;
    if (*stored) next.store["PrintPatterns"] = stored;
    FrmMain again{next};
    again.start_up();
    ASSERT_TRUE(again.choose_menu("mnuFileExportPdf"));
    EXPECT_EQ(next.print_jobs.back().colour_marks, std::string(stored) != "0");
    again.shut_down();
    EXPECT_EQ(next.store.count("PrintPatterns"), *stored ? 1u : 0u);
  }
}

TEST_F(Paper, MarksToggleAndGoWithTheCardsOfALoadedFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string file = QDir(dir.path()).filePath("a1.zdo").toStdString();
  platform.file_names.push_back(file);
  ASSERT_TRUE(w.choose_menu("mnuFileSave"));

  EXPECT_FALSE(w.card_click(0));
  EXPECT_FALSE(w.card_click(10));  // the 3x3 range has nine cards
  EXPECT_TRUE(w.card_click(2));
  EXPECT_TRUE(w.card_click(9));
  EXPECT_TRUE(w.card_click(2));
  EXPECT_FALSE(w.state().marks[2]);
  EXPECT_TRUE(w.state().marks[9]);
  EXPECT_EQ(w.state().moves, 0);

  platform.file_names.push_back(file);
  ASSERT_TRUE(w.choose_menu("mnuFileLoad"));
  EXPECT_EQ(w.state().marks, (std::array<bool, 17>{}));
}

TEST_F(Paper, ThePdfDialogOpensWhereThePuzzleFilesGo) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(w.choose_menu("mnuFileExportPdf"));
  EXPECT_EQ(platform.print_jobs.back().folder, "");  // no puzzle file yet: the platform's home

  platform.file_names.push_back(QDir(dir.path()).filePath("a1.zdo").toStdString());
  ASSERT_TRUE(w.choose_menu("mnuFileSave"));
  ASSERT_TRUE(w.choose_menu("mnuFileExportPdf"));
  EXPECT_EQ(QDir(QString::fromStdString(platform.print_jobs.back().folder)), QDir(dir.path()));
}

}  // namespace
}  // namespace zerdo
