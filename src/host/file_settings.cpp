#include "host/file_settings.h"

#include <QDir>

#include "services/file_access.h"
#include "services/settings_store.h"

namespace zerdo {

FileSettings::FileSettings() = default;
FileSettings::~FileSettings() = default;

SettingsStore& FileSettings::store() {
  if (!store_) store_ = std::make_unique<SettingsStore>();
  return *store_;
}

std::string FileSettings::get_setting(const std::string& /*app*/, const std::string& section,
                                      const std::string& key, const std::string& def) {
  return store().get(section, key, def);
}

void FileSettings::save_setting(const std::string& /*app*/, const std::string& section,
                                const std::string& key, const std::string& value) {
  store().save(section, key, value);
}

void FileSettings::begin_settings_write() { store().begin_write(); }

std::optional<std::string> FileSettings::stored_setting(const std::string& /*app*/,
                                                        const std::string& section,
                                                        const std::string& key) {
  return store().stored(section, key);
}

// A write another copy of the game overtook comes back as changed, so that
// the controller reads the store anew and merges before writing again.
std::optional<StoreFailure> FileSettings::flush_settings() {
  const SettingsStore::Commit done = store().commit();
  if (done == SettingsStore::Commit::Written) return std::nullopt;
  const bool changed = done == SettingsStore::Commit::Changed;
  return StoreFailure{QDir::toNativeSeparators(store().failed_file()).toStdString(),
                      changed ? file_failure(kStoreInUse).reason : store().error(),
                      changed ? kStoreInUse : store().failure().code, changed};
}

}  // namespace zerdo
