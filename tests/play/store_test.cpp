// The main window with the settings store, the hall of fame, the player
// dialog and puzzle files, on the fake platform.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "catalogue/puzzle_file.h"
#include "play/fake_platform.h"
#include "play/frm_main.h"
#include "records/records.h"
#include "texts/files.h"

namespace zerdo {
namespace {

// The fake platform, with typing in the player dialog and a record of the
// file dialogs.
class StorePlatform : public testing::FakePlatform {
 public:
  std::deque<std::string> typed;  // text in the player dialog before its button
  struct Dialog {
    FileDialogKind kind;
    std::string title, filter;
  };
  std::vector<Dialog> dialogs;

  void show_modal(Form& form, FormHandler& handler) override {
    if (form.name == "DialogUser" && !typed.empty()) {
      form.controls.find("username")->caption = typed.front();
      typed.pop_front();
    }
    FakePlatform::show_modal(form, handler);
  }
  std::string file_dialog(FileDialogKind kind, const std::string& title,
                          const std::string& filter) override {
    dialogs.push_back({kind, title, filter});
    return FakePlatform::file_dialog(kind, title, filter);
  }
};

// A store as the game writes it at exit, with records and a matching check.
std::map<std::string, std::string> written_store() {
  std::map<std::string, std::string> st;
  RangeStats stats{};
  RecordHolders holders{};
  wipe_records(stats, holders);
  stats[1][3] = 834, holders[1][3] = "Ann";
  stats[2][9] = 12000, holders[2][9] = "Bob";
  for (int r = 1; r <= 2; ++r)
    for (int level = 1; level <= 9; ++level) {
      st[min_time_key(r, level)] = std::to_string(stats[r][level]);
      st[bester_key(r, level)] = holders[r][level];
    }
  st["MainLeft"] = "300", st["MainTop"] = "400", st["MainWidth"] = "11895",
  st["MainHeight"] = "8040";
  st["Stufe"] = "2", st["StufeNr"] = "B3", st["LastUser"] = "Ann";
  st["Mode"] = "stop", st["Check"] = std::to_string(check_value_of(stats, holders));
  st["Language"] = "English", st["Range"] = "3x3", st["Anker"] = "0", st["Version"] = "1.1.6";
  return st;
}

class StoreWindow : public ::testing::Test {
 protected:
  void start() { w = std::make_unique<FrmMain>(platform), w->start_up(); }
  const MainState& s() const { return w->state(); }
  Int best(int range, int level) const { return s().range_stats[range][level]; }

  StorePlatform platform;
  std::unique_ptr<FrmMain> w;
};

TEST_F(StoreWindow, EmptyStoreStartsWithDefaultsAndWritesAFreshCheck) {
  start();
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(w->window().width, 11895);
  EXPECT_EQ(w->window().height, 8040);
  EXPECT_EQ(s().language_name, "Deutsch");
  EXPECT_TRUE(s().anker_option);
  EXPECT_TRUE(w->menus().find("mnuFileSetupAnker")->checked);
  EXPECT_EQ(s().play_mode, 1);
  EXPECT_EQ(best(1, 1), kNoRecord);
  EXPECT_EQ(s().check_value, 2700000);
  w->shut_down();
  EXPECT_EQ(platform.store["Check"], "2700000");
  EXPECT_EQ(platform.store["Version"], "1.1.6");
  EXPECT_EQ(platform.store["MinTime4x4 9"], "30000");
  EXPECT_EQ(platform.store["Bester 1"], "");
  EXPECT_EQ(platform.store["Range"], "3x3");
  EXPECT_EQ(platform.store["Anker"], "1");
  EXPECT_EQ(platform.store["Mode"], "run");
  EXPECT_EQ(platform.store["StufeNr"], "A1");
  EXPECT_EQ(platform.store.size(), 4u + 3u + 36u + 6u);
}

TEST_F(StoreWindow, WrittenStoreComesBackUnchanged) {
  platform.store = written_store();
  const auto before = platform.store;
  start();
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(w->window().left, 300);
  EXPECT_EQ(s().puzzle_id, "B3");
  EXPECT_EQ(s().language_code, 1);
  EXPECT_EQ(s().play_mode, 2);
  EXPECT_FALSE(s().anker_option);
  EXPECT_EQ(best(1, 3), 834);
  EXPECT_EQ(s().record_holder[2][9], "Bob");
  w->shut_down();
  EXPECT_EQ(platform.store, before);
}

TEST_F(StoreWindow, RecordCheckWipesTamperedRecordsOnly) {
  struct Case {
    const char* what;
    std::function<void(std::map<std::string, std::string>&)> change;
    bool wiped;
  };
  const Case cases[] = {
      {"faster time by hand", [](auto& st) { st["MinTime 3"] = "700"; }, true},
      {"other holder by hand", [](auto& st) { st["Bester4x4 9"] = "Eve"; }, true},
      {"time that is no number", [](auto& st) { st["MinTime 3"] = "fast"; }, true},
      {"Check deleted",
       [](auto& st) {
         st.erase("Check");
         st["MinTime 3"] = "700";
       },
       false},
      {"other version",
       [](auto& st) {
         st["Version"] = "1.1.5";
         st["MinTime 3"] = "700";
       },
       false},
      {"blanks around a holder", [](auto& st) { st["Bester 3"] = "  Ann "; }, false},
  };
  for (const Case& c : cases) {
    platform.store = written_store();
    platform.boxes.clear();
    c.change(platform.store);
    start();
    if (c.wiped) {
      ASSERT_EQ(platform.boxes.size(), 1u) << c.what;
      EXPECT_EQ(platform.boxes[0].title, "Zerdo Registry changed") << c.what;  // stored language
      EXPECT_EQ(platform.boxes[0].text,
                "All 'winners' data will be lost\nYou start from scratch over again!");
      EXPECT_EQ(platform.boxes[0].icon, Icon::None);
      EXPECT_EQ(best(1, 3), kNoRecord) << c.what;
      EXPECT_EQ(s().record_holder[2][9], "") << c.what;
    } else {
      EXPECT_TRUE(platform.boxes.empty()) << c.what;
      EXPECT_NE(best(1, 3), kNoRecord) << c.what;
      EXPECT_EQ(s().record_holder[1][3], "Ann") << c.what;  // shown without the blanks
    }
    EXPECT_EQ(s().user_name, "Ann") << c.what;  // the other settings stand
  }
}

TEST_F(StoreWindow, StoredValuesThatMakeNoSenseCountAsMissing) {
  struct Case {
    const char* key;
    const char* value;
    Int left, top, width, height;
    bool anker;
  };
  const Case cases[] = {
      {"MainLeft", "-100", -100, 0, 11895, 8040, true},  // partly on the screen: kept
      {"MainLeft", "28800", 0, 0, 11895, 8040, true},    // right of the screen
      {"MainLeft", "-11895", 0, 0, 11895, 8040, true},   // left of it
      {"MainTop", "99999", 0, 0, 11895, 8040, true},     // beyond 16 bits
      {"MainWidth", "-5", 0, 0, 11895, 8040, true},
      {"MainHeight", "0", 0, 0, 11895, 8040, true},
      {"MainWidth", "wide", 0, 0, 11895, 8040, true},
      {"Anker", "0", 0, 0, 11895, 8040, false},
      {"Anker", "7", 0, 0, 11895, 8040, true},
      {"Anker", "yes", 0, 0, 11895, 8040, true},
  };
  for (const Case& c : cases) {
    platform.store = {{c.key, c.value}};
    start();
    EXPECT_EQ(w->window().left, c.left) << c.key << "=" << c.value;
    EXPECT_EQ(w->window().top, c.top) << c.key << "=" << c.value;
    EXPECT_EQ(w->window().width, c.width) << c.key << "=" << c.value;
    EXPECT_EQ(w->window().height, c.height) << c.key << "=" << c.value;
    EXPECT_EQ(s().anker_option, c.anker) << c.key << "=" << c.value;
  }
}

TEST_F(StoreWindow, UnknownLanguageAndRangeStartGermanOn3x3AndAreWrittenSo) {
  platform.store = {{"Language", "Klingon"}, {"Range", "5x5"}};
  start();
  EXPECT_EQ(s().language_code, 0);
  EXPECT_EQ(s().shape.range_code, 1);
  w->shut_down();
  EXPECT_EQ(platform.store["Language"], "Deutsch");
  EXPECT_EQ(platform.store["Range"], "3x3");
}

TEST_F(StoreWindow, ClosingMinimizedKeepsTheGeometryButWritesTheRest) {
  platform.store = written_store();
  start();
  w->window_moved(1, 2, 3, 4);
  platform.typed.push_back("Zoe");
  platform.form_clicks.push_back("OKButton");
  ASSERT_TRUE(w->choose_menu("mnuFileUser"));
  platform.state = WindowState::Minimized;
  w->shut_down();
  EXPECT_EQ(platform.store["MainLeft"], "300");
  EXPECT_EQ(platform.store["MainHeight"], "8040");
  EXPECT_EQ(platform.store["MainWidth"], "11895");
  EXPECT_EQ(platform.store["LastUser"], "Zoe");
  EXPECT_EQ(platform.store["Check"], written_store()["Check"]);
}

// The board's factor: read within its range, written once chosen, and from
// then on even when it is back at 100 %.
TEST_F(StoreWindow, ZoomIsKeptOnceChosen) {
  start();
  w->shut_down();
  EXPECT_EQ(platform.store.count("Zoom"), 0u);  // never chosen: the store is as it was

  const struct {
    const char* stored;
    Int read;
    long chosen;
    const char* written;
  } cases[] = {
      {"150", 150, 100, "100"},
      {"999", 100, 1000, "400"},
      {"half", 100, 10, "25"},
      {"75", 75, 75, "75"},
  };
  for (const auto& c : cases) {
    platform.store = {{"Zoom", c.stored}};
    start();
    EXPECT_EQ(w->window().zoom, c.read) << c.stored;
    w->window_zoomed(c.chosen);
    w->shut_down();
    EXPECT_EQ(platform.store["Zoom"], c.written) << c.stored;
  }
}

TEST_F(StoreWindow, SolvedGameEntersTheHallOfFameUnlessStopped) {
  start();  // A1, level 1, 3x3
  platform.typed.push_back(" Bob ");
  platform.form_clicks.push_back("OKButton");
  w->choose_menu("mnuFileUser");
  w->start_game_clock();  // the first move starts the clock
  platform.now += 83470;
  w->enter_hall_of_fame();
  EXPECT_EQ(best(1, 1), 834);
  EXPECT_EQ(s().record_holder[1][1], " Bob ");
  EXPECT_EQ(s().range_stats[1][kRowNewRecords], 1);
  w->start_game_clock();  // the same time again is no record
  platform.now += 83400;
  w->enter_hall_of_fame();
  EXPECT_EQ(s().range_stats[1][kRowNewRecords], 1);
  EXPECT_TRUE(platform.boxes.empty());

  w->choose_menu("mnuFileStop");
  w->choose_menu("mnuFileRun");
  w->start_game_clock();
  platform.now += 10;
  w->enter_hall_of_fame();
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].title, "Zerdo Gewinner Register");
  EXPECT_EQ(platform.boxes[0].icon, Icon::Exclamation);
  EXPECT_EQ(best(1, 1), 834);

  w->shut_down();
  EXPECT_EQ(platform.store["MinTime 1"], "834");
  EXPECT_EQ(platform.store["Bester 1"], " Bob ");
  std::string bob = "Bob";
  EXPECT_EQ(platform.store["Check"], std::to_string(2700000 - 30000 + 834 + hexwert(bob)));
}

// Solves the current game in the given time (ms), as the hall of fame sees it.
void solve_in(FrmMain& w, testing::FakePlatform& p, std::int64_t ms) {
  w.start_game_clock();
  p.now += ms;
  w.enter_hall_of_fame();
}

TEST_F(StoreWindow, RecordIsWrittenTheMomentItIsMade) {
  platform.store = written_store();
  start();
  w->choose_menu("mnuFileZerdoA2");  // level 1: no record yet
  solve_in(*w, platform, 83470);
  ASSERT_EQ(platform.store_writes, 1);
  EXPECT_EQ(platform.store["MinTime 1"], "834");
  EXPECT_EQ(platform.store["Bester 1"], "Ann");
  std::string ann = "Ann";
  EXPECT_EQ(platform.store["Check"],
            std::to_string(std::stol(written_store()["Check"]) - 30000 + 834 + hexwert(ann)));
  EXPECT_EQ(platform.store["StufeNr"], "B3");  // the rest waits for the exit
  solve_in(*w, platform, 90000);               // slower: nothing to write
  EXPECT_EQ(platform.store_writes, 1);
  w->shut_down();
  EXPECT_EQ(platform.store["StufeNr"], "A2");
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(StoreWindow, FailedStoreWriteSaysSoInTheLanguageAndPlayGoesOn) {
  const struct {
    const char* language;
    std::string text;
  } cases[] = {
      {"Deutsch", "Die Rekorde konnten nicht gespeichert werden."},
      {"English", "The records could not be saved."},
      {"Vlaams", "De records konden niet bewaard worden."},
  };
  for (const auto& c : cases) {
    platform = StorePlatform();
    platform.store = {{"Language", c.language}};
    platform.store_failure = StoreFailure{"/home/ann/.config/Zerdo/Zerdo.conf", "Disk full"};
    start();
    solve_in(*w, platform, 5000);
    ASSERT_EQ(platform.boxes.size(), 1u) << c.language;
    EXPECT_EQ(platform.boxes[0].title, "Zerdo");
    EXPECT_EQ(platform.boxes[0].text, c.text + "\n/home/ann/.config/Zerdo/Zerdo.conf\n\nDisk full");
    EXPECT_EQ(platform.boxes[0].icon, Icon::Exclamation);
    EXPECT_EQ(best(1, 1), 50);  // the record stands in memory
    w->choose_menu("mnuFileNew");
    EXPECT_TRUE(w->is_loaded());
    platform.store_failure->code = ENOSPC;  // the system's words become the game's
    w->shut_down();                         // the exit tries again, and says so again
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].text, c.text + "\n/home/ann/.config/Zerdo/Zerdo.conf\n\n" +
                                          failure_words(ENOSPC, s().language_code));
    EXPECT_EQ(platform.store, (std::map<std::string, std::string>{{"Language", c.language}}));
  }
}

TEST_F(StoreWindow, RecordsOfAnotherCopyAreKeptWhenTheirCheckHolds) {
  // Another copy, started after this one, wrote its records meanwhile: a
  // faster A (3x3), a slower B (3x3) and an H on the large board.
  auto other = written_store();
  RangeStats stats{};
  RecordHolders holders{};
  wipe_records(stats, holders);
  stats[1][1] = 700, holders[1][1] = "Eve";
  stats[1][2] = 900, holders[1][2] = "Eve";
  stats[2][8] = 4000, holders[2][8] = "Eve";
  for (int r = 1; r <= 2; ++r)
    for (int level = 1; level <= 9; ++level) {
      other[min_time_key(r, level)] = std::to_string(stats[r][level]);
      other[bester_key(r, level)] = holders[r][level];
    }
  other["Check"] = std::to_string(check_value_of(stats, holders));
  auto tampered = other;
  tampered["MinTime 2"] = "100";

  for (const bool holds : {true, false}) {
    platform = StorePlatform();
    start();  // an empty store
    platform.typed.push_back("Max");
    platform.form_clicks.push_back("OKButton");
    w->choose_menu("mnuFileUser");
    w->choose_menu("mnuFileZerdoB1");
    solve_in(*w, platform, 80000);  // B: 800 beats Eve's 900
    platform.store = holds ? other : tampered;
    w->shut_down();
    const auto& st = platform.store;
    EXPECT_EQ(st.at("MinTime 2"), "800") << holds;
    EXPECT_EQ(st.at("Bester 2"), "Max") << holds;
    EXPECT_EQ(st.at("MinTime 1"), holds ? "700" : "30000") << holds;
    EXPECT_EQ(st.at("Bester 1"), holds ? "Eve" : "") << holds;
    EXPECT_EQ(st.at("MinTime4x4 8"), holds ? "4000" : "30000") << holds;
    EXPECT_EQ(st.at("StufeNr"), "B1") << holds;  // the other settings: the last copy wins
    RangeStats merged = w->state().range_stats;
    RecordHolders merged_holders = w->state().record_holder;
    EXPECT_EQ(st.at("Check"), std::to_string(check_value_of(merged, merged_holders)));
    EXPECT_TRUE(platform.boxes.empty());
    // The next start finds the merged records matching their check.
    start();
    EXPECT_TRUE(platform.boxes.empty()) << holds;
    EXPECT_EQ(best(1, 1), holds ? 700 : kNoRecord) << holds;
  }
}

// A store with the records of Eve's copy and their check value.
std::map<std::string, std::string> records_of_eve(int level, Int time) {
  RangeStats stats{};
  RecordHolders holders{};
  wipe_records(stats, holders);
  stats[1][static_cast<std::size_t>(level)] = time;
  holders[1][static_cast<std::size_t>(level)] = "Eve";
  std::map<std::string, std::string> st;
  for (int r = 1; r <= 2; ++r)
    for (int l = 1; l <= 9; ++l) {
      st[min_time_key(r, l)] = std::to_string(stats[r][l]);
      st[bester_key(r, l)] = holders[r][l];
    }
  st["Check"] = std::to_string(check_value_of(stats, holders));
  return st;
}

// Another copy writes its record while this one writes its own (a slow
// disk): nothing is written over it; the write begins again, merges Eve's
// record with Max's and counts the check value over both.
TEST_F(StoreWindow, RecordWrittenByAnotherCopyMeanwhileIsMergedNotWrittenOver) {
  start();
  platform.typed.push_back("Max");
  platform.form_clicks.push_back("OKButton");
  w->choose_menu("mnuFileUser");
  w->choose_menu("mnuFileZerdoB1");
  platform.other_copy_writes = {records_of_eve(1, 700), records_of_eve(1, 650)};
  solve_in(*w, platform, 80000);
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(platform.store_writes, 1);
  const auto& st = platform.store;
  EXPECT_EQ(st.at("MinTime 1"), "650");
  EXPECT_EQ(st.at("Bester 1"), "Eve");
  EXPECT_EQ(st.at("MinTime 2"), "800");
  EXPECT_EQ(st.at("Bester 2"), "Max");
  start();  // the next start finds both under a check that holds
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(best(1, 1), 650);
  EXPECT_EQ(best(1, 2), 800);

  // A store another copy never stops writing: the write gives up, says so,
  // and keeps Max's record for the next write.
  platform = StorePlatform();
  start();
  w->choose_menu("mnuFileZerdoB1");
  for (int i = 0; i < 20; ++i) platform.other_copy_writes.push_back(records_of_eve(1, 700 - i));
  solve_in(*w, platform, 80000);
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.store_writes, 0);
  platform.other_copy_writes.clear();
  w->shut_down();
  EXPECT_EQ(platform.store.at("MinTime 2"), "800");
  EXPECT_EQ(platform.store.at("MinTime 1"), std::to_string(700 - 8 + 1));
}

TEST_F(StoreWindow, RandomSourceIsSeededFromTheWallClock) {
  // Draws by position: the first puzzle is generated before the seeding, so
  // its numbers repeat from start to start; after it they follow the clock.
  struct Recording : StorePlatform {
    std::vector<float> drawn;
    std::size_t seeded_at = 0;
    void seed_random(std::uint64_t seed) override {
      seeded_at = drawn.size();
      StorePlatform::seed_random(seed);
    }
    float draw_uniform() override { return drawn.emplace_back(StorePlatform::draw_uniform()); }
  };
  std::vector<Recording> runs(2);
  const std::int64_t clocks[] = {45296789, 45296790};  // 12:34:56.789 and a millisecond later
  for (std::size_t i = 0; i < runs.size(); ++i) {
    runs[i].time_of_day = clocks[i];
    runs[i].now = 1000;  // the monotonic clock: the same in both runs
    FrmMain frm(runs[i]);
    frm.start_up();
    frm.choose_menu("mnuFileNew");
    ASSERT_EQ(runs[i].seeds, std::vector<std::uint64_t>{static_cast<std::uint64_t>(clocks[i])});
    ASSERT_GT(runs[i].seeded_at, 0u);
    ASSERT_GT(runs[i].drawn.size(), runs[i].seeded_at);
  }
  EXPECT_EQ(runs[0].seeded_at, runs[1].seeded_at);
  const auto split = static_cast<std::ptrdiff_t>(runs[0].seeded_at);
  EXPECT_TRUE(
      std::equal(runs[0].drawn.begin(), runs[0].drawn.begin() + split, runs[1].drawn.begin()));
  EXPECT_FALSE(std::equal(runs[0].drawn.begin() + split, runs[0].drawn.begin() + split + 8,
                          runs[1].drawn.begin() + split));
}

TEST_F(StoreWindow, PlayerDialogSetsTheNameOnlyOnOk) {
  start();
  platform.typed = {"Ann", "Eve", ""};
  platform.form_clicks = {"OKButton", "CancelButton", "OKButton"};
  w->choose_menu("mnuFileUser");
  EXPECT_EQ(s().user_name, "Ann");
  EXPECT_EQ(w->window().caption, "Zerdo 3x3  User = Ann");
  const Form* f = w->last_form("DialogUser");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->caption, "Zerdo User");
  EXPECT_EQ(f->controls.find("username")->caption, "");  // empty at every opening
  EXPECT_EQ(f->controls.find("Frame1")->caption, "User");
  EXPECT_EQ(f->controls.find("OKButton")->caption, "OK");
  EXPECT_EQ(f->controls.find("CancelButton")->caption, "Cancel");
  w->choose_menu("mnuFileUser");
  EXPECT_EQ(s().user_name, "Ann");
  w->choose_menu("mnuFileUser");
  EXPECT_EQ(s().user_name, "");
  EXPECT_EQ(w->window().caption, "Zerdo 3x3  No User");
}

// --- puzzle files -----------------------------------------------------------

class FileWindow : public StoreWindow {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    start();
  }
  std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
  static std::string read(const std::string& p) {
    QFile f(QString::fromStdString(p));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<none>");
  }
  static void write(const std::string& p, const std::string& bytes) {
    QFile f(QString::fromStdString(p));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  void save(const std::string& p) {
    platform.file_names.push_back(p);
    ASSERT_TRUE(w->choose_menu("mnuFileSave"));
  }
  void load(const std::string& p) {
    platform.file_names.push_back(p);
    ASSERT_TRUE(w->choose_menu("mnuFileLoad"));
  }
  QTemporaryDir dir;
};

TEST_F(FileWindow, SavesTheShownPuzzleByteForByteWithTheDialogsOfTheLanguage) {
  save(path("a1.zdo"));
  const std::string text = read(path("a1.zdo"));
  const std::string head =
      "\"Zerdo Version 1.1.6\"\r\n\"3x3\",\"A1\"\r\n1,2,9,9,0,0,-1,0,0,0,0,0,0,0,0,";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text, write_puzzle_file("1.1.6", "3x3", "A1", s().sn, 9));
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].kind, FileDialogKind::Save);
  EXPECT_EQ(platform.dialogs[0].title, "Speichern");
  EXPECT_EQ(platform.dialogs[0].filter, "Alle Dateien (*.*)|*.*|Zerdo Dateien (*.zdo)|*.zdo");
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(w->menus().find("mnuFileSave")->caption, "&Speichern");
  EXPECT_EQ(w->menus().find("mnuFileLoad")->caption, "&Laden");
}

TEST_F(FileWindow, LoadsASavedPuzzleBack) {
  w->choose_menu("mnuFileZerdoC3");
  const CardTable c3 = s().sn;
  save(path("c3.zdo"));
  w->choose_menu("mnuFileZerdoA2");
  load(path("c3.zdo"));
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(s().level, 3);
  for (int r = 1; r <= 16; ++r)
    for (int c = 1; c <= 16; ++c) EXPECT_EQ(s().sn(r, c), c3(r, c)) << r << "/" << c;
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(s().solution[c3(r, sn_field)], c3(r, sn_Loesung)) << r;
  EXPECT_EQ(s().moves, 0);
  EXPECT_FALSE(w->window().hourglass);
  EXPECT_EQ(platform.dialogs.back().title, "Laden");
}

TEST_F(FileWindow, LoadsA4x4FileOntoThe3x3Board) {
  CardTable sn;
  for (int r = 1; r <= 16; ++r) {
    sn(r, sn_nr) = r;
    sn(r, sn_field) = (r * 5) % 16 + 1;
    sn(r, sn_Loesung) = (r * 3) % 16 + 1;
    sn(r, sn_pict) = sn(r, sn_Loesung);
    sn(r, sn_titel) = kTrue;
    sn(r, sn_anker) = r == 4 ? kTrue : kFalse;
    sn(r, sn_rsv_1) = r;
  }
  write(path("big.zdo"), write_puzzle_file("1.1.6", "4x4", "Ix", sn, 16));
  load(path("big.zdo"));
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(s().shape.range_code, 2);
  EXPECT_EQ(s().shape.field_count, 16);
  EXPECT_EQ(s().range_name, "4x4");
  EXPECT_EQ(s().level, 9);
  EXPECT_TRUE(s().sn == sn);
  for (int r = 1; r <= 16; ++r) EXPECT_EQ(s().solution[s().sn(r, sn_field)], s().sn(r, sn_Loesung));
}

TEST_F(FileWindow, RefusedFilesLeaveThePuzzleAsItWas) {
  w->choose_menu("mnuFileZerdoB2");
  const std::string good = write_puzzle_file("1.1.6", "3x3", "A1", s().sn, 9);
  std::string wrong_row = good;
  wrong_row.replace(wrong_row.find("\r\n2,") + 2, 1, "3");
  std::string field_ten = good;
  field_ten.replace(field_ten.find("\r\n1,") + 4, 1, "10");
  write(path("row.zdo"), wrong_row);
  write(path("ten.zdo"), field_ten);
  write(path("big.zdo"), good + std::string(kMaxPuzzleFileBytes, '\n'));
  struct Case {
    std::string file, title, text;
  };
  const Case cases[] = {
      {path("row.zdo"), "NOT a Zerdo-file", "File =\n" + path("row.zdo") + "\n\nNO file loaded."},
      {path("ten.zdo"), "KEINE Zerdo-Datei",
       "Datei =\n" + path("ten.zdo") +
           "\n\nZeile 3, Wert 2: 10 ist nicht erlaubt.\nKEINE Datei geladen."},
      {path("none.zdo"), "KEINE Zerdo-Datei",
       "Datei =\n" + path("none.zdo") +
           "\n\nDie Datei lässt sich nicht öffnen.\nKEINE Datei geladen."},
      {path("big.zdo"), "KEINE Zerdo-Datei",
       "Datei =\n" + path("big.zdo") +
           "\n\nDie Datei ist zu groß (mehr als 64 KB).\nKEINE Datei geladen."},
  };
  const CardTable before = s().sn;
  const auto solution = s().solution;
  for (const Case& c : cases) {
    platform.boxes.clear();
    load(c.file);
    ASSERT_EQ(platform.boxes.size(), 1u) << c.file;
    EXPECT_EQ(platform.boxes[0].title, c.title);
    EXPECT_EQ(platform.boxes[0].text, c.text);
    EXPECT_EQ(platform.boxes[0].buttons, Buttons::Ok);
    EXPECT_TRUE(s().sn == before) << c.file;
    EXPECT_EQ(s().solution, solution) << c.file;
    EXPECT_EQ(s().puzzle_id, "B2") << c.file;
    EXPECT_EQ(s().level, 2) << c.file;
    EXPECT_EQ(s().shape.field_count, 9) << c.file;
    EXPECT_FALSE(w->window().hourglass) << c.file;
    EXPECT_EQ(w->panels()[1].text, "Zerdo : B2        Zug 0") << c.file;
  }
}

TEST_F(FileWindow, OnlyRegularFilesAreOpenedAndAFifoReturnsAtOnce) {
  w->choose_menu("mnuFileZerdoB2");
  const CardTable before = s().sn;
  ASSERT_EQ(::mkfifo(path("fifo.zdo").c_str(), 0600), 0);  // no writer: open() would wait
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const std::string sock_path = path("sock.zdo");
  ASSERT_LT(sock_path.size(), sizeof addr.sun_path);
  std::copy(sock_path.begin(), sock_path.end(), addr.sun_path);
  ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
  QDir(dir.path()).mkdir("folder.zdo");
  for (const std::string& file :
       {path("fifo.zdo"), sock_path, path("folder.zdo"), std::string("/dev/zero")}) {
    platform.boxes.clear();
    load(file);
    ASSERT_EQ(platform.boxes.size(), 1u) << file;
    EXPECT_EQ(platform.boxes[0].text, "Datei =\n" + file +
                                          "\n\nDie Datei lässt sich nicht öffnen.\nKEINE "
                                          "Datei geladen.");
    EXPECT_TRUE(s().sn == before) << file;
    EXPECT_EQ(s().puzzle_id, "B2") << file;
  }
  ::close(sock);
}

TEST_F(FileWindow, CancelledDialogsChangeNothing) {
  platform.store = {{"Language", "Vlaams"}};
  start();
  const CardTable before = s().sn;
  w->choose_menu("mnuFileLoad");
  w->choose_menu("mnuFileSave");
  ASSERT_EQ(platform.dialogs.size(), 2u);
  EXPECT_EQ(platform.dialogs[0].title, "Lesen");
  EXPECT_EQ(platform.dialogs[1].title, "Schrijven");
  EXPECT_EQ(platform.dialogs[1].filter, "Alle bestanden (*.*)|*.*|Zerdo Bestand (*.zdo)|*.zdo");
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_TRUE(s().sn == before);
}

// The folder counts once a file there was saved or loaded: a cancelled
// dialog, a refused load (a missing file, /dev/zero) and a failed save
// leave it as it was.
TEST_F(FileWindow, DialogsOpenInTheLastFilesFolderAcrossRunsWithTheZerdoFilter) {
  const std::string folder = dir.path().toStdString();
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
  w->choose_menu("mnuFileLoad");  // cancelled: no folder yet
  load("/dev/zero");              // refused: no folder yet
  save(path("sub/a1.zdo"));
  w->choose_menu("mnuFileSave");  // cancelled: the folder stays
  load(path("a1.zdo"));           // refused (no such file): the folder stays
  save(folder);                   // failed (a folder is there): the folder stays
  ASSERT_TRUE(QFile::copy(QString::fromStdString(path("sub/a1.zdo")), dir.filePath("a1.zdo")));
  load(path("a1.zdo"));
  w->choose_menu("mnuFileLoad");
  ASSERT_EQ(platform.dialog_starts.size(), 8u);
  const std::string expected[] = {
      "", "", "", folder + "/sub", folder + "/sub", folder + "/sub", folder + "/sub", folder};
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(platform.dialog_starts[i].folder, expected[i]) << i;
    EXPECT_EQ(platform.dialog_starts[i].filter, 1) << i;  // "Zerdo Dateien (*.zdo)"
  }
  // Kept in a key of its own for the next run.
  w->shut_down();
  EXPECT_EQ(platform.store["LastFolder"], folder);
  start();
  w->choose_menu("mnuFileSave");
  EXPECT_EQ(platform.dialog_starts.back().folder, folder);
}

TEST_F(FileWindow, FailedSaveSaysSoAndKeepsTheOldFile) {
  save(dir.path().toStdString());  // a folder cannot be replaced by a file
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].title, "Zerdo Speichern");
  EXPECT_TRUE(QDir(dir.path()).exists());
}

}  // namespace
}  // namespace zerdo
