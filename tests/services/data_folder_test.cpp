// The folder of the game's own files beside the store: where it is, that it
// is made by the first write only, plain names only, and appends that are
// whole or nothing.
#include "services/data_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "small_disk.h"

namespace zerdo {
namespace {

bool exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Sets an environment variable for the life of a test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (had_)
      ::setenv(name_, old_.c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

// A relative or empty $XDG_DATA_HOME counts as not set, as the desktop's
// rules have it: the folder is below ~/.local/share, never below the
// current folder.
TEST(DataFolderPath, FollowsTheDesktopsRule) {
  const ScopedEnv home("HOME", "/home/ann");
  const struct {
    const char* data;
    const char* folder;
  } cases[] = {
      {"/srv/ann/data", "/srv/ann/data/Zerdo/"},
      {"/srv/ann/data//", "/srv/ann/data/Zerdo/"},
      {"relative/data", "/home/ann/.local/share/Zerdo/"},
      {"", "/home/ann/.local/share/Zerdo/"},
      {nullptr, "/home/ann/.local/share/Zerdo/"},
  };
  for (const auto& c : cases) {
    const ScopedEnv data("XDG_DATA_HOME", c.data);
    EXPECT_EQ(user_data_folder(), c.folder) << (c.data ? c.data : "(unset)");
    EXPECT_EQ(DataFolder().path(), c.folder);
  }
}

class DataFiles : public ::testing::Test {
 protected:
  std::string base() const { return dir.path().toStdString() + "/"; }
  QTemporaryDir dir;
};

TEST_F(DataFiles, TheFolderIsMadeByTheFirstWriteOnly) {
  DataFolder data(base() + "share/Zerdo");
  EXPECT_EQ(data.path(), base() + "share/Zerdo/");
  FileFailure why;
  EXPECT_FALSE(data.read("last.zdo", 100, &why));
  EXPECT_EQ(why.code, ENOENT);
  EXPECT_TRUE(data.remove("last.zdo"));  // nothing there: nothing to do
  EXPECT_FALSE(exists(base() + "share"));

  ASSERT_TRUE(data.write("last.zdo", "one"));
  ASSERT_TRUE(data.write("last.zdo", "two"));
  ASSERT_TRUE(data.append("history", "a\n"));
  ASSERT_TRUE(data.append("history", "b\n"));
  EXPECT_EQ(data.read("last.zdo", 100), "two");
  EXPECT_EQ(data.read("history", 100), "a\nb\n");
  EXPECT_EQ(data.read("history", 3), "a\nb");
  EXPECT_EQ(QDir(dir.filePath("share/Zerdo")).entryList(QDir::Files | QDir::Hidden),
            QStringList({"history", "last.zdo"}));  // no temporary left behind

  ASSERT_TRUE(data.remove("last.zdo"));
  EXPECT_FALSE(data.read("last.zdo", 100));
}

// Only plain names: nothing is read, written or removed outside the folder.
TEST_F(DataFiles, NamesThatAreNoPlainNamesAreRefused) {
  ASSERT_TRUE(QDir().mkpath(dir.filePath("Zerdo")));
  const std::string outside = base() + "outside";
  ASSERT_TRUE(DataFolder(base()).write("outside", "mine"));
  DataFolder data(base() + "Zerdo");
  for (const char* name : {"", ".", "..", "../outside", "sub/file", "/etc/passwd"}) {
    FileFailure why;
    EXPECT_FALSE(data.write(name, "x", &why)) << name;
    EXPECT_EQ(why.code, EINVAL) << name;
    EXPECT_FALSE(data.append(name, "x")) << name;
    EXPECT_FALSE(data.remove(name)) << name;
    EXPECT_FALSE(data.read(name, 100)) << name;
  }
  EXPECT_EQ(DataFolder(base()).read("outside", 100), "mine");
  EXPECT_EQ(QDir(dir.filePath("Zerdo")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
}

// A FIFO or a folder in a history's place is refused at once (no reader
// holds the game) and left as it is.
TEST_F(DataFiles, AppendRefusesWhatIsNoOrdinaryFile) {
  DataFolder data(base());
  ASSERT_EQ(::mkfifo((base() + "fifo").c_str(), 0600), 0);
  ASSERT_TRUE(QDir().mkpath(dir.filePath("folder")));
  FileFailure why;
  EXPECT_FALSE(data.append("fifo", "x", &why));
  EXPECT_TRUE(why.code == ENXIO || why.code == kNotOrdinaryFile) << why.reason;
  EXPECT_FALSE(data.append("folder", "x", &why));
  EXPECT_EQ(why.code, EISDIR);
  struct stat st {};
  ASSERT_EQ(::lstat((base() + "fifo").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// On a full disk a record that does not fit is taken back whole: the history
// stays byte for byte as it was, and the next record that fits is added.
TEST_F(DataFiles, AnAppendThatDoesNotFitLeavesTheFileAsItWas) {
  const zerdo::test::SmallDisk disk(dir.filePath("disk"), "64k");
  if (!disk.mounted()) GTEST_SKIP() << disk.why_not();
  DataFolder data(base() + "disk/Zerdo");
  const std::string record(1000, 'r');
  ASSERT_TRUE(data.append("history", record));
  ASSERT_TRUE(disk.fill());
  // Free a little room, less than a big record needs.
  ASSERT_EQ(::truncate((base() + "disk/filler").c_str(), 0), 0);
  std::string big(200 * 1024, 'b');
  FileFailure why;
  EXPECT_FALSE(data.append("history", big, &why));
  EXPECT_EQ(why.code, ENOSPC) << why.reason;
  EXPECT_EQ(data.read("history", 1 << 20), record);
  EXPECT_TRUE(data.append("history", "next\n"));
  EXPECT_EQ(data.read("history", 1 << 20), record + "next\n");
}

}  // namespace
}  // namespace zerdo
