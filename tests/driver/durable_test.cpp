// What the player has survives other copies of the game and a full disk: real
// driver processes on one settings store.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "small_disk.h"

namespace {

// One zerdo-driver process, fed a few lines at a time.
class Driver {
 public:
  // wrapper, when given, is a command that runs the driver (as another user).
  explicit Driver(const QString& config, const QList<QPair<QString, QString>>& more = {},
                  QStringList wrapper = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config);
    for (const auto& [name, value] : more) env.insert(name, value);
    process_.setProcessEnvironment(env);
    wrapper << QStringLiteral(ZERDO_DRIVER);
    process_.start(wrapper.takeFirst(), wrapper);
  }
  ~Driver() {
    process_.closeWriteChannel();
    process_.waitForFinished(10000);
  }

  // Runs the lines and returns what they printed.
  std::string run(const std::string& lines) {
    send(lines);
    return collect();
  }
  // The same in two halves, so that two copies can run at once.
  void send(const std::string& lines) {
    process_.write(QByteArray::fromStdString(lines + "\necho " + marker() + "\n"));
  }
  std::string collect() {
    const std::string marker = this->marker();
    ++runs_;
    std::string out;
    while (out.find(marker + "\n") == std::string::npos) {
      if (!process_.waitForReadyRead(30000)) {
        ADD_FAILURE() << "the driver stopped answering; it printed:\n" << out;
        return out;
      }
      out += process_.readAllStandardOutput().toStdString();
    }
    return out.substr(0, out.find(marker + "\n"));
  }

  // Solves the built-in puzzle id (3x3) in seconds of play time: each piece
  // is dragged onto the field the solution gives it.
  std::string solve(const std::string& id, const std::string& seconds) {
    return run(solving(id, seconds));
  }
  // The lines that solve it, once the puzzle is chosen.
  std::string solving(const std::string& id, const std::string& seconds) {
    const std::string table = run("menu mnuFileZerdo" + id + "\ntable solution");
    static const char* const kNames[] = {"drei_lila", "drei_rood", "drei_vert",
                                         "rund_lila", "rund_rood", "rund_vert",
                                         "vier_lila", "vier_rood", "vier_vert"};
    std::vector<int> solution;
    for (std::size_t pos = 0; pos < table.size();) {
      std::size_t end = 0;
      solution.push_back(std::stoi(table.substr(pos), &end));
      pos += end;
      while (pos < table.size() && (table[pos] == ' ' || table[pos] == '\n')) ++pos;
    }
    std::string script;
    for (int f = 1; f <= 9; ++f) {
      if (f == 9) script += "wait " + seconds + "\n";
      script += "drag Picture_" + std::string(kNames[solution[f - 1] - 1]) + " " +
                std::to_string(260 + 960 * ((f - 1) % 3)) + " " +
                std::to_string(4120 + 960 * ((f - 1) / 3)) + "\n";
    }
    return script + "messages";
  }

 private:
  std::string marker() const { return "-- done " + std::to_string(runs_ + 1) + " --"; }

  QProcess process_;
  int runs_ = 0;
};

bool has_line(const std::string& out, const std::string& line) {
  return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
}

QByteArray bytes_of(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

TEST(TwoCopies, KeepEachOthersRecordsAndTheLastToCloseKeepsItsSettings) {
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  Driver ann(config.path()), bob(config.path());
  ann.run("user Ann\nstart\nmenu mnuFileUser");
  bob.run("user Bob\nstart\nmenu mnuFileUser");
  // Both started on an empty store. Bob's record reaches the store first;
  // Ann's record is written over it, and Bob's exit then writes over hers.
  for (const std::string& solved : {bob.solve("B1", "20"), ann.solve("A1", "12.3")}) {
    EXPECT_NE(solved.find("Sehr gut"), std::string::npos) << solved;
    EXPECT_EQ(solved.find("Rekorde"), std::string::npos) << solved;
  }
  bob.run("close");
  ann.run("menu mnuFileZerdoC2\nclose");

  Driver next(config.path());
  const std::string out = next.run("start\nmessages\nstore");
  EXPECT_EQ(out.find("box "), std::string::npos) << out;  // the check holds
  EXPECT_TRUE(has_line(out, "MinTime 1 = \"123\"")) << out;
  EXPECT_TRUE(has_line(out, "Bester 1 = \"Ann\"")) << out;
  EXPECT_TRUE(has_line(out, "MinTime 2 = \"200\"")) << out;
  EXPECT_TRUE(has_line(out, "Bester 2 = \"Bob\"")) << out;
  EXPECT_TRUE(has_line(out, "StufeNr = \"C2\"")) << out;  // Ann closed last
  EXPECT_TRUE(has_line(out, "LastUser = \"Ann\"")) << out;
}

// Two copies on a slow disk (each fsync 0.4 s and 0.7 s longer, as on a USB
// stick or a network home) make records at the same moment, round after
// round: each copy writes while the other does, and no record either copy
// showed is lost from the store.
TEST(TwoCopies, OnASlowDiskNeverLoseARecordTheyShowed) {
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  auto slow = [](const char* ms) -> QList<QPair<QString, QString>> {
    return {{"LD_PRELOAD", ZERDO_SLOW_FSYNC},
            {"ZERDO_FSYNC_MS", ms},
            // The shim comes before the sanitizer's runtime in an ASan build.
            {"ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0"}};
  };
  Driver ann(config.path(), slow("400")), bob(config.path(), slow("700"));
  ann.run("user Ann\nstart\nmenu mnuFileUser");
  bob.run("user Bob\nstart\nmenu mnuFileUser");
  const struct {
    const char *ann, *bob;  // the puzzles each solves, at once
  } rounds[] = {{"A1", "B1"}, {"C1", "D1"}, {"E1", "F1"}};
  QElapsedTimer clock;
  clock.start();
  for (const auto& round : rounds) {
    const std::string ann_lines = ann.solving(round.ann, "30");
    const std::string bob_lines = bob.solving(round.bob, "40");
    ann.send(ann_lines);
    bob.send(bob_lines);
    for (const std::string& shown : {ann.collect(), bob.collect()})
      EXPECT_NE(shown.find("Sehr gut"), std::string::npos) << shown;
  }
  ASSERT_GE(clock.elapsed(), 400) << "the slow disk is not in place";
  ann.run("close");
  bob.run("close");

  Driver next(config.path());
  const std::string out = next.run("start\nmessages\nstore");
  EXPECT_EQ(out.find("box "), std::string::npos) << out;  // the check holds
  for (int level = 1; level <= 6; ++level) {
    const bool ann_s = level % 2 == 1;
    EXPECT_TRUE(has_line(
        out, "MinTime " + std::to_string(level) + " = \"" + (ann_s ? "300" : "400") + "\""))
        << level << "\n"
        << out;
    EXPECT_TRUE(
        has_line(out, "Bester " + std::to_string(level) + " = \"" + (ann_s ? "Ann" : "Bob") + "\""))
        << level << "\n"
        << out;
  }
}

// Two copies finish games at the same moment, round after round, on a slow
// disk: the history keeps every game of both, each line whole.
TEST(TwoCopies, FinishingGamesAtOnceLoseNoHistoryLine) {
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  const QList<QPair<QString, QString>> slow = {
      {"LD_PRELOAD", ZERDO_SLOW_FSYNC},
      {"ZERDO_FSYNC_MS", "50"},
      {"ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0"}};
  Driver ann(config.path(), slow), bob(config.path(), slow);
  ann.run("start");
  bob.run("start");
  const char* const puzzles[] = {"A1", "B1", "C1", "D1", "E1", "F1"};
  for (const char* id : puzzles) {
    const std::string ann_lines = ann.solving(id, "30");
    const std::string bob_lines = bob.solving(id, "40");
    ann.send(ann_lines);
    bob.send(bob_lines);
    ann.collect();
    bob.collect();
  }
  Driver next(config.path());
  const std::string out = next.run("history");
  EXPECT_EQ(out.find("note:"), std::string::npos) << out;
  for (const char* id : puzzles)
    for (const char* seconds : {"30", "40"})
      EXPECT_NE(out.find(std::string("puzzle=\"") + id + "\" range=3x3 level=" +
                         std::to_string(id[0] - 'A' + 1) + " seconds=" + seconds),
                std::string::npos)
          << id << " " << seconds << "\n"
          << out;
}

// A copy killed while it writes the game it keeps and its history, again and
// again: a later copy finds the kept game whole or none, and every line of
// the history whole.
TEST(KilledCopy, LeavesNoTornKeptGameOrHistory) {
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  for (int round = 0; round < 6; ++round) {
    {
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert("XDG_CONFIG_HOME", config.path());
      // A slow disk, so that the kill comes while a file is being written.
      env.insert("LD_PRELOAD", ZERDO_SLOW_FSYNC);
      env.insert("ZERDO_FSYNC_MS", "3");
      env.insert("ASAN_OPTIONS",
                 qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0");
      QProcess copy;
      copy.setProcessEnvironment(env);
      copy.start(QStringLiteral(ZERDO_DRIVER), {});
      ASSERT_TRUE(copy.waitForStarted());
      // Moves, each kept, and games judged and abandoned, each in the history.
      std::string lines = "start\nmenu mnuFileZerdoA1\n";
      for (int i = 0; i < 400; ++i) {
        lines += "drag Picture_drei_lila 260 5080\ndrag Picture_drei_lila 0 0\n";
        if (i % 5 == 4) lines += "menu mnuFileNew\n";
      }
      copy.write(QByteArray::fromStdString(lines));
      // The lines go out while the copy plays them; then it is killed.
      QElapsedTimer clock;
      clock.start();
      while (clock.elapsed() < 150 + 83 * round) copy.waitForBytesWritten(10);
      copy.kill();
      copy.waitForFinished(10000);
    }
    Driver next(config.path());
    const std::string out = next.run("history\nstart\nmenu mnuFileContinue\nmessages\nclose");
    EXPECT_EQ(out.find("note:"), std::string::npos) << round << "\n" << out;
    EXPECT_EQ(out.find("box "), std::string::npos) << round << "\n" << out;
    if (round == 5) {
      EXPECT_NE(out.find("result=abandoned"), std::string::npos) << out;
    }
  }
}

// A small filesystem of its own, filled to the last byte: saving a puzzle
// file and writing the store both fail, say so, and leave the old files.
TEST(FullDisk, SavesFailWithTheMessageAndTheOldFilesStay) {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root (CI runs as root)";
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  const QString mnt = scratch.filePath("mnt");
  ASSERT_TRUE(QDir().mkpath(mnt));
  if (::mount("tmpfs", mnt.toLocal8Bit().constData(), "tmpfs", 0, "size=1m") != 0)
    GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
  struct Unmount {
    QString dir;
    ~Unmount() { ::umount2(dir.toLocal8Bit().constData(), MNT_DETACH); }
  } unmount{mnt};

  const QString config = mnt + "/config";
  const QString store = config + "/Zerdo/Zerdo.conf";
  const std::string puzzle = (mnt + "/a.zdo").toStdString();
  {
    Driver first(config);
    first.run("start\nmenu mnuFileZerdoA1\nfile " + puzzle + "\nmenu mnuFileSave\nclose");
  }
  auto bytes = [](const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
  };
  const QByteArray old_store = bytes(store), old_puzzle = bytes(QString::fromStdString(puzzle));
  ASSERT_TRUE(old_store.contains("StufeNr=A1"));
  ASSERT_TRUE(old_puzzle.contains("\"A1\""));

  // Fill it: large pieces first, then byte by byte up to the last one.
  const int fd = ::open((mnt + "/filler").toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  const std::string chunk(4096, 'x');
  for (std::size_t size = chunk.size(); size > 0; size /= 2)
    while (::write(fd, chunk.data(), size) == static_cast<ssize_t>(size)) {
    }
  ASSERT_EQ(errno, ENOSPC);
  ::close(fd);

  Driver second(config);
  const std::string out =
      second.run("user Eve\nstart\nmenu mnuFileUser\nmenu mnuFileZerdoB2\nfile " + puzzle +
                 "\nmenu mnuFileSave\nclose\nmessages");
  const std::string not_saved =
      "box title=\"Zerdo\" text=\"Die Rekorde konnten nicht gespeichert "
      "werden.\\n" +
      store.toStdString() +
      "\\n\\nAuf dem Datenträger ist kein Platz mehr frei.\" buttons=ok icon=exclamation "
      "answer=ok";
  EXPECT_NE(out.find("box title=\"Zerdo Speichern\""), std::string::npos) << out;
  EXPECT_TRUE(has_line(out, not_saved)) << out;
  EXPECT_EQ(bytes(store), old_store);
  EXPECT_EQ(bytes(QString::fromStdString(puzzle)), old_puzzle);
  // No temporary file is left behind.
  EXPECT_EQ(QDir(mnt).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({"a.zdo", "config", "filler"}));
  EXPECT_EQ(
      QDir(config + "/Zerdo").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
      QStringList({"Zerdo.conf"}));
}

// A store that cannot be written says why in the player's words, never in
// the system's English: a folder the player may not write in, a read-only
// disk.
TEST(UnwritableStore, TheBoxSaysWhyInThePlayersWords) {
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  ASSERT_TRUE(QFile::setPermissions(scratch.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ExeOwner | QFile::ReadOther |
                                                        QFile::ExeOther));
  auto written_store = [](const QString& config) {
    QDir().mkpath(config + "/Zerdo");
    QFile store(config + "/Zerdo/Zerdo.conf");
    return store.open(QIODevice::WriteOnly) && store.write("[Settings]\nLastUser=Ann\n") > 0;
  };
  auto box = [](const QString& config, const char* words) {
    return "box title=\"Zerdo\" text=\"Die Rekorde konnten nicht gespeichert werden.\\n" +
           config.toStdString() + "/Zerdo/Zerdo.conf\\n\\n" + words +
           "\" buttons=ok icon=exclamation answer=ok";
  };
  const std::string script = "start\nmenu mnuFileZerdoC2\nclose\nmessages";

  // A folder without the right to write: root may write anywhere, so the
  // driver then runs as nobody.
  const QString locked = scratch.filePath("locked");
  ASSERT_TRUE(written_store(locked));
  for (const QString& dir : {locked, locked + "/Zerdo"})
    ASSERT_TRUE(QFile::setPermissions(
        dir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
  QStringList as_nobody;
  if (::geteuid() == 0)
    as_nobody = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
  {
    Driver driver(locked, {}, as_nobody);
    const std::string out = driver.run(script);
    EXPECT_TRUE(has_line(out, box(locked, "Der Zugriff ist nicht erlaubt."))) << out;
    EXPECT_EQ(out.find("Permission denied"), std::string::npos) << out;
  }
  EXPECT_EQ(bytes_of(locked + "/Zerdo/Zerdo.conf"), "[Settings]\nLastUser=Ann\n");
  for (const QString& dir : {locked, locked + "/Zerdo"})  // so that it can be cleared away
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  // A disk mounted read-only after the store was written.
  const QString disk = scratch.filePath("disk");
  const zerdo::test::SmallDisk small(disk, "64k");
  if (!small.mounted()) GTEST_SKIP() << small.why_not();
  ASSERT_TRUE(written_store(disk));
  ASSERT_EQ(
      ::mount(nullptr, disk.toLocal8Bit().constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
      << std::strerror(errno);
  {
    Driver driver(disk);
    const std::string out = driver.run(script);
    EXPECT_TRUE(has_line(out, box(disk, "Der Datenträger ist schreibgeschützt."))) << out;
    EXPECT_EQ(out.find("Read-only"), std::string::npos) << out;
  }
  EXPECT_EQ(bytes_of(disk + "/Zerdo/Zerdo.conf"), "[Settings]\nLastUser=Ann\n");
}

// A puzzle file saved in the store's place, by its name or through a link
// that leads to it, would put a puzzle where the player's settings and
// records are: the save is refused with its message, the store and the link
// stay.
TEST(SaveOntoTheStore, IsRefusedAndTheStoreStays) {
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  const QString config = scratch.filePath("config"), store = config + "/Zerdo/Zerdo.conf";
  ASSERT_TRUE(QDir().mkpath(config + "/Zerdo"));
  const QString link = scratch.filePath("link.zdo");
  ASSERT_TRUE(QFile::link(store, link));
  for (const QString& target : {store, link}) {
    {
      QFile file(store);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("[Settings]\nLastUser=Ann\n");
    }
    Driver driver(config);
    const std::string out = driver.run("start\nmenu mnuFileZerdoA1\nfile " + target.toStdString() +
                                       "\nmenu mnuFileSave\nmessages");
    EXPECT_NE(out.find("box title=\"Zerdo Speichern\""), std::string::npos) << out;
    EXPECT_TRUE(bytes_of(store).startsWith("[Settings]")) << bytes_of(store).data();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), store);
  }
}

// The store is read and written in memory: a temporary folder that is
// missing, a file, or full leaves the player's settings as they are, and
// every write goes through.
TEST(NoTemporaryFolder, TheStoreIsReadAndWrittenAllTheSame) {
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  QFile(scratch.filePath("file")).open(QIODevice::WriteOnly);
  QStringList folders = {scratch.filePath("missing"), scratch.filePath("file")};
  const zerdo::test::SmallDisk full(scratch.filePath("full"), "64k");
  if (full.mounted()) {
    ASSERT_TRUE(full.fill());
    folders << scratch.filePath("full");
  } else {
    std::printf("note: the full temporary folder is left out: %s\n", full.why_not().c_str());
  }
  for (const QString& tmp : folders) {
    const QString config = scratch.filePath("config-" + QFileInfo(tmp).fileName());
    ASSERT_TRUE(QDir().mkpath(config + "/Zerdo"));
    QFile store(config + "/Zerdo/Zerdo.conf");
    ASSERT_TRUE(store.open(QIODevice::WriteOnly));
    store.write("[Settings]\nLanguage=English\nLastUser=Ann\n");
    store.close();
    {
      Driver driver(config, {{"TMPDIR", tmp}});
      const std::string out = driver.run("start\ncaption\nmenu mnuFileZerdoC2\nclose\nmessages");
      EXPECT_EQ(out.find("box "), std::string::npos) << tmp.toStdString() << "\n" << out;
      EXPECT_NE(out.find("User = Ann"), std::string::npos) << tmp.toStdString() << "\n" << out;
    }
    const QByteArray text = bytes_of(store.fileName());
    EXPECT_TRUE(text.contains("Language=English\n")) << tmp.toStdString() << "\n" << text.data();
    EXPECT_TRUE(text.contains("LastUser=Ann\n")) << tmp.toStdString() << "\n" << text.data();
    EXPECT_TRUE(text.contains("StufeNr=C2\n")) << tmp.toStdString() << "\n" << text.data();
  }
}

}  // namespace
