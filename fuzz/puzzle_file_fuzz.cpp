// Fuzz target: the puzzle-file reader on any bytes, and a file it accepts
// loaded through the game's File > Load into a running main window.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/puzzle_file.h"
#include "fuzz_platform.h"
#include "play/frm_main.h"

namespace {

// The file the load dialog names, one per process.
const std::string& load_file() {
  static const std::string name =
      (QDir::tempPath() +
       QStringLiteral("/zerdo-fuzz-%1.zdo").arg(QCoreApplication::applicationPid()))
          .toStdString();
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zerdo;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  StagedPuzzle staged;
  if (!read_puzzle_file(bytes, staged).ok()) return 0;

  QFile file(QString::fromStdString(load_file()));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  file.close();

  fuzz::FuzzPlatform platform;
  platform.file = load_file();
  FrmMain frm(platform);
  frm.Form_Load();
  frm.choose_menu("mnuFileLoad");
  // Saved again, the puzzle must read back as the same cards.
  frm.choose_menu("mnuFileSave");
  const CardTable loaded = frm.state().sn;
  StagedPuzzle again;
  QFile saved(QString::fromStdString(load_file()));
  if (!saved.open(QIODevice::ReadOnly)) __builtin_trap();
  const QByteArray text = saved.readAll();
  if (!read_puzzle_file(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                        again)
           .ok())
    __builtin_trap();
  for (int r = 1; r <= again.rows; ++r)
    for (int c = 1; c <= again.columns; ++c)
      if (again.sn_buffer(r, c) != loaded(r, c)) __builtin_trap();
  frm.Form_Unload();
  return 0;
}
