// The main window under Qt (offscreen): card rebuild, painting, dragging and
// puzzle files, each through the game's own code paths.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <string>

#include "model/pictures.h"
#include "play/frm_main.h"
#include "qt/board_widget.h"
#include "qt/main_window.h"
#include "view/board_view.h"

namespace {

using namespace zerdo;

// The game's window as the player sees it after start-up, shown offscreen;
// boxes and file dialogs answer at once.
struct Window {
  explicit Window(bool big = false) {
    w.platform().message_hook = [](const MessageBox&) { return Answer::Ok; };
    w.platform().file_hook = [this](FileDialogKind, const std::string&, const std::string&) {
      return file;
    };
    w.start();
    if (big) w.frm().choose_menu("mnuFileSetupRange4x4");
    w.refresh();
    w.show();
    QApplication::processEvents();
  }
  std::string file;
  MainWindow w;
};

// The cards of a generated 4x4 level-I puzzle (the most clue pictures) drawn
// anew onto the board's controls, as after a New; nothing painted.
void rebuild_cards(benchmark::State& state) {
  Window win(true);
  FrmMain& frm = win.w.frm();
  frm.StufeXunchecked(9, "Ix", true, false, false);
  frm.generate_puzzle();
  const CardTable sn = frm.state().sn;
  BoardView view;
  view.set_feld_const(2);
  for (auto _ : state) {
    view.reset_all_x_zerdos();
    for (int r = 1; r <= 16; ++r) view.set_nummer(r, record_of(sn, r));
    benchmark::DoNotOptimize(view.controls());
  }
}
BENCHMARK(rebuild_cards);

// The whole window painted into an image at the given pixel ratio.
void paint(benchmark::State& state, qreal ratio) {
  Window win;
  QImage image(win.w.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  for (auto _ : state) {
    win.w.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK_CAPTURE(paint, scale1, 1.0)->Name("paint/scale1");
BENCHMARK_CAPTURE(paint, scale2, 2.0)->Name("paint/scale2");

// One mouse move of a held piece: handled by the controller and the board
// repainted on screen (the offscreen backing store) before the next one.
void drag_move(benchmark::State& state) {
  Window win;
  win.w.frm().choose_menu("mnuFileZerdoA1");
  win.w.refresh();
  QApplication::processEvents();
  BoardWidget* board = win.w.board();
  const Control* piece = win.w.frm().controls().find("Picture_" + std::string(picture_name(1)));
  const QPoint start(piece->left / 15 + 20, piece->top / 15 + 20);
  QMouseEvent press(QEvent::MouseButtonPress, start, board->mapToGlobal(start), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &press);
  QApplication::processEvents();
  int step = 0;
  for (auto _ : state) {
    // Back and forth over the board, so every move really moves the piece.
    const QPoint p = start + QPoint(20 + (step++ % 40) * 4, 30);
    QMouseEvent move(QEvent::MouseMove, p, board->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(board, &move);
    QApplication::processEvents();
  }
  QMouseEvent release(QEvent::MouseButtonRelease, start, board->mapToGlobal(start), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(board, &release);
}
BENCHMARK(drag_move);

// The whole board repainted on screen with the window twice its size, so
// that the board is shown at 200 %.
void repaint_zoomed(benchmark::State& state) {
  Window win;
  BoardWidget* board = win.w.board();
  const int chrome = win.w.height() - board->height();
  win.w.resize(win.w.width() * 2, chrome + board->height() * 2);
  QApplication::processEvents();
  if (std::abs(board->factor() - 2.0) > 0.01) state.SkipWithError("the board is not at 200 %");
  board->repaint();  // the looks at 200 % drawn once, as the first paint after a zoom does
  for (auto _ : state) board->repaint();
}
BENCHMARK(repaint_zoomed)->Name("repaint/zoom200");

// One arrow key with a piece carried by the keyboard: the cursor moves to
// the next field, the controller moves the piece, and the board repaints
// what changed before the next key.
void keyboard_step(benchmark::State& state) {
  Window win;
  win.w.frm().choose_menu("mnuFileZerdoA1");
  win.w.refresh();
  BoardWidget* board = win.w.board();
  board->setFocus();
  QApplication::processEvents();
  const auto press = [board](Qt::Key key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(board, &down);
    QApplication::processEvents();
  };
  press(Qt::Key_Right);                             // shows the cursor on the first piece
  press(Qt::Key_Space);                             // picks it up
  for (int i = 0; i < 4; ++i) press(Qt::Key_Down);  // down to the board
  if (board->carried_piece() == 0) state.SkipWithError("no piece carried");
  int step = 0;
  for (auto _ : state) press(step++ % 2 ? Qt::Key_Left : Qt::Key_Right);
  press(Qt::Key_Escape);
}
BENCHMARK(keyboard_step);

// Saving and loading a 4x4 puzzle through the file menu.
void file_save(benchmark::State& state) {
  QTemporaryDir dir;
  Window win(true);
  win.file = (dir.path() + QStringLiteral("/bench.zdo")).toStdString();
  for (auto _ : state) win.w.frm().choose_menu("mnuFileSave");
}
BENCHMARK(file_save);

void file_load(benchmark::State& state) {
  QTemporaryDir dir;
  Window win(true);
  win.file = (dir.path() + QStringLiteral("/bench.zdo")).toStdString();
  win.w.frm().choose_menu("mnuFileSave");
  for (auto _ : state) win.w.frm().choose_menu("mnuFileLoad");
  if (win.w.frm().state().range_name != "4x4") state.SkipWithError("not loaded as 4x4");
}
BENCHMARK(file_load);

}  // namespace
