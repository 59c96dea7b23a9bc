// Files on disk and the settings store: whole-or-nothing writes, refused
// special files, and a store that two copies of the game write in turn.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "services/file_access.h"
#include "services/settings_store.h"

namespace zerdo {
namespace {

class Files : public ::testing::Test {
 protected:
  std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
  QStringList entries() const {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }
  static std::string read(const std::string& p) {
    return read_file_bytes(p, 1 << 20).value_or("<none>");
  }
  QTemporaryDir dir;
};

TEST_F(Files, WriteReplacesTheFileAndKeepsItsPermissionsAndLinks) {
  ASSERT_TRUE(write_file_atomically(path("a.zdo"), "old"));
  ASSERT_EQ(::chmod(path("a.zdo").c_str(), 0640), 0);
  ASSERT_EQ(::symlink("a.zdo", path("link.zdo").c_str()), 0);
  ASSERT_TRUE(write_file_atomically(path("link.zdo"), "new"));
  EXPECT_EQ(read(path("a.zdo")), "new");
  struct stat st {};
  ASSERT_EQ(::lstat(path("link.zdo").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(::stat(path("a.zdo").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(entries(), QStringList({"a.zdo", "link.zdo"}));  // no temporary file left
}

TEST_F(Files, FailedWriteSaysWhyAndLeavesNothingBehind) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.zdo"));
  ASSERT_TRUE(write_file_atomically(path("plain"), "x"));
  const struct {
    std::string target, reason;
  } cases[] = {
      {path("folder.zdo"), "Is a directory"},
      {path("plain") + "/a.zdo", "Not a directory"},
      {path("missing") + "/a.zdo", "No such file or directory"},
  };
  for (const auto& c : cases) {
    std::string reason;
    EXPECT_FALSE(write_file_atomically(c.target, "bytes", &reason)) << c.target;
    EXPECT_EQ(reason, c.reason) << c.target;
  }
  EXPECT_EQ(entries(), QStringList({"folder.zdo", "plain"}));
}

TEST_F(Files, ReadTakesAtMostTheLimit) {
  ASSERT_TRUE(write_file_atomically(path("a.zdo"), "0123456789"));
  EXPECT_EQ(read_file_bytes(path("a.zdo"), 4), "0123");
  EXPECT_EQ(read_file_bytes(path("a.zdo"), 100), "0123456789");
  std::string reason;
  EXPECT_EQ(read_file_bytes(path("none.zdo"), 100, &reason), std::nullopt);
  EXPECT_EQ(reason, "No such file or directory");
}

// --- the settings store ------------------------------------------------------

TEST_F(Files, StoreWritesItsKeysOverWhatAnotherCopyWroteMeanwhile) {
  const QString file = QString::fromStdString(path("Zerdo.conf"));
  SettingsStore first(file);
  SettingsStore second(file);  // both started on an empty store
  first.save("Settings", "MinTime 1", "834");
  first.save("Settings", "StufeNr", "B3");
  ASSERT_TRUE(first.sync());
  second.save("Settings", "StufeNr", "C1");
  second.begin_write();
  EXPECT_EQ(second.stored("Settings", "MinTime 1"), "834");  // what is on disk now
  EXPECT_EQ(second.stored("Settings", "Bester 1"), std::nullopt);
  ASSERT_TRUE(second.sync());
  const SettingsStore reader(file);
  EXPECT_EQ(reader.get("Settings", "MinTime 1", "-"), "834");
  EXPECT_EQ(reader.get("Settings", "StufeNr", "-"), "C1");
  EXPECT_EQ(reader.read_section("Settings"), (std::vector<std::pair<std::string, std::string>>{
                                                 {"MinTime 1", "834"}, {"StufeNr", "C1"}}));
  // The file is the INI form it always had.
  QFile text(file);
  ASSERT_TRUE(text.open(QIODevice::ReadOnly));
  EXPECT_EQ(text.readAll().toStdString(), "[Settings]\nMinTime%201=834\nStufeNr=C1\n");
}

TEST_F(Files, UnwritableStoreSaysWhyAndIsLeftAsItWas) {
  ASSERT_TRUE(write_file_atomically(path("file"), "not a folder"));
  ASSERT_TRUE(QDir(dir.path()).mkpath("folder/Zerdo.conf"));
  const struct {
    std::string file, reason;
  } cases[] = {
      {path("file") + "/Zerdo.conf", "Not a directory"},   // the folder is a file
      {path("folder") + "/Zerdo.conf", "Is a directory"},  // the file is a folder
  };
  for (const auto& c : cases) {
    SettingsStore store(QString::fromStdString(c.file));
    store.save("Settings", "MinTime 1", "834");
    EXPECT_FALSE(store.sync()) << c.file;
    EXPECT_EQ(store.error(), c.reason) << c.file;
    EXPECT_FALSE(store.sync()) << c.file;  // still unwritten, tried again
  }
  EXPECT_EQ(read(path("file")), "not a folder");
  EXPECT_TRUE(QDir(QString::fromStdString(path("folder/Zerdo.conf"))).exists());
}

TEST_F(Files, LockLeftBehindByAKilledCopyIsBroken) {
  const QString file = QString::fromStdString(path("Zerdo.conf"));
  {
    QFile lock(file + ".lock");  // empty: no process to ask whether it still runs
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  }
  SettingsStore store(file);
  store.save("Settings", "StufeNr", "B3");
  ASSERT_TRUE(store.sync());
  EXPECT_EQ(SettingsStore(file).get("Settings", "StufeNr", "-"), "B3");
  EXPECT_FALSE(QFile::exists(file + ".lock"));
}

}  // namespace
}  // namespace zerdo
