// Fuzz target: the settings store as the player may have edited it. The bytes
// are the store's file ($XDG_CONFIG_HOME/Zerdo/Zerdo.conf, an INI file); the
// main window loads from it and unloads, which writes the store through the
// real INI store. What the game wrote must read back with the records intact:
// a second start finds the same hall of fame and no broken check.
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
  fuzz::scratch_in_memory();
  // Removed again when the process ends normally, as a replay does.
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
  frm.start_up();
  frm.shut_down();
  if (platform.store_failures != 0) __builtin_trap();

  fuzz::FuzzPlatform again;
  again.store = std::make_unique<SettingsStore>(name);
  FrmMain second(again);
  second.start_up();
  if (again.boxes != 0) __builtin_trap();  // the record check holds
  for (int r = 1; r <= 2; ++r)
    for (int level = 1; level <= 9; ++level) {
      const auto R = static_cast<std::size_t>(r), L = static_cast<std::size_t>(level);
      if (second.state().range_stats[R][L] != frm.state().range_stats[R][L] ||
          second.state().record_holder[R][L] != frm.state().record_holder[R][L])
        __builtin_trap();
    }
  QFile::remove(name);
  return 0;
}
