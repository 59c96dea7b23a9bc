// Fuzz target: the start-up's reading of the settings store. The bytes are
// the store's file ($XDG_CONFIG_HOME/Zerdo/Zerdo.conf, an INI file) as the
// player may have edited it; the main window loads from it and unloads.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzz_platform.h"
#include "play/frm_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zerdo;
  static QTemporaryDir config;
  if (!config.isValid()) return 0;
  const QString dir = config.path() + QStringLiteral("/Zerdo");
  QDir().mkpath(dir);
  const QString name = dir + QStringLiteral("/Zerdo.conf");
  {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  fuzz::FuzzPlatform platform;
  platform.store = std::make_unique<SettingsStore>(name);
  FrmMain frm(platform);
  frm.Form_Load();
  frm.Form_Unload();
  return 0;
}
