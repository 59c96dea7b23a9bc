// The main window under Qt (offscreen): card rebuild, painting, dragging and
// puzzle files, each through the game's own code paths.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "floor_window.h"
#include "model/pictures.h"
#include "play/frm_main.h"
#include "qt/board_widget.h"
#include "qt/control_painter.h"
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
  frm.start_level(9, "Ix", FrmMain::kEnableAgain);
  frm.generate_puzzle();
  const CardTable sn = frm.state().sn;
  BoardView view;
  view.lay_out_board(2);
  for (auto _ : state) {
    view.clear_card_faces();
    for (int r = 1; r <= 16; ++r) view.draw_card(r, record_of(sn, r));
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

// --- beside the floor (floor_window.h) ---------------------------------------
// Each figure of the game's window is followed by the same figure of the
// floor, in the same run, so that the load of the machine weighs on both.
// CPU is that of the whole process (every thread, the paint engine's pool
// included).

// What the whole process used so far: CPU seconds and context switches.
struct Usage {
  double cpu = 0;
  long switches = 0;
};

Usage usage_now() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return {static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
              static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6,
          r.ru_nvcsw + r.ru_nivcsw};
}

// The resident memory of the process in KiB.
long resident_kib() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void send_mouse(QWidget* to, QEvent::Type type, const QPointF& at, Qt::MouseButton button,
                Qt::MouseButtons held) {
  QMouseEvent event(type, at, to->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(to, &event);
  QApplication::processEvents();
}

// A piece dragged on board: pressed at start, moved back and forth (the same
// board distances at any factor), every move painted before the next one.
void drag_on(benchmark::State& state, QWidget* board, const QPointF& start, qreal factor) {
  send_mouse(board, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
  const Usage before = usage_now();
  int step = 0;
  for (auto _ : state) {
    const QPointF at = start + QPointF(20 + (step++ % 40) * 4, 30) * factor;
    send_mouse(board, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
  }
  const Usage after = usage_now();
  state.counters["switches"] = benchmark::Counter(
      static_cast<double>(after.switches - before.switches), benchmark::Counter::kAvgIterations);
  send_mouse(board, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
}

// The first piece of A1 dragged with the board shown at percent.
void drag_game(benchmark::State& state) {
  const qreal factor = state.range(0) / 100.0;
  Window win;
  win.w.frm().choose_menu("mnuFileZerdoA1");
  win.w.refresh();
  QApplication::processEvents();
  BoardWidget* board = win.w.board();
  const int chrome = win.w.height() - board->height();
  win.w.resize(qRound(win.w.width() * factor), chrome + qRound(board->height() * factor));
  QApplication::processEvents();
  if (std::abs(board->factor() - factor) > 0.01) state.SkipWithError("the board is not zoomed");
  const Control* piece = win.w.frm().controls().find("Picture_" + std::string(picture_name(1)));
  drag_on(state, board, board->to_widget(control_rect(*piece)).center(), factor);
}
BENCHMARK(drag_game)->Name("drag/game")->Arg(100)->Arg(300)->MeasureProcessCPUTime();

// The floor's piece dragged on its board at percent; the window as large as
// the game's at that factor.
void drag_floor(benchmark::State& state) {
  const qreal factor = state.range(0) / 100.0;
  floor_window::Window w;
  w.resize(793, 536);
  w.show();
  QApplication::processEvents();
  const int chrome = w.height() - w.centralWidget()->height();
  w.resize(qRound(793 * factor), chrome + qRound((536 - chrome) * factor));
  w.board()->set_factor(factor);
  QApplication::processEvents();
  const QRectF piece = w.board()->piece();
  drag_on(state, w.board(), piece.center() * factor, factor);
}
BENCHMARK(drag_floor)->Name("drag/floor")->Arg(100)->Arg(300)->MeasureProcessCPUTime();

// The window left alone: each iteration one 300 ms tick of the event loop.
// cpu_percent is the share of one core the process took.
void idle_for(benchmark::State& state) {
  const Usage before = usage_now();
  QElapsedTimer wall;
  wall.start();
  for (auto _ : state) {
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
  }
  const Usage after = usage_now();
  const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
  state.counters["cpu_percent"] = 100 * (after.cpu - before.cpu) / seconds;
  state.counters["switches_per_s"] =
      static_cast<double>(after.switches - before.switches) / seconds;
}

void idle_game(benchmark::State& state) {
  Window win;
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
  idle_for(state);
}
BENCHMARK(idle_game)->Name("idle/game")->Iterations(20)->UseRealTime()->MeasureProcessCPUTime();

void idle_floor(benchmark::State& state) {
  floor_window::Window w;
  w.resize(793, 536);
  w.show();
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
  idle_for(state);
}
BENCHMARK(idle_floor)->Name("idle/floor")->Iterations(20)->UseRealTime()->MeasureProcessCPUTime();

// The resident memory over count openings of a window or menu, taken after a
// warm-up of a tenth of them and again at half of them: how much the rest
// grew, and how much of that the second half still did (none once memory
// is flat).
class Growth {
 public:
  explicit Growth(int count) : count_(count) {}
  // Called before opening i (0..count-1).
  void before(int i) {
    if (i == count_ / 10) warm_ = resident_kib();
    if (i == count_ / 2) half_ = resident_kib();
  }
  void report(benchmark::State& state) const {
    const long end = resident_kib();
    state.counters["rss_kib"] = static_cast<double>(end);
    state.counters["growth_kib"] = static_cast<double>(end - warm_);
    state.counters["second_half_kib"] = static_cast<double>(end - half_);
    state.counters["bytes_per_opening"] =
        1024.0 * static_cast<double>(end - warm_) / (count_ - count_ / 10);
  }

 private:
  int count_;
  long warm_ = 0, half_ = 0;
};

// Opens a window count times (open shows it modally, calling close_soon
// just before; the window is painted and closed as soon as it is up), with
// the resident memory as Growth tells it.
void open_and_close(benchmark::State& state, int count,
                    const std::function<void(const std::function<void()>&)>& open) {
  int opened = 0;
  // Closes the modal window once the window system shows it, after one
  // more paint.
  std::function<void()> close_when_shown = [&opened, &close_when_shown] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->windowHandle() || !w->windowHandle()->isExposed()) {
      QTimer::singleShot(1, close_when_shown);
      return;
    }
    w->repaint();
    w->close();
    ++opened;
  };
  const auto close_soon = [&close_when_shown] { QTimer::singleShot(0, close_when_shown); };
  for (auto _ : state) {
    Growth growth(count);
    for (int i = 0; i < count; ++i) {
      growth.before(i);
      open(close_soon);
    }
    growth.report(state);
  }
  if (opened < count) state.SkipWithError("a window did not open");
}

// The solution window, as the judge opens it: a full board of A1 with
// wrong pieces, one of them picked up and put down again, the question
// whether to see the solution answered Yes.
void solution_windows_game(benchmark::State& state) {
  Window win;
  win.w.platform().message_hook = [](const MessageBox& box) {
    return box.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
  };
  FrmMain& frm = win.w.frm();
  frm.choose_menu("mnuFileZerdoA1");
  win.w.refresh();
  // Picture k onto field k (not A1's solution): the last one judges, so
  // the board is filled with the judge silenced.
  win.w.platform().message_hook = [](const MessageBox&) { return Answer::No; };
  for (int k = 1; k <= 9; ++k) {
    const Control* field = frm.controls().find("spielfeld(" + std::to_string(k) + ")");
    const Control* piece = frm.controls().find("Picture_" + std::string(picture_name(k)));
    const long x = field->left + 100 - piece->left, y = field->top + 100 - piece->top;
    win.w.dispatch([&frm, k, x, y] {
      frm.picture_mouse_down(k);
      frm.picture_mouse_move(k, x, y);
      frm.picture_mouse_up(k);
    });
  }
  win.w.platform().message_hook = [](const MessageBox& box) {
    return box.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
  };
  QApplication::processEvents();
  BoardWidget* board = win.w.board();
  const Control* piece = frm.controls().find("Picture_" + std::string(picture_name(1)));
  const QPointF at = board->to_widget(control_rect(*piece)).center();
  open_and_close(state, 500, [board, at](const std::function<void()>& close_soon) {
    send_mouse(board, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    close_soon();
    send_mouse(board, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  });
}
BENCHMARK(solution_windows_game)
    ->Name("windows/game")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void solution_windows_floor(benchmark::State& state) {
  floor_window::Window w;
  w.show();
  QApplication::processEvents();
  open_and_close(state, 500, [&w](const std::function<void()>& close_soon) {
    floor_window::Dialog dialog(&w);
    close_soon();
    dialog.exec();
  });
}
BENCHMARK(solution_windows_floor)
    ->Name("windows/floor")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The menus of the menu bar opened and closed in turn, a thousand times,
// with the resident memory as for windows.
void open_menus(benchmark::State& state, const std::vector<QMenu*>& menus) {
  constexpr int kCount = 1000;
  for (auto _ : state) {
    Growth growth(kCount);
    for (int i = 0; i < kCount; ++i) {
      growth.before(i);
      QMenu* menu = menus[static_cast<std::size_t>(i) % menus.size()];
      menu->popup(QPoint(10, 10));
      // Until the window system shows it (within a second), painted.
      QElapsedTimer shown;
      shown.start();
      while (!(menu->windowHandle() && menu->windowHandle()->isExposed()) && shown.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
      menu->repaint();
      menu->hide();
      QApplication::processEvents();
    }
    growth.report(state);
  }
}

void menus_game(benchmark::State& state) {
  Window win;
  std::vector<QMenu*> menus;
  for (const MenuItem& m : win.w.frm().menus().items())
    if (m.parent < 0)
      if (QAction* a = win.w.menu_action(m.name))
        if (a->menu()) menus.push_back(a->menu());
  open_menus(state, menus);
}
BENCHMARK(menus_game)->Name("menus/game")->Iterations(1)->Unit(benchmark::kMillisecond);

void menus_floor(benchmark::State& state) {
  floor_window::Window w;
  w.show();
  QApplication::processEvents();
  std::vector<QMenu*> menus;
  for (QAction* a : w.menuBar()->actions())
    if (a->menu()) menus.push_back(a->menu());
  open_menus(state, menus);
}
BENCHMARK(menus_floor)->Name("menus/floor")->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
