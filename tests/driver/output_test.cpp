#include "output.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <sstream>

#include "interpreter.h"

namespace zerdo {
namespace {

TEST(DriverOutput, QuoteEscapesExactlyTheFiveCharacters) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"", "\"\""},
      {"plain text", "\"plain text\""},
      {"a\"b", "\"a\\\"b\""},
      {"back\\slash", "\"back\\\\slash\""},
      {"line\r\nfeed\ttab", "\"line\\r\\nfeed\\ttab\""},
      {"L\xC3\xB6sung", "\"L\xC3\xB6sung\""},  // UTF-8 passes unchanged
  };
  for (const auto& c : cases) EXPECT_EQ(driver::quote(c.in), c.out) << c.in;
}

TEST(DriverOutput, SecondsAreParsedToExactMilliseconds) {
  const struct {
    const char* in;
    std::optional<std::int64_t> ms;
  } cases[] = {
      {"12.3", 12300},
      {"0.1", 100},
      {".5", 500},
      {"5.", 5000},
      {"30", 30000},
      {"0.001", 1},
      {"86400", 86400000},
      {"1.2345", std::nullopt},
      {"-1", std::nullopt},
      {"+1", std::nullopt},
      {"1e3", std::nullopt},
      {".", std::nullopt},
      {"", std::nullopt},
      {"1.2.3", std::nullopt},
      {"9999999999999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(driver::parse_seconds_ms(c.in), c.ms) << c.in;
}

// The commands that only talk to the scripted platform work without a main window.
TEST(DriverInterpreter, ClockAndRandomQueueFollowTheScript) {
  std::ostringstream out;
  Interpreter in(out);
  ScriptPlatform& p = in.platform();
  EXPECT_EQ(p.time_of_day_text(), "12:00:00");
  const std::int64_t start = p.now_ms();
  for (int i = 0; i < 10; ++i) in.run_line("wait 0.1");
  EXPECT_EQ(p.now_ms() - start, 1000);
  in.run_line("wait 3599");
  EXPECT_EQ(p.time_of_day_text(), "13:00:00");

  // 0.999999999 rounds to 1 in single precision and is refused as a whole line.
  in.run_line("random 0.2 0.999999999");
  EXPECT_EQ(out.str(), "error: random: 0.999999999 is not a number in [0, 1)\n");
  in.run_line("random 0.1 0.99999994");
  EXPECT_EQ(p.draw_uniform(), 0.1f);
  EXPECT_EQ(p.draw_uniform(), 0.99999994f);
  const float own = p.draw_uniform();
  EXPECT_GE(own, 0.0f);
  EXPECT_LT(own, 1.0f);
  EXPECT_EQ(p.draws(), 3u);
  EXPECT_TRUE(in.had_error());
}

TEST(DriverInterpreter, BoxesTakeQueuedAnswersOfTheirOwnButtons) {
  std::ostringstream out;
  Interpreter in(out);
  ScriptPlatform& p = in.platform();
  const MessageBox ok_box{"T", "t", Buttons::Ok, Icon::None, {}};
  const MessageBox question{"Q", "q", Buttons::YesNoCancel, Icon::Exclamation, {}};
  EXPECT_EQ(p.message_box(question), Answer::Yes);  // default without a queued answer
  in.run_line("answer no");
  in.run_line("answer cancel");
  EXPECT_EQ(p.message_box(ok_box), Answer::Ok);  // takes "no" but has only OK
  EXPECT_EQ(p.message_box(question), Answer::Cancel);
  in.run_line("file /tmp/x.zdo");
  in.run_line("file");
  EXPECT_EQ(p.file_dialog(FileDialogKind::Save, "S", "Zerdo|*.zdo"), "/tmp/x.zdo");
  EXPECT_EQ(p.file_dialog(FileDialogKind::Open, "O", ""), "");
  in.run_line("messages");
  EXPECT_EQ(out.str(),
            "box title=\"Q\" text=\"q\" buttons=yesnocancel icon=exclamation answer=yes\n"
            "box title=\"T\" text=\"t\" buttons=ok icon=none answer=ok\n"
            "box title=\"Q\" text=\"q\" buttons=yesnocancel icon=exclamation answer=cancel\n"
            "dialog kind=save title=\"S\" filter=\"Zerdo|*.zdo\" answer=\"/tmp/x.zdo\"\n"
            "dialog kind=open title=\"O\" filter=\"\" answer=\"\"\n");
}

// A script keeps the game's own files beside its settings store, inside the
// settings folder it was given, never in the player's data folder.
TEST(DriverInterpreter, KeptFilesStayInTheSettingsFolder) {
  QTemporaryDir dir;
  const std::string config = dir.filePath("config").toStdString();
  const std::string data_home = dir.filePath("data").toStdString();
  const std::string old_config =
      std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  const std::string old_data = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  ::setenv("XDG_DATA_HOME", data_home.c_str(), 1);
  {
    ScriptPlatform script;
    Files& p = script.files();
    EXPECT_EQ(p.data_folder(), config + "/Zerdo/data/");
    EXPECT_EQ(p.write_data_file("last.zdo", "game"), std::nullopt);
    EXPECT_EQ(p.append_data_file("history", "one\n"), std::nullopt);
    EXPECT_EQ(p.read_data_file("last.zdo", 100), "game");
    const auto refused = p.write_data_file("../Zerdo.conf", "x");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->path, config + "/Zerdo/data/../Zerdo.conf");
  }
  EXPECT_EQ(QDir(QString::fromStdString(config + "/Zerdo/data")).entryList(QDir::Files),
            QStringList({"history", "last.zdo"}));
  EXPECT_FALSE(QDir(QString::fromStdString(data_home)).exists());
  for (const auto& [name, old] :
       {std::pair{"XDG_CONFIG_HOME", old_config}, {"XDG_DATA_HOME", old_data}})
    if (old.empty())
      ::unsetenv(name);
    else
      ::setenv(name, old.c_str(), 1);
}

}  // namespace
}  // namespace zerdo
