#include "services/settings_store.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>

#include "services/ini_text.h"
#include "services/store_lock.h"

namespace zerdo {

namespace {

// A store file is a few KiB; anything beyond this is refused rather than
// read in part and written back shorter.
constexpr std::size_t kMaxStoreBytes = 4 * 1024 * 1024;

// How long a write waits for the lock of another copy, which holds it only
// while it compares and renames, and how often a write begins again when
// other copies keep changing the store under it.
constexpr std::chrono::milliseconds kLockWait{2000};
constexpr int kAttempts = 8;

// QSettings reads "/" and "\" in a key as a group separator; such characters
// are kept inside the key by escaping them.
QString key_path(const std::string& section, const std::string& key) {
  QString k = QString::fromStdString(key);
  k.replace(QLatin1Char('%'), QLatin1String("%25"));
  k.replace(QLatin1Char('/'), QLatin1String("%2F"));
  k.replace(QLatin1Char('\\'), QLatin1String("%5C"));
  return QString::fromStdString(section) + QLatin1Char('/') + k;
}

QString unescape_key(QString k) {
  return k.replace(QLatin1String("%2F"), QLatin1String("/"))
      .replace(QLatin1String("%5C"), QLatin1String("\\"))
      .replace(QLatin1String("%25"), QLatin1String("%"));
}

std::string text_of(const QVariant& v) {
  // A value written by hand with commas reads back as a list; join it again.
  if (v.userType() == QMetaType::QStringList)
    return v.toStringList().join(QLatin1Char(',')).toStdString();
  return v.toString().toStdString();
}

// Whether text is a store: its first line that is no blank or comment is
// the section [Settings].
bool holds_a_store(const std::string& text) {
  std::size_t pos = text.rfind("\xef\xbb\xbf", 0) == 0 ? 3 : 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == ';') continue;
    const std::size_t last = line.find_last_not_of(" \t");
    return line.substr(first, last - first + 1) == "[Settings]";
  }
  return false;
}

// The store on disk: the file a write replaces (the store's path, or the
// file a link there leads to), and its bytes (nullopt: no store yet).
struct OnDisk {
  std::string target;
  std::optional<std::string> bytes;
  int mode = -1;  // the permissions of the file there
};

std::optional<OnDisk> read_store(const std::string& path, FileFailure* failure) {
  OnDisk disk{path, std::nullopt};
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return disk;
    *failure = file_failure(errno);
    return std::nullopt;
  }
  const bool link = S_ISLNK(st.st_mode);
  if (link) {
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved)) {
      *failure = file_failure(kLinkToNoStore);
      return std::nullopt;
    }
    disk.target = resolved;
  }
  FileFailure why;
  disk.bytes = read_file_bytes(disk.target, kMaxStoreBytes + 1, &why);
  if (link && (!disk.bytes || !holds_a_store(*disk.bytes))) why = file_failure(kLinkToNoStore);
  if (!disk.bytes || why.code == kLinkToNoStore) {
    *failure = why;
    return std::nullopt;
  }
  if (disk.bytes->size() > kMaxStoreBytes) {
    *failure = file_failure(kFileTooLarge);
    return std::nullopt;
  }
  if (::stat(disk.target.c_str(), &st) == 0) disk.mode = static_cast<int>(st.st_mode & 07777);
  return disk;
}

// The per-user store's file: below $XDG_CONFIG_HOME when that is an absolute
// path (a relative one is ignored, as the desktop's rules say), else below
// ~/.config.
std::string default_store_path() {
  std::string base;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
      const passwd* pw = ::getpwuid(::getuid());
      home = pw ? pw->pw_dir : "";
    }
    base = std::string(home) + "/.config";
  }
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return base + "/Zerdo/Zerdo.conf";
}

}  // namespace

struct SettingsStore::Write {
  std::optional<OnDisk> disk;  // nullopt: the store cannot be read
  IniValues values;
  FileFailure failure;  // why it cannot be read
};

SettingsStore::SettingsStore() : path_(default_store_path()) { load(); }

SettingsStore::SettingsStore(const QString& file) : path_(QFile::encodeName(file).toStdString()) {
  load();
}

void SettingsStore::load() {
  // No puzzle file or PDF is ever saved in the store's place.
  protect_file(path_);
  // Temporaries of writes cut short in an earlier run go first.
  remove_stale_temporaries(folder_of(path_));
  // A store that cannot be read starts the game with the defaults; the first
  // write then says why it cannot be written either.
  FileFailure failure;
  if (const auto disk = read_store(path_, &failure); disk && disk->bytes) {
    loaded_ = parse_ini(*disk->bytes);
    if (disk->target != path_) remove_stale_temporaries(folder_of(disk->target));
  }
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::file_name() const { return QFile::decodeName(path_.c_str()); }

std::string SettingsStore::get(const std::string& section, const std::string& key,
                               const std::string& def) const {
  const QString path = key_path(section, key);
  if (const auto it = saved_.find(path); it != saved_.end()) return it->second.toStdString();
  if (const auto it = loaded_.find(path); it != loaded_.end()) return text_of(it->second);
  return def;
}

void SettingsStore::save(const std::string& section, const std::string& key,
                         const std::string& value) {
  const QString path = key_path(section, key);
  saved_[path] = QString::fromStdString(value);
  unwritten_.insert(path);
}

void SettingsStore::begin_write() {
  write_ = std::make_unique<Write>();
  write_->disk = read_store(path_, &write_->failure);
  if (write_->disk && write_->disk->bytes) write_->values = parse_ini(*write_->disk->bytes);
}

std::optional<std::string> SettingsStore::stored(const std::string& section,
                                                 const std::string& key) const {
  if (!write_) return std::nullopt;
  const auto it = write_->values.find(key_path(section, key));
  if (it == write_->values.end()) return std::nullopt;
  return text_of(it->second);
}

SettingsStore::Commit SettingsStore::commit() {
  if (!write_) begin_write();
  const std::unique_ptr<Write> write = std::move(write_);
  failure_ = {};
  failed_file_ = file_name();
  if (unwritten_.empty()) return Commit::Written;
  auto failed = [&](const FileFailure& why) {
    failure_ = why;
    return Commit::Failed;
  };
  // A file that is there but cannot be read is never replaced: what it holds
  // would be lost.
  if (!write->disk) return failed(write->failure);
  const OnDisk& before = *write->disk;
  IniValues values = write->values;
  for (const QString& key : unwritten_) values[key] = saved_[key];
  const QByteArray text = format_ini(values);
  const IniValues held = parse_ini(text);
  for (const QString& key : unwritten_)
    if (const auto it = held.find(key); it == held.end() || it->second != QVariant(saved_[key]))
      return failed({EINVAL, "a value cannot be stored: " + key.toStdString()});
  const std::string bytes = text.toStdString();
  if (before.bytes == bytes) {  // the disk holds these values already
    unwritten_.clear();
    return Commit::Written;
  }

  // The data is written and synced before the lock is taken: the lock is
  // held only to read the store once more, compare and rename.
  FileFailure why;
  if (!make_folders(folder_of(before.target), &why)) return failed(why);
  auto pending = PendingFile::write(folder_of(before.target), bytes, before.mode, &why);
  if (!pending) return failed(why);
  {
    StoreLock lock(path_ + ".lock");
    if (!lock.acquire(kLockWait, &why)) {
      if (why.code == kStoreInUse) return Commit::Changed;
      failed_file_ = QFile::decodeName((path_ + ".lock").c_str());
      return failed(why);
    }
    const auto now = read_store(path_, &why);
    if (!now) return failed(why);
    if (now->target != before.target || now->bytes != before.bytes) return Commit::Changed;
    if (!pending->put_in_place(before.target, &why)) return failed(why);
  }
  pending->sync_folder();
  unwritten_.clear();
  return Commit::Written;
}

bool SettingsStore::sync() {
  for (int attempt = 1;; ++attempt) {
    if (commit() != Commit::Changed) return failure_.code == 0;
    if (attempt == kAttempts) {
      failure_ = file_failure(kStoreInUse);
      return false;
    }
    begin_write();
  }
}

std::vector<std::pair<std::string, std::string>> SettingsStore::read_section(
    const std::string& section) const {
  FileFailure failure;
  IniValues disk;
  if (const auto now = read_store(path_, &failure); now && now->bytes)
    disk = parse_ini(*now->bytes);
  const QString prefix = QString::fromStdString(section) + QLatin1Char('/');
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& [key, value] : disk)
    if (key.startsWith(prefix) && !key.mid(prefix.size()).contains(QLatin1Char('/')))
      out.emplace_back(unescape_key(key.mid(prefix.size())).toStdString(), text_of(value));
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace zerdo
