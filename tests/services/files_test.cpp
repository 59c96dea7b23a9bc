// Files on disk and the settings store: whole-or-nothing writes, refused
// special files, and a store that two copies of the game write in turn.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <string>

#include "services/file_access.h"
#include "services/settings_store.h"
#include "services/store_lock.h"

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

TEST_F(Files, LockOfACopyThatNoLongerRunsIsBrokenAtOnce) {
  const QString file = QString::fromStdString(path("Zerdo.conf"));
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_GT(gone, 0);
  ::waitpid(gone, nullptr, 0);
  ASSERT_TRUE(write_file_atomically(path("Zerdo.conf.lock"), std::to_string(gone) + "\nzerdo\n\n"));
  SettingsStore store(file);
  store.save("Settings", "StufeNr", "B3");
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(store.sync()) << store.error();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
  EXPECT_FALSE(QFile::exists(file + ".lock"));
}

// A copy that finds the store changed (or locked) when it comes to put its
// file in place writes nothing and begins again, reading what the other
// copy wrote.
TEST_F(Files, StoreChangedOrLockedMeanwhileIsNeverWrittenOver) {
  const QString file = QString::fromStdString(path("Zerdo.conf"));
  SettingsStore first(file), second(file);
  first.save("Settings", "MinTime 1", "500");
  first.begin_write();
  second.save("Settings", "MinTime 2", "700");
  ASSERT_TRUE(second.sync());
  EXPECT_EQ(first.commit(), SettingsStore::Commit::Changed);
  EXPECT_EQ(read(path("Zerdo.conf")), "[Settings]\nMinTime%202=700\n");
  first.begin_write();
  EXPECT_EQ(first.stored("Settings", "MinTime 2"), "700");
  {
    StoreLock held(path("Zerdo.conf.lock"));  // another copy that runs, by its lines
    FileFailure why;
    ASSERT_TRUE(held.acquire(std::chrono::milliseconds(0), &why)) << why.reason;
    EXPECT_EQ(first.commit(), SettingsStore::Commit::Changed);
  }
  EXPECT_EQ(read(path("Zerdo.conf")), "[Settings]\nMinTime%202=700\n");
  first.begin_write();
  ASSERT_EQ(first.commit(), SettingsStore::Commit::Written);
  EXPECT_EQ(read(path("Zerdo.conf")), "[Settings]\nMinTime%201=500\nMinTime%202=700\n");
  EXPECT_EQ(entries(), QStringList({"Zerdo.conf"}));
}

// --- special files, links and names ----------------------------------------

// A FIFO would hold the game at its first read or write; a device would be
// replaced by a regular file. Both are refused at once and left as they are,
// as the store's file and as its lock.
TEST_F(Files, SpecialFilesAreRefusedAtOnceAndLeftAlone) {
  ::alarm(20);  // a FIFO that is opened holds the test: end it instead
  ASSERT_EQ(::mkfifo(path("pipe.zdo").c_str(), 0600), 0);
  FileFailure why;
  EXPECT_EQ(read_file_bytes(path("pipe.zdo"), 100, &why), std::nullopt);
  EXPECT_EQ(why.code, kNotOrdinaryFile);
  for (const std::string& target : {path("pipe.zdo"), std::string("/dev/null")}) {
    EXPECT_FALSE(write_file_atomically(target, "x", &why)) << target;
    EXPECT_EQ(why.code, kNotOrdinaryFile) << target;
  }
  struct stat st {};
  ASSERT_EQ(::stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));

  for (const char* fifo : {"Zerdo.conf", "Zerdo.conf.lock"}) {
    const QString folder = QString::fromStdString(path(fifo)) + ".d";
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::string special = folder.toStdString() + "/" + fifo;
    ASSERT_EQ(::mkfifo(special.c_str(), 0600), 0);
    SettingsStore store(folder + "/Zerdo.conf");
    EXPECT_EQ(store.get("Settings", "StufeNr", "-"), "-");
    store.save("Settings", "StufeNr", "B3");
    EXPECT_FALSE(store.sync()) << fifo;
    EXPECT_EQ(store.failure().code, kNotOrdinaryFile) << fifo;
    EXPECT_EQ(store.failed_file().toStdString(), special);
    ASSERT_EQ(::lstat(special.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << fifo;
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                     QDir::NoDotAndDotDot),
              QStringList({fifo}));
  }
  ::alarm(0);
}

// A link in the store's place is followed to a store, and to nothing else:
// another file of the player's is neither read as the store nor written
// over, and a link that leads nowhere makes no file there.
TEST_F(Files, StoreLinkIsFollowedOnlyToAStore) {
  const struct {
    const char* target;
    const char* text;  // nullptr: no file there
    bool followed;
  } cases[] = {
      {"store.conf", "; mine\n\n[Settings]\nStufeNr=B3\n", true},
      {"notes.txt", "StufeNr=B3\n", false},
      {"other.ini", "[Other]\nStufeNr=B3\n[Settings]\nStufeNr=B3\n", false},
      {"empty.conf", "", false},
      {"missing.conf", nullptr, false},
  };
  for (const auto& c : cases) {
    const std::string folder = path(c.target) + ".d/";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    if (c.text) {
      ASSERT_TRUE(write_file_atomically(folder + c.target, c.text));
    }
    ASSERT_EQ(::symlink(c.target, (folder + "Zerdo.conf").c_str()), 0);
    SettingsStore store(QString::fromStdString(folder + "Zerdo.conf"));
    EXPECT_EQ(store.get("Settings", "StufeNr", "-"), c.followed ? "B3" : "-") << c.target;
    store.save("Settings", "StufeNr", "C1");
    EXPECT_EQ(store.sync(), c.followed) << c.target;
    struct stat st {};
    ASSERT_EQ(::lstat((folder + "Zerdo.conf").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << c.target;
    if (c.followed) {
      EXPECT_EQ(read(folder + c.target), "[Settings]\nStufeNr=C1\n");
    } else {
      EXPECT_EQ(store.failure().code, kLinkToNoStore) << c.target;
      EXPECT_EQ(read(folder + c.target), c.text ? c.text : "<none>") << c.target;
    }
  }
}

TEST_F(Files, TemporariesOfWritesCutShortGoAtStart) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_GT(gone, 0);
  ::waitpid(gone, nullptr, 0);
  const std::string dead = std::to_string(gone), alive = std::to_string(::getppid());
  const struct {
    std::string name;
    bool old, removed;
  } files[] = {
      {".zerdo-" + dead + "-1.tmp", true, true},
      {".Zerdo.conf.tmp-" + dead + "-7", true, true},  // as copies before named them
      {".a.zdo.tmp-" + dead + "-2", true, true},
      {".zerdo-" + alive + "-1.tmp", true, false},  // its writer still runs
      {".zerdo-" + dead + "-3.tmp", false, false},  // newer than this copy
      {".zerdo-notes.tmp", true, false},            // no temporary of the game's
  };
  QStringList kept;
  for (const auto& f : files) {
    ASSERT_TRUE(write_file_atomically(path(f.name.c_str()), "part"));
    if (f.old) {
      const timespec hour_ago[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
      ASSERT_EQ(::utimensat(AT_FDCWD, path(f.name.c_str()).c_str(), hour_ago, 0), 0);
    }
    if (!f.removed) kept << QString::fromStdString(f.name);
  }
  const SettingsStore store(QString::fromStdString(path("Zerdo.conf")));
  kept.sort();
  EXPECT_EQ(entries(), kept);
}

// The temporary file's name is short, so that a name of 255 bytes (the most
// a folder allows) is saved as well as any; names are bytes, UTF-8 or not.
TEST_F(Files, NamesOfAnyLengthAndAnyBytesAreWrittenAndRead) {
  const std::string folder = dir.path().toStdString() + "/";
  for (const std::string& name : {std::string(251, 'n') + ".zdo", std::string("Pr\xfc"
                                                                              "fung.zdo")}) {
    const std::string file = folder + name;
    // Removed by its bytes: the folder's removal takes names as text.
    const std::unique_ptr<const std::string, void (*)(const std::string*)> remove(
        &file, [](const std::string* f) { ::unlink(f->c_str()); });
    ASSERT_TRUE(write_file_atomically(file, "bytes")) << name.size();
    EXPECT_EQ(read(file), "bytes");
  }
}

// A puzzle file or a PDF saved under the store's name, or through a link
// that leads to it, would put another file in the player's settings: it is
// refused, and the store and the link are left as they are.
TEST_F(Files, NoOtherFileIsSavedInTheStoresPlace) {
  const QString file = QString::fromStdString(path("Zerdo.conf"));
  SettingsStore store(file);
  store.save("Settings", "StufeNr", "B3");
  ASSERT_TRUE(store.sync());
  ASSERT_EQ(::symlink("Zerdo.conf", path("a.zdo").c_str()), 0);
  for (const std::string& target : {path("a.zdo"), path("Zerdo.conf")}) {
    FileFailure why;
    EXPECT_FALSE(write_file_atomically(target, "puzzle", &why)) << target;
    EXPECT_EQ(why.code, kIsTheStore) << target;
  }
  EXPECT_EQ(read(path("Zerdo.conf")), "[Settings]\nStufeNr=B3\n");
  struct stat st {};
  ASSERT_EQ(::lstat(path("a.zdo").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_TRUE(write_file_atomically(path("b.zdo"), "puzzle"));  // any other file is saved
}

// A puzzle file's save cut short leaves its temporary beside the file: the
// first save into that folder in a later run removes it.
TEST_F(Files, TemporariesOfASaveCutShortGoAtTheFirstWriteInTheirFolder) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_GT(gone, 0);
  ::waitpid(gone, nullptr, 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("puzzles"));
  const std::string left = path("puzzles") + "/.zerdo-" + std::to_string(gone) + "-4.tmp";
  QFile part(QString::fromStdString(left));  // as a save cut short left it
  ASSERT_TRUE(part.open(QIODevice::WriteOnly));
  part.close();
  const timespec hour_ago[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, left.c_str(), hour_ago, 0), 0);
  ASSERT_TRUE(write_file_atomically(path("puzzles") + "/a.zdo", "puzzle"));
  EXPECT_EQ(QDir(dir.filePath("puzzles")).entryList(QDir::Files | QDir::Hidden),
            QStringList({"a.zdo"}));
}

// A relative $XDG_CONFIG_HOME counts as not set, as the desktop's rules
// have it: the store is below ~/.config, not below the current folder.
TEST(StorePath, RelativeConfigFolderIsIgnored) {
  const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", "/home/ann", 1);
  const struct {
    const char* config;
    std::string path;
  } cases[] = {
      {"/srv/ann/config", "/srv/ann/config/Zerdo/Zerdo.conf"},
      {"/srv/ann/config/", "/srv/ann/config/Zerdo/Zerdo.conf"},
      {"relative/config", "/home/ann/.config/Zerdo/Zerdo.conf"},
      {"", "/home/ann/.config/Zerdo/Zerdo.conf"},
  };
  for (const auto& c : cases) {
    ::setenv("XDG_CONFIG_HOME", c.config, 1);
    EXPECT_EQ(SettingsStore().path(), c.path) << c.config;
  }
  ::setenv("HOME", home.constData(), 1);
  if (config.isNull())
    ::unsetenv("XDG_CONFIG_HOME");
  else
    ::setenv("XDG_CONFIG_HOME", config.constData(), 1);
}

}  // namespace
}  // namespace zerdo
