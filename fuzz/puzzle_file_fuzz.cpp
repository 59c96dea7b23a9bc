// Fuzz target: the puzzle-file reader on any bytes, loaded through the game's
// File > Load into a running main window. A file the reader accepts must save
// back as the same cards; a file it refuses must leave the live board (cards,
// solution, pieces on the board, puzzle, range) exactly as it was.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/puzzle_file.h"
#include "fuzz_platform.h"
#include "play/frm_main.h"

namespace {

// The file the load dialog names, in a folder of this process that goes when
// the process ends normally, as a replay does.
const std::string& load_file() {
  zerdo::fuzz::scratch_in_memory();
  static QTemporaryDir dir;
  static const std::string name = dir.filePath(QStringLiteral("fuzz.zdo")).toStdString();
  return name;
}

// What a refused load must not touch.
struct Board {
  zerdo::CardTable sn;
  std::array<zerdo::Int, 17> solution{}, placement{};
  zerdo::Int moves = 0, level = 0, range_code = 0, field_count = 0;
  std::string puzzle_id, range_name;

  explicit Board(const zerdo::MainState& s)
      : sn(s.sn),
        solution(s.solution),
        placement(s.placement),
        moves(s.moves),
        level(s.level),
        range_code(s.shape.range_code),
        field_count(s.shape.field_count),
        puzzle_id(s.puzzle_id),
        range_name(s.range_name) {}
  bool operator==(const Board& o) const {
    return sn == o.sn && solution == o.solution && placement == o.placement && moves == o.moves &&
           level == o.level && range_code == o.range_code && field_count == o.field_count &&
           puzzle_id == o.puzzle_id && range_name == o.range_name;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zerdo;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  StagedPuzzle staged;
  const bool accepted = read_puzzle_file(bytes, staged).ok();

  QFile file(QString::fromStdString(load_file()));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  file.close();

  fuzz::FuzzPlatform platform;
  platform.file = load_file();
  FrmMain frm(platform);
  frm.start_up();
  if (!accepted) {
    // A game under way: a generated 4x4 puzzle with pieces on the board.
    frm.choose_menu("mnuFileSetupRange4x4");
    frm.choose_menu("mnuStufeE");
    frm.press_key("Ctrl+N");
    const Board before(frm.state());
    frm.choose_menu("mnuFileLoad");
    if (!(Board(frm.state()) == before)) __builtin_trap();
    frm.shut_down();
    QFile::remove(QString::fromStdString(load_file()));
    return 0;
  }

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
  frm.shut_down();
  QFile::remove(QString::fromStdString(load_file()));
  return 0;
}
