#include "services/settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>

namespace zerdo {

namespace {

// QSettings reads "/" and "\" in a key as a group separator; such characters
// are kept inside the key by escaping them.
QString key_path(const std::string& section, const std::string& key) {
  QString k = QString::fromStdString(key);
  k.replace(QLatin1Char('%'), QLatin1String("%25"));
  k.replace(QLatin1Char('/'), QLatin1String("%2F"));
  k.replace(QLatin1Char('\\'), QLatin1String("%5C"));
  return QString::fromStdString(section) + QLatin1Char('/') + k;
}

}  // namespace

SettingsStore::SettingsStore()
    : SettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/Zerdo/Zerdo.conf")) {}

SettingsStore::SettingsStore(const QString& file)
    : settings_(std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

std::string SettingsStore::get(const std::string& section, const std::string& key,
                               const std::string& def) const {
  const QVariant v = settings_->value(key_path(section, key));
  if (!v.isValid()) return def;
  // A value written by hand with commas reads back as a list; join it again.
  if (v.userType() == QMetaType::QStringList)
    return v.toStringList().join(QLatin1Char(',')).toStdString();
  return v.toString().toStdString();
}

void SettingsStore::save(const std::string& section, const std::string& key,
                         const std::string& value) {
  settings_->setValue(key_path(section, key), QString::fromStdString(value));
}

void SettingsStore::sync() { settings_->sync(); }

QString SettingsStore::file_name() const { return settings_->fileName(); }

}  // namespace zerdo
