// The history window as the controller builds it from the history file, and
// its export.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "play/fake_platform.h"
#include "play/frm_main.h"
#include "services/file_access.h"

namespace zerdo {
namespace {

using testing::FakePlatform;

PlayedGame game(bool four, int level, std::int64_t seconds, GameResult result) {
  return PlayedGame{"2026-12-11T06:00:00", "Cx", four, level, seconds, 12, result, 0};
}

class HistoryWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    // 3x3 C: won in 50 s, lost, won in 30 s; 4x4 B abandoned; a torn line
    // between them.
    history = {game(false, 3, 50, GameResult::Won), game(false, 3, 9, GameResult::Lost),
               game(false, 3, 30, GameResult::Won), game(true, 2, 4, GameResult::Abandoned)};
    std::string file;
    for (std::size_t i = 0; i < history.size(); ++i)
      file += history_line(history[i]) + (i == 1 ? "game when=2026-12-\n" : "");
    platform.data_files[std::string(kHistoryFile)] = file;
    w.start_up();
  }
  const Form& open(const std::string& press = "cmdOK") {
    platform.form_clicks.push_back(press);
    EXPECT_TRUE(w.choose_menu("mnuFileHistory"));
    const Form* f = w.last_form("frmHistory");
    EXPECT_NE(f, nullptr);
    return *f;
  }
  std::string path(const std::string& name) { return ::testing::TempDir() + name; }

  FakePlatform platform;
  FrmMain w{platform};
  std::vector<PlayedGame> history;
};

TEST_F(HistoryWindow, SumsUpEachRangeAndLevelAndChartsOnlyWonTimes) {
  const Form& f = open();
  ASSERT_EQ(f.table.rows.size(), 2u);
  EXPECT_EQ(f.table.rows[0], (std::vector<std::string>{"3x3", "C", "3", "2", "0:30", "0:40"}));
  EXPECT_EQ(f.table.rows[1], (std::vector<std::string>{"4x4", "B", "1", "0", "–", "–"}));
  EXPECT_TRUE(f.controls.find("lblDamaged")->visible);
  EXPECT_EQ(*f.controls.find("lblDamaged")->caption, "Beschädigte Zeilen übersprungen: 1");
  EXPECT_FALSE(f.controls.find("lblNoGames")->visible);
  ASSERT_EQ(f.charts.size(), 2u);
  // The lost game keeps its number (2) but is no point of the line; the
  // abandoned 4x4 level has no line at all.
  ASSERT_EQ(f.charts[0].lines.size(), 1u);
  const ChartLine& line = f.charts[0].lines[0];
  ASSERT_EQ(line.points.size(), 2u);
  EXPECT_EQ(line.points[0].x, 1);
  EXPECT_EQ(line.points[0].y, 50);
  EXPECT_EQ(line.points[1].x, 3);
  EXPECT_EQ(line.points[1].y, 30);
  ASSERT_EQ(f.charts[1].bars.size(), 2u);
  EXPECT_EQ(f.charts[1].bars[0].parts, (std::vector<double>{2, 1, 0}));
  EXPECT_EQ(f.charts[1].bars[1].parts, (std::vector<double>{0, 0, 1}));
}

TEST_F(HistoryWindow, ExportWritesTheGamesAsCsvWholeOrTellsWhy) {
  const std::string csv = path("history_export.csv");
  std::remove(csv.c_str());
  platform.file_names.push_back(csv);
  open("cmdExport");
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(read_file_bytes(csv, 1 << 20), history_csv(history));

  // Into a folder that is not there: a box names the file; the history and
  // the export written before stay as they were.
  const std::string before = platform.data_files[std::string(kHistoryFile)];
  platform.file_names.push_back(path("no-such-folder/history.csv"));
  open("cmdExport");
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_NE(platform.boxes[0].text.find("no-such-folder/history.csv"), std::string::npos);
  EXPECT_EQ(platform.data_files[std::string(kHistoryFile)], before);
  EXPECT_EQ(read_file_bytes(csv, 1 << 20), history_csv(history));
  std::remove(csv.c_str());
}

TEST_F(HistoryWindow, NoHistoryIsAFriendlyEmptyWindowWithNothingToExport) {
  for (const char* file : {"", "not a history\n"}) {
    platform.data_files[std::string(kHistoryFile)] = file;
    if (!*file) platform.data_files.erase(std::string(kHistoryFile));
    const Form& f = open("cmdExport");
    EXPECT_TRUE(f.controls.find("lblNoGames")->visible) << file;
    EXPECT_FALSE(f.controls.find("grdHistory")->visible);
    EXPECT_FALSE(f.controls.find("cmdExport")->enabled);
    EXPECT_TRUE(f.table.rows.empty());
    EXPECT_TRUE(platform.dialog_starts.empty());  // a disabled Export opens no dialog
    EXPECT_TRUE(platform.boxes.empty());
  }
}

// Games lost and abandoned only: the solve-time chart has no line and says
// that no game was won (not that there are no games).
TEST_F(HistoryWindow, ATimesChartWithoutAGameWonSaysSo) {
  platform.data_files[std::string(kHistoryFile)] =
      history_line(game(false, 1, 20, GameResult::Lost)) +
      history_line(game(true, 2, 4, GameResult::Abandoned));
  const Form& f = open();
  ASSERT_EQ(f.charts.size(), 2u);
  EXPECT_TRUE(f.charts[0].lines.empty());
  EXPECT_EQ(f.charts[0].empty_text,
            "Noch kein Spiel gewonnen. Die Lösungszeit jedes gewonnenen Spiels erscheint hier.");
  EXPECT_TRUE(f.controls.find("picChart(0)")->visible);
}

// A system that keeps no files of the game has no history: no item for it.
TEST(HistoryItem, HiddenWhereTheGameKeepsNoFiles) {
  struct NoFolder : FakePlatform {
    std::string data_folder() override { return {}; }
  } platform;
  FrmMain w{platform};
  w.start_up();
  EXPECT_FALSE(w.choose_menu("mnuFileHistory"));
  FakePlatform keeping;
  FrmMain k{keeping};
  k.start_up();
  EXPECT_TRUE(k.choose_menu("mnuFileHistory"));
}

}  // namespace
}  // namespace zerdo
