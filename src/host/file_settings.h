#pragma once
#include <memory>
#include <optional>
#include <string>

#include "play/platform.h"

namespace zerdo {

class SettingsStore;

// The settings store of the game: the per-user INI file (or the one given),
// read when first used, so that the environment that names its folder is
// the one the game runs in.
class FileSettings : public Settings {
 public:
  FileSettings();
  ~FileSettings() override;
  FileSettings(const FileSettings&) = delete;
  FileSettings& operator=(const FileSettings&) = delete;

  SettingsStore& store();

  std::string get_setting(const std::string& app, const std::string& section,
                          const std::string& key, const std::string& def) override;
  void save_setting(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& value) override;
  void begin_settings_write() override;
  std::optional<std::string> stored_setting(const std::string& app, const std::string& section,
                                            const std::string& key) override;
  std::optional<StoreFailure> flush_settings() override;

 private:
  std::unique_ptr<SettingsStore> store_;
};

}  // namespace zerdo
