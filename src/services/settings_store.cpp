#include "services/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

#include "services/file_access.h"

namespace zerdo {

namespace {

using IniValues = std::map<QString, QVariant>;

// A store file is a few KiB; anything beyond this is refused rather than
// read in part and written back shorter.
constexpr std::size_t kMaxStoreBytes = 4 * 1024 * 1024;

// How long a write waits for the lock of another copy, and the age at which
// a lock counts as left behind by a copy that was killed.
constexpr std::chrono::milliseconds kLockWait{1000};

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

// QSettings reads and writes the INI form only through a file, and caches
// what it read by file name. The store's bytes go through a file of their
// own in a fresh temporary folder each time, so the form is exactly
// QSettings' while every read and write of the real file is the checked one
// of file_access, and no stale cache answers.
bool parse_ini(const std::string& bytes, IniValues& out, std::string& reason) {
  QTemporaryDir dir;
  if (!dir.isValid()) {
    reason = dir.errorString().toStdString();
    return false;
  }
  // Unbuffered, so that every write reports its own failure.
  const QString name = dir.filePath(QStringLiteral("Zerdo.conf"));
  QFile copy(name);
  if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
      copy.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size())) {
    reason = copy.errorString().toStdString();
    return false;
  }
  copy.close();
  const QSettings ini(name, QSettings::IniFormat);
  // A file with lines QSettings does not understand (FormatError) still
  // gives every line it does, as at start-up.
  if (ini.status() == QSettings::AccessError) {
    reason = "cannot read a copy of the store";
    return false;
  }
  out.clear();
  for (const QString& key : ini.allKeys()) out[key] = ini.value(key);
  return true;
}

// The INI text of values, and in held what it reads back as (QSettings drops
// a key it cannot write, such as an empty one a hand-edited file may have).
std::optional<std::string> format_ini(const IniValues& values, IniValues& held,
                                      std::string& reason) {
  QTemporaryDir dir;
  if (!dir.isValid()) {
    reason = dir.errorString().toStdString();
    return std::nullopt;
  }
  const QString name = dir.filePath(QStringLiteral("Zerdo.conf"));
  {
    QSettings ini(name, QSettings::IniFormat);
    for (const auto& [key, value] : values) ini.setValue(key, value);
    held.clear();
    for (const QString& key : ini.allKeys()) held[key] = ini.value(key);
    ini.sync();
    if (ini.status() != QSettings::NoError) {
      reason = "cannot write a copy of the store";
      return std::nullopt;
    }
  }
  auto bytes = read_file_bytes(name.toStdString(), kMaxStoreBytes, &reason);
  // QSettings may report success for a file it could not write whole (a full
  // temporary folder): the text must read back with every key, and the keys
  // the game saves with their values (sync checks those). A value a hand
  // edit left in a form QSettings does not write back the same is no reason
  // to keep the records from the disk.
  IniValues again;
  if (!bytes || !parse_ini(*bytes, again, reason)) return std::nullopt;
  const bool same_keys =
      std::equal(again.begin(), again.end(), held.begin(), held.end(),
                 [](const auto& a, const auto& b) { return a.first == b.first; });
  if (!same_keys) {
    reason = "a copy of the store did not read back whole";
    return std::nullopt;
  }
  held = std::move(again);
  return bytes;
}

// The file as it is on disk now: no file is an empty store.
bool read_ini(const QString& file, IniValues& out, std::string& reason) {
  out.clear();
  if (!QFileInfo(file).exists() && !QFileInfo(file).isSymLink()) return true;
  const auto bytes = read_file_bytes(file.toStdString(), kMaxStoreBytes + 1, &reason);
  if (!bytes) return false;
  if (bytes->size() > kMaxStoreBytes) {
    reason = "the file is too large";
    return false;
  }
  return parse_ini(*bytes, out, reason);
}

}  // namespace

struct SettingsStore::Write {
  explicit Write(const QString& file) : lock(file + QStringLiteral(".lock")) {}
  QLockFile lock;  // the name QSettings uses, so older copies keep out as well
  IniValues disk;
  bool readable = false;
  std::string reason;  // why the file could not be read
};

SettingsStore::SettingsStore()
    : SettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/Zerdo/Zerdo.conf")) {}

SettingsStore::SettingsStore(const QString& file) : file_(file) {
  std::string reason;
  // A store that cannot be read starts the game with the defaults; the first
  // write then says why it cannot be written either.
  if (!read_ini(file_, loaded_, reason)) loaded_.clear();
}

SettingsStore::~SettingsStore() = default;

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
  write_ = std::make_unique<Write>(file_);
  QDir().mkpath(QFileInfo(file_).absolutePath());
  // Held for the few milliseconds of a write; a lock older than the wait is
  // one a killed copy left behind. Without the lock (a read-only folder, or a
  // copy stuck while writing) the write goes on: it is atomic all the same.
  write_->lock.setStaleLockTime(kLockWait);
  write_->lock.tryLock(kLockWait);
  write_->readable = read_ini(file_, write_->disk, write_->reason);
}

std::optional<std::string> SettingsStore::stored(const std::string& section,
                                                 const std::string& key) const {
  if (!write_) return std::nullopt;
  const auto it = write_->disk.find(key_path(section, key));
  if (it == write_->disk.end()) return std::nullopt;
  return text_of(it->second);
}

bool SettingsStore::sync() {
  if (!write_) begin_write();
  const std::unique_ptr<Write> write = std::move(write_);  // the lock goes with it
  error_.clear();
  if (unwritten_.empty()) return true;
  // A file that is there but cannot be read is never replaced: what it holds
  // would be lost.
  if (!write->readable) {
    error_ = write->reason;
    return false;
  }
  IniValues values = write->disk;
  for (const QString& key : unwritten_) values[key] = saved_[key];
  IniValues held;
  const auto bytes = format_ini(values, held, error_);
  if (!bytes) return false;
  for (const QString& key : unwritten_)
    if (held[key] != QVariant(saved_[key])) {
      error_ = "a value cannot be stored: " + key.toStdString();
      return false;
    }
  if (!write_file_atomically(file_.toStdString(), *bytes, &error_)) return false;
  unwritten_.clear();
  return true;
}

std::vector<std::pair<std::string, std::string>> SettingsStore::read_section(
    const std::string& section) const {
  IniValues disk;
  std::string reason;
  read_ini(file_, disk, reason);
  const QString prefix = QString::fromStdString(section) + QLatin1Char('/');
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& [key, value] : disk)
    if (key.startsWith(prefix) && !key.mid(prefix.size()).contains(QLatin1Char('/')))
      out.emplace_back(unescape_key(key.mid(prefix.size())).toStdString(), text_of(value));
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace zerdo
