// The game's main window under Qt: menus, dragging with the mouse, painting
// and the secondary windows, on the real controller, in the game's style.
#include "qt/main_window.h"

#include <sys/mount.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <memory>
#include <set>
#include <vector>

#include "model/pictures.h"
#include "play/frm_main.h"
#include "qt/board_widget.h"
#include "qt/control_painter.h"
#include "qt/form_dialog.h"
#include "qt/game_style.h"
#include "qt/shutdown_signals.h"
#include "qt/status_bar.h"
#include "services/settings_store.h"
#include "small_disk.h"
#include "view/secondary_windows.h"

using namespace zerdo;

namespace {

// 3x3 board: the corner of field 1 and the size of a field (twips).
constexpr long kBoardLeft = 180, kBoardTop = 4020, kField = 960;

QPoint to_px(long x_twips, long y_twips) {
  return QPoint(static_cast<int>(x_twips / 15), static_cast<int>(y_twips / 15));
}

// A point well inside field f (1..9): the pointer, and so the piece's corner,
// goes there.
QPoint field_point(int f) {
  const int row = (f - 1) / 3, col = (f - 1) % 3;
  return to_px(kBoardLeft + kField * col + 200, kBoardTop + kField * row + 150);
}

// The colour at a point given in logical pixels, whatever the pixel ratio.
QColor colour_at(const QImage& img, QPointF logical) {
  const qreal dpr = img.devicePixelRatio();
  return img.pixelColor(
      QPoint(static_cast<int>(logical.x() * dpr), static_cast<int>(logical.y() * dpr)));
}

bool purple(const QColor& c) { return c.red() > c.green() + 50 && c.blue() > c.green() + 50; }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void dragged_piece_snaps_into_field();
  void hidden_item_works_through_its_shortcut();
  void menu_gets_its_items_when_opened();
  void builtin_puzzle_played_to_the_praise();
  void wrong_board_opens_the_solution_window();
  void player_dialog_frame_is_not_marked_wrong();
  void secondary_windows_opened_again_add_no_pictures();
  void highlighted_and_wrong_controls_are_painted_so();
  void painting_is_crisp_at_double_pixel_ratio();
  void looks_are_prepared_for_the_paint_that_needs_them();
  void dragging_repaints_as_a_whole_paint_would();
  void clock_tick_repaints_only_the_clock();
  void exit_closes_the_window();
  void signal_closes_the_game_as_the_window_does();
  void second_signal_while_ending_ends_nothing_early();
  void signal_ends_the_game_when_its_store_cannot_be_written();
  void the_real_game_writes_its_store_on_sigterm();
  void the_real_game_loads_a_file_named_in_any_bytes();
  void new_puzzles_differ_from_launch_to_launch();
  void command_line_file_box_comes_after_the_first_paint_data();
  void window_shrinks_no_further_than_a_legible_board_data();
  void window_shrinks_no_further_than_a_legible_board();
  void zoom_keys_go_through_the_view_menu();
  void command_line_file_box_comes_after_the_first_paint();

 private:
  const Control& piece(int k) const {
    return *window_->frm().controls().find("Picture_" + std::string(picture_name(k)));
  }
  void install_a1();
  // Drags piece k with the mouse so its corner lands on target (logical px).
  void drag(int k, QPoint target);

  std::unique_ptr<QTemporaryDir> config_;
  std::unique_ptr<MainWindow> window_;
  std::vector<MessageBox> boxes_;
  Answer answer_ = Answer::Ok;
};

namespace {

// Counts the paints of the object it watches.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void MainWindowTest::command_line_file_box_comes_after_the_first_paint_data() {
  QTest::addColumn<QString>("argument");
  QTest::newRow("missing file") << "missing.zdo";
  QTest::newRow("folder") << ".";
  QTest::newRow("not a puzzle") << "bad.zdo";
}

// The file named on the command line is loaded as the game starts: a box
// saying it cannot be comes over a board painted whole, never before.
void MainWindowTest::command_line_file_box_comes_after_the_first_paint() {
  QFETCH(QString, argument);
  {
    QFile bad(config_->filePath("bad.zdo"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("no puzzle\n");
  }
  window_ = std::make_unique<MainWindow>();
  PaintCounter counter;
  window_->board()->installEventFilter(&counter);
  std::vector<int> paints_at_box;
  window_->platform().message_hook = [&](const MessageBox&) {
    paints_at_box.push_back(counter.paints);
    return Answer::Ok;
  };
  window_->start();
  window_->load_puzzle_file_when_shown(QDir(config_->path()).filePath(argument).toStdString());
  window_->show();
  QTRY_COMPARE(paints_at_box.size(), std::size_t{1});
  QVERIFY(paints_at_box.front() >= 1);
  QCOMPARE(window_->frm().state().puzzle_id, std::string("A1"));  // the game goes on as it was
}

void MainWindowTest::window_shrinks_no_further_than_a_legible_board_data() {
  QTest::addColumn<QString>("range");
  QTest::newRow("3x3") << "mnuFileSetupRange3x3";
  QTest::newRow("4x4") << "mnuFileSetupRange4x4";
}

// Shrunk by hand, or zoomed out to a factor a store kept, the window stops
// where the board, cards and stock are shown at the least legible factor
// (captions of 9 pixels), and all four status panels stay in sight.
void MainWindowTest::window_shrinks_no_further_than_a_legible_board() {
  QFETCH(QString, range);
  window_->menu_action(range.toStdString())->trigger();
  const Layout& L = window_->frm().layout();
  const int chrome = window_->height() - window_->board()->height();
  const QSize least(
      qRound(L.window_width / kTwipsPerPixel * kLegibleZoom / 100.0),
      chrome + qRound((L.window_height / kTwipsPerPixel - chrome) * kLegibleZoom / 100.0));
  QVERIFY2(qAbs(window_->minimumWidth() - least.width()) <= 1 &&
               qAbs(window_->minimumHeight() - least.height()) <= 1,
           qPrintable(
               QStringLiteral("%1x%2").arg(window_->minimumWidth()).arg(window_->minimumHeight())));
  window_->resize(150, 120);
  QTRY_VERIFY(window_->width() >= least.width() - 1 && window_->height() >= least.height() - 1);
  QVERIFY(window_->board()->factor() >= kLegibleZoom / 100.0 - 0.01);
  QVERIFY(window_->frm().window().zoom >= kLegibleZoom - 1);
  for (int panel = 1; panel <= 4; ++panel) {
    const QRectF r = window_->status()->panel_rect(panel);
    QVERIFY2(r.width() > 0 && r.right() <= window_->status()->width(),
             qPrintable(QString::number(panel)));
  }
}

// Ctrl++, Ctrl+- and Ctrl+0 are the View menu's items: each zooms the board
// a step, and each item is enabled only where it would change the factor.
void MainWindowTest::zoom_keys_go_through_the_view_menu() {
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  QAction* in = window_->menu_action("mnuViewZoomIn");
  QAction* out = window_->menu_action("mnuViewZoomOut");
  QAction* actual = window_->menu_action("mnuViewZoomReset");
  QVERIFY(in && out && actual);
  QCOMPARE(window_->frm().window().zoom, 100);
  QVERIFY(!actual->isEnabled());
  QTest::keyClick(window_.get(), Qt::Key_Minus, Qt::ControlModifier);
  QTRY_COMPARE(window_->frm().window().zoom, 90);
  QTRY_COMPARE(qRound(window_->board()->factor() * 100), 90);
  QVERIFY(actual->isEnabled() && in->isEnabled());
  while (out->isEnabled()) out->trigger();
  QCOMPARE(window_->frm().window().zoom, kLegibleZoom);
  QTest::keyClick(window_.get(), Qt::Key_0, Qt::ControlModifier);
  QTRY_COMPARE(window_->frm().window().zoom, 100);
  QVERIFY(!actual->isEnabled() && out->isEnabled());
}

void MainWindowTest::initTestCase() { QApplication::setStyle(new GameStyle); }

void MainWindowTest::init() {
  // A fresh settings store for every test: the game starts as on first run.
  config_ = std::make_unique<QTemporaryDir>();
  QVERIFY(config_->isValid());
  qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
  boxes_.clear();
  answer_ = Answer::Ok;
  window_ = std::make_unique<MainWindow>();
  window_->platform().message_hook = [this](const MessageBox& b) {
    boxes_.push_back(b);
    return b.buttons == Buttons::Ok ? Answer::Ok : answer_;
  };
  window_->start();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void MainWindowTest::cleanup() {
  window_.reset();
  config_.reset();
}

void MainWindowTest::install_a1() {
  QAction* a1 = window_->menu_action("mnuFileZerdoA1");
  QVERIFY(a1);
  a1->trigger();
  QCOMPARE(window_->frm().state().puzzle_id, std::string("A1"));
  QCOMPARE(window_->frm().state().moves, Int{0});
}

void MainWindowTest::drag(int k, QPoint target) {
  BoardWidget* board = window_->board();
  const QPoint start = QRectF(piece(k).left / 15.0, piece(k).top / 15.0, 48, 48).center().toPoint();
  QCOMPARE(board->piece_at(start), k);
  QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, start);
  QCOMPARE(piece(k).border.value_or(0), Int{1});  // the dragging look
  for (const QPoint& p : {(start + target) / 2, target}) {
    QMouseEvent move(QEvent::MouseMove, p, board->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(board, &move);
  }
  QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, target);
  QCOMPARE(piece(k).border.value_or(0), Int{0});
}

void MainWindowTest::dragged_piece_snaps_into_field() {
  install_a1();
  const FrmMain& frm = window_->frm();
  // The corner released at (1305, 4155) twips lies in field 2, which snaps
  // the piece to (180 + 960 + 80, 4020 + 100).
  drag(1, to_px(1305, 4155));
  QCOMPARE(piece(1).left, Int{1220});
  QCOMPARE(piece(1).top, Int{4120});
  QCOMPARE(frm.state().placement[1], Int{2});
  QCOMPARE(frm.state().moves, Int{1});

  // Painted where the model says: purple in the middle of the piece, the
  // window colour in the margin.
  const QImage img = window_->board()->grab().toImage();
  QVERIFY(purple(colour_at(img, QPointF((1220 + 360) / 15.0, (4120 + 420) / 15.0))));
  QCOMPARE(colour_at(img, QPointF(1, 1)), QColor(212, 208, 200));
  QVERIFY(!purple(colour_at(img, QPointF(field_point(1)) + QPointF(20, 20))));
}

void MainWindowTest::hidden_item_works_through_its_shortcut() {
  install_a1();
  QVERIFY(!window_->menu_action("mnuFileSonst")->isVisible());
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(window_.get(), Qt::Key_N, Qt::ControlModifier);
  // Ctrl+N shows the solution of all but the last two pieces.
  QCOMPARE(window_->frm().state().moves, Int{7});
  int placed = 0;
  for (int p = 1; p <= 9; ++p)
    placed += window_->frm().state().placement[static_cast<std::size_t>(p)] != 0;
  QCOMPARE(placed, 7);
}

void MainWindowTest::menu_gets_its_items_when_opened() {
  QMenu* level = window_->menu_action("mnuStufe")->menu();
  QVERIFY(level);
  QVERIFY(level->actions().isEmpty());
  level->popup(QPoint(0, 0));
  QCOMPARE(level->actions().size(), 9);  // levels A..I
  QCOMPARE(level->actions().first()->text(), QStringLiteral("&A"));
  level->hide();
  // An item asked for before its menu opened is built, in its model's state;
  // the menus beside it stay empty.
  QVERIFY(!window_->findChild<QAction*>(QStringLiteral("mnuFileZerdoB1")));
  QAction* b1 = window_->menu_action("mnuFileZerdoB1");
  QVERIFY(b1);
  QCOMPARE(b1->isEnabled(), window_->frm().menus().find("mnuFileZerdoB1")->enabled);
  QVERIFY(!window_->findChild<QAction*>(QStringLiteral("mnuFileZerdoC1")));
}

void MainWindowTest::builtin_puzzle_played_to_the_praise() {
  install_a1();
  const MainState& s = window_->frm().state();
  for (int f = 1; f <= 9; ++f) drag(s.solution[static_cast<std::size_t>(f)], field_point(f));
  QCOMPARE(s.moves, Int{9});
  QCOMPARE(boxes_.size(), std::size_t{1});
  QCOMPARE(boxes_.back().title, std::string("Zerdo"));
  QCOMPARE(boxes_.back().text, std::string("!! Sehr gut : gewonnen und nur 9 mal gezogen!!"));
}

void MainWindowTest::wrong_board_opens_the_solution_window() {
  install_a1();
  answer_ = Answer::Yes;
  bool shown = false;
  window_->platform().form_hook = [&](Form& form, FormHandler& handler) {
    shown = true;
    QCOMPARE(form.name, std::string("frmLoesung"));
    FormDialog dialog(form, handler, window_.get());
    dialog.show();
    QPushButton* ok = dialog.button("cmdOK");
    QVERIFY(ok);
    // The frames and pictures are painted, the button is a real one.
    const QImage img = dialog.grab().toImage();
    QCOMPARE(colour_at(img, QPointF(1, 1)), QColor(212, 208, 200));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
  };
  // Pieces 1 and 2 change places: two fields wrong.
  const MainState& s = window_->frm().state();
  int first = 0, second = 0;
  for (int f = 1; f <= 9; ++f) {
    const int k = s.solution[static_cast<std::size_t>(f)];
    const int target = f == 1 ? 2 : f == 2 ? 1 : f;
    if (f == 1) first = k;
    if (f == 2) second = k;
    drag(k, field_point(target));
  }
  QVERIFY(first != second);
  QVERIFY(shown);
  QCOMPARE(boxes_.back().text, std::string("Soll angezeigt werden welche verkehrt sind? ( 2)"));
}

// Only the fields of the solution window are marked red when wrong; the
// player dialog's frame, a single control of the same name, never is.
void MainWindowTest::player_dialog_frame_is_not_marked_wrong() {
  int red = -1;
  window_->platform().form_hook = [&](Form& form, FormHandler& handler) {
    QCOMPARE(form.name, std::string("DialogUser"));
    FormDialog dialog(form, handler, window_.get());
    dialog.show();
    const QImage img = dialog.grab().toImage();
    red = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const QColor c = img.pixelColor(x, y);
        if (c.red() > 150 && c.green() < 100 && c.blue() < 100) ++red;
      }
    QTest::mouseClick(dialog.button("CancelButton"), Qt::LeftButton);
  };
  QVERIFY(window_->frm().choose_menu("mnuFileUser"));
  QCOMPARE(red, 0);
}

// A secondary window opened again draws its buttons with the palette of the
// last one: the style keeps its drawn button faces under the palette's key,
// so a fresh key for each window would add pictures that no later window
// finds. The platform's style below the game's tells which keys reach it.
void MainWindowTest::secondary_windows_opened_again_add_no_pictures() {
  struct Below : QProxyStyle {
    Below() : QProxyStyle(QStringLiteral("Fusion")) {}
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
      if (element == PE_PanelButtonCommand) keys.insert(option->palette.cacheKey());
      QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable std::set<qint64> keys;
  };
  auto* below = new Below;
  QApplication::setStyle(new GameStyle(below));
  install_a1();
  // Piece k on field k, not A1's solution: a full wrong board.
  answer_ = Answer::No;
  for (int k = 1; k <= 9; ++k) drag(k, field_point(k));
  QCOMPARE(window_->frm().state().judge().outcome, Outcome::Wrong);
  answer_ = Answer::Yes;
  int opened = 0;
  window_->platform().form_hook = [&](Form& form, FormHandler& handler) {
    FormDialog dialog(form, handler, window_.get());
    dialog.show();
    QVERIFY(!dialog.grab().isNull());
    ++opened;
    QTest::mouseClick(dialog.button("cmdOK"), Qt::LeftButton);
  };
  // Each piece picked up and put down again judges the board anew.
  for (int i = 0; i < 4; ++i) drag(1, field_point(1));
  QCOMPARE(opened, 4);
  QCOMPARE(below->keys.size(), std::size_t{1});
  QApplication::setStyle(new GameStyle);
}

// The state flags the controller sets reach the painting: a highlighted
// field gets a ring round it and nothing else changes; a wrong solution
// field is red.
void MainWindowTest::highlighted_and_wrong_controls_are_painted_so() {
  ControlSet board = window_->frm().controls();
  const auto paint = [](const ControlSet& set) {
    QImage img(700, 600, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    paint_controls(p, set);
    return img;
  };
  const QImage plain = paint(board);
  Control& field = *board.find("spielfeld(5)");
  field.highlighted = true;
  const QImage highlighted = paint(board);
  const QRect r = control_pixel_rect(field).toRect();
  // The ring hugs the field's square (below its frame's line) on all four
  // sides: the fields round it, painted later, cover none of it.
  const QRect square = r.adjusted(0, 6, 0, 0);
  for (const QPoint at : {QPoint(square.center().x(), square.top() - 3),
                          QPoint(square.center().x(), square.bottom() + 3),
                          QPoint(square.left() - 3, square.center().y()),
                          QPoint(square.right() + 3, square.center().y())}) {
    const QColor ring = highlighted.pixelColor(at);
    QVERIFY2(ring.red() > 200 && ring.blue() < 80, qPrintable(ring.name()));
  }
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x)
      if (!r.adjusted(-6, -6, 6, 6).contains(x, y))
        QCOMPARE(highlighted.pixel(x, y), plain.pixel(x, y));

  const auto red_pixels = [](const QImage& img) {
    int red = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const QColor c = img.pixelColor(x, y);
        if (c.red() > 150 && c.green() < 100 && c.blue() < 100) ++red;
      }
    return red;
  };
  ControlSet solution;
  const ControlSet::Id id =
      solution.add(window_control(Role::SolutionField, "Frame1", {180, 360, 855, 975}, "Fehler"));
  QCOMPARE(red_pixels(paint(solution)), 0);
  solution[id].wrong = true;
  QVERIFY(red_pixels(paint(solution)) > 50);
}

void MainWindowTest::painting_is_crisp_at_double_pixel_ratio() {
  BoardWidget* board = window_->board();
  QImage img(board->size() * 2, QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(2);
  img.fill(Qt::black);
  board->render(&img);
  // The stock frame's left edge at 4 px: its dark line fills exactly two
  // device pixels, the light line the next two, nothing is smeared.
  const int y = 2 * 100;
  QCOMPARE(img.pixelColor(7, y), QColor(212, 208, 200));
  QCOMPARE(img.pixelColor(8, y), QColor(140, 136, 128));
  QCOMPARE(img.pixelColor(9, y), QColor(140, 136, 128));
  QCOMPARE(img.pixelColor(10, y), QColor(255, 255, 255));
  QCOMPARE(img.pixelColor(11, y), QColor(255, 255, 255));
  QCOMPARE(img.pixelColor(12, y), QColor(212, 208, 200));
  // A piece in the stock is drawn at twice the size: purple at its middle.
  QVERIFY(purple(colour_at(
      img, QRectF(piece(1).left / 15.0, piece(1).top / 15.0, 48, 48).center() + QPointF(0, 6))));
}

void MainWindowTest::looks_are_prepared_for_the_paint_that_needs_them() {
  install_a1();
  BoardWidget* board = window_->board();
  const ControlSet& controls = window_->frm().controls();
  // Once the board has been painted, every look it shows is in the cache:
  // preparing finds nothing left to draw.
  board->repaint();
  QVERIFY(prepare_looks(controls, board->devicePixelRatioF()).get().empty());
  // At another pixel ratio each look is drawn once (the nine card sheets
  // share one), at its size in device pixels.
  const RenderedLooks looks = prepare_looks(controls, 3).get();
  QVERIFY(looks.size() > 9);
  int cards = 0;
  for (const auto& [key, image] : looks) {
    QVERIFY(!image.isNull());
    QCOMPARE(image.devicePixelRatio(), 3.0);
    if (key.startsWith(QStringLiteral("card_"))) ++cards;
  }
  QCOMPARE(cards, 1);
  const auto sheet = std::find_if(looks.begin(), looks.end(), [](const auto& l) {
    return l.first.startsWith(QStringLiteral("card_"));
  });
  const Control& card = *controls.find("Frame_1_0(1)");
  QCOMPARE(sheet->second.width(),
           static_cast<int>(std::ceil((control_pixel_rect(card).width() + 2) * 3)));
}

// A dragged piece repaints only its old and new place: what the window
// shows after each move (the piece carried over fields, cards and the tip,
// then jumping far and put back) is what painting the whole board shows,
// at 100 % and zoomed.
void MainWindowTest::dragging_repaints_as_a_whole_paint_would() {
  install_a1();
  BoardWidget* board = window_->board();
  // The board as the window shows it (the clock beneath it ticks on).
  const auto on_screen = [this, board] {
    QApplication::processEvents();
    const QPoint at = board->mapTo(window_.get(), QPoint(0, 0));
    return window_->screen()
        ->grabWindow(window_->winId(), at.x(), at.y(), board->width(), board->height())
        .toImage();
  };
  const auto check = [&](const char* when) {
    const QImage shown = on_screen();
    board->repaint();
    const QString what =
        QStringLiteral("%1 at %2 %").arg(QLatin1String(when)).arg(board->factor() * 100);
    QVERIFY2(shown == on_screen(), qPrintable(what));
  };
  // Zoomed out, and in as far as the screen has room: only what is on the
  // screen is painted.
  const QSize natural = window_->size();
  const int chrome = window_->height() - board->height();
  const QSize room = window_->screen()->availableGeometry().size();
  const qreal room_factor =
      qMin(static_cast<qreal>(room.width()) / natural.width(),
           static_cast<qreal>(room.height() - chrome) / (natural.height() - chrome));
  std::vector<qreal> factors{1.0, 0.75};
  if (room_factor >= 1.25) factors.push_back(qMin(2.5, std::floor(room_factor * 4) / 4));
  for (const qreal factor : factors) {
    window_->resize(qRound(natural.width() * factor),
                    chrome + qRound((natural.height() - chrome) * factor));
    QTRY_COMPARE(board->factor(), factor);
    check("zoomed");
    const QPointF start = board->to_widget(control_rect(piece(1))).center();
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, start.toPoint());
    check("picked up");
    const auto move_to = [board](const QPointF& at) {
      QMouseEvent move(QEvent::MouseMove, at, board->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                       Qt::NoModifier);
      QApplication::sendEvent(board, &move);
      QApplication::processEvents();
    };
    for (int step = 1; step <= 60; ++step)
      move_to(start + QPointF(step * 7.3, step * 3.1) * factor);
    check("carried across the board");
    move_to(start + QPointF(5, 2));
    check("back at the start");
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, start.toPoint());
    check("put down");
    window_->resize(natural);
    QTRY_COMPARE(board->factor(), 1.0);
  }
}

// The window left alone: the clock's ticks repaint the clock's panel and
// nothing else, neither the board nor the other panels.
void MainWindowTest::clock_tick_repaints_only_the_clock() {
  install_a1();
  struct PaintLog : QObject {
    QRegion board, status;
    QObject* board_widget = nullptr;
    bool eventFilter(QObject* to, QEvent* event) override {
      if (event->type() == QEvent::Paint)
        (to == board_widget ? board : status) += static_cast<QPaintEvent*>(event)->region();
      return false;
    }
  } log;
  log.board_widget = window_->board();
  QApplication::processEvents();
  window_->board()->installEventFilter(&log);
  window_->status()->installEventFilter(&log);
  // Long enough for the clock's text to change at least once.
  QTest::qWait(1400);
  QVERIFY(log.board.isEmpty());
  QVERIFY(!log.status.isEmpty());
  const QRect clock = window_->status()->panel_rect(4).toAlignedRect();
  QCOMPARE(log.status.boundingRect().united(clock), clock);
}

void MainWindowTest::exit_closes_the_window() {
  QAction* exit = window_->menu_action("mnuFileExit");
  QVERIFY(exit);
  exit->trigger();
  QVERIFY(!window_->frm().is_loaded());
  QVERIFY(!window_->isVisible());
}

void MainWindowTest::signal_closes_the_game_as_the_window_does() {
  install_a1();
  const MainState& s = window_->frm().state();
  for (int f = 1; f <= 9; ++f) drag(s.solution[static_cast<std::size_t>(f)], field_point(f));
  const Int record = s.range_stats[1][1];
  QVERIFY(record < 30000);
  window_->menu_action("mnuFileZerdoB2")->trigger();  // written at exit only
  const ShutdownSignals handlers([this] { window_->shut_down(); });
  QVERIFY(handlers.installed());
  QCOMPARE(::raise(SIGTERM), 0);
  QTRY_VERIFY(!window_->isVisible());
  QVERIFY(!window_->frm().is_loaded());
  const SettingsStore store(config_->filePath("Zerdo/Zerdo.conf"));
  QCOMPARE(store.get("Settings", "MinTime 1", "-"), std::to_string(record));
  QCOMPARE(store.get("Settings", "StufeNr", "-"), std::string("B2"));
  QCOMPARE(boxes_.size(), std::size_t{1});  // the praise, and no store message
}

// The game itself, started offscreen with its store in config (by a shell
// line, "$0" the game, when one is given); returns once it handles SIGTERM
// (bit 15 of SigCgt), so that a signal does not meet the default action of a
// process still starting.
static void start_game(QProcess& game, const QString& config, const QString& shell_line = {}) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_CONFIG_HOME", config);
  env.insert("QT_QPA_PLATFORM", "offscreen");
  game.setProcessEnvironment(env);
  if (shell_line.isEmpty())
    game.start(QStringLiteral(ZERDO_GAME), {});
  else
    game.start(QStringLiteral("/bin/sh"), {"-c", "exec " + shell_line, ZERDO_GAME});
  QVERIFY(game.waitForStarted());
  const QString status = QStringLiteral("/proc/%1/status").arg(game.processId());
  auto catches_sigterm = [&] {
    QFile f(status);
    if (!f.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : f.readAll().split('\n'))
      if (line.startsWith("SigCgt:"))
        return ((line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1) != 0;
    return false;
  };
  QTRY_VERIFY_WITH_TIMEOUT(catches_sigterm(), 30000);
}

// The game itself, started offscreen on a store an older version wrote: a
// SIGTERM ends it normally, and the exit writes the store as this version
// does (check value, version, window).
void MainWindowTest::the_real_game_writes_its_store_on_sigterm() {
  QTemporaryDir config;
  QVERIFY(QDir(config.path()).mkpath("Zerdo"));
  {
    QFile old(config.filePath("Zerdo/Zerdo.conf"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("[Settings]\nVersion=1.1.5\nStufeNr=B3\nMinTime%201=500\nBester%201=Ann\n");
  }
  QProcess game;
  start_game(game, config.path());
  QCOMPARE(::kill(static_cast<pid_t>(game.processId()), SIGTERM), 0);
  QVERIFY(game.waitForFinished(30000));
  QCOMPARE(game.exitStatus(), QProcess::NormalExit);
  QCOMPARE(game.exitCode(), 0);
  const SettingsStore store(config.filePath("Zerdo/Zerdo.conf"));
  QCOMPARE(store.get("Settings", "Version", "-"), std::string("1.1.6"));
  QCOMPARE(store.get("Settings", "StufeNr", "-"), std::string("B3"));
  QCOMPARE(store.get("Settings", "MinTime 1", "-"), std::string("500"));
  QCOMPARE(store.get("Settings", "MainWidth", "-"), std::string("11895"));
  QCOMPARE(store.get("Settings", "Check", "-"),
           std::to_string(2700000 - 30000 + 500 + 65 + 110 * 2 + 110 * 3));
}

// `zerdo FILE` loads a file whose name is no UTF-8 ("Pr\xfcfung.zdo" in
// Latin-1), given relative to the folder the game starts in: the name is
// taken as the system's bytes, never as text.
void MainWindowTest::the_real_game_loads_a_file_named_in_any_bytes() {
  QTemporaryDir folder, config;
  const std::string name = folder.path().toStdString() +
                           "/Pr\xfc"
                           "fung.zdo";
  struct Remove {  // by its bytes: the folder's own removal takes names as text
    std::string name;
    ~Remove() { ::unlink(name.c_str()); }
  } remove{name};
  window_->menu_action("mnuFileZerdoC2")->trigger();
  window_->platform().file_hook = [&name](FileDialogKind, const std::string&, const std::string&) {
    return name;
  };
  window_->menu_action("mnuFileSave")->trigger();
  window_->load_puzzle_file(name);  // the name the file's puzzle has
  QVERIFY(boxes_.empty());
  const std::string puzzle = window_->frm().state().puzzle_id;

  QProcess game;
  game.setWorkingDirectory(folder.path());
  start_game(game, config.path(), QStringLiteral("\"$0\" \"$(printf 'Pr\\374fung.zdo')\""));
  QCOMPARE(::kill(static_cast<pid_t>(game.processId()), SIGTERM), 0);
  QVERIFY(game.waitForFinished(30000));
  QCOMPARE(game.exitCode(), 0);
  const SettingsStore store(config.filePath("Zerdo/Zerdo.conf"));
  QCOMPARE(store.get("Settings", "StufeNr", "-"), puzzle);
  QCOMPARE(store.get("Settings", "LastFolder", "-"), folder.path().toStdString());
}

// A logout sends its signal more than once: the signals that follow the
// first while the game ends (its window and the application taken down
// after the store is written) end nothing early, and the game exits as it
// would have.
void MainWindowTest::second_signal_while_ending_ends_nothing_early() {
  for (int round = 0; round < 4; ++round) {
    QTemporaryDir config;
    QProcess game;
    start_game(game, config.path());
    const auto pid = static_cast<pid_t>(game.processId());
    QCOMPARE(::kill(pid, SIGTERM), 0);
    while (!game.waitForFinished(1)) ::kill(pid, SIGTERM);
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);
    QVERIFY(QFile::exists(config.filePath("Zerdo/Zerdo.conf")));
  }
}

// A signal ends the game while its store cannot be written (a read-only
// disk, or a folder without the right to write): nobody is there to click
// the message away, so the message goes to the standard error output and
// the game ends at once, its store as it was.
void MainWindowTest::signal_ends_the_game_when_its_store_cannot_be_written() {
  QTemporaryDir scratch;
  const QString config = scratch.filePath("config");
  const test::SmallDisk disk(config, "64k");
  QVERIFY(QDir().mkpath(config + "/Zerdo"));
  const QString store = config + "/Zerdo/Zerdo.conf";
  {
    QFile file(store);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nLastUser=Ann\n");
  }
  if (disk.mounted()) {
    QCOMPARE(::mount(nullptr, config.toLocal8Bit().constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                     nullptr),
             0);
  } else if (::geteuid() != 0) {
    QVERIFY(QFile::setPermissions(config + "/Zerdo", QFile::ReadOwner | QFile::ExeOwner));
  } else {
    // QSKIP with only a message trips clang's check of variadic macros.
    QTest::qSkip("root may write anywhere, and no read-only disk could be mounted", __FILE__,
                 __LINE__);
    return;
  }
  QProcess game;
  start_game(game, config);
  QCOMPARE(::kill(static_cast<pid_t>(game.processId()), SIGTERM), 0);
  const bool ended = game.waitForFinished(10000);
  if (!ended) game.kill();
  QVERIFY(ended);
  QCOMPARE(game.exitCode(), 0);
  const QString err = QString::fromLocal8Bit(game.readAllStandardError());
  QVERIFY2(err.contains("Die Rekorde konnten nicht gespeichert werden."), qPrintable(err));
  QFile file(store);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), QByteArray("[Settings]\nLastUser=Ann\n"));
  if (!disk.mounted())  // so that it can be cleared away
    QFile::setPermissions(config + "/Zerdo",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void MainWindowTest::new_puzzles_differ_from_launch_to_launch() {
  std::vector<CardTable> first_new;
  for (int launch = 0; launch < 3; ++launch) {
    window_->menu_action("mnuFileNew")->trigger();
    first_new.push_back(window_->frm().state().sn);
    window_->menu_action("mnuFileExit")->trigger();
    QTest::qWait(3);  // the seed is the time of day in milliseconds
    window_ = std::make_unique<MainWindow>();
    window_->start();
  }
  QVERIFY(!(first_new[0] == first_new[1]));
  QVERIFY(!(first_new[1] == first_new[2]));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
