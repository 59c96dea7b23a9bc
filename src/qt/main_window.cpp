#include "qt/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "play/frm_main.h"
#include "qt/board_accessible.h"
#include "qt/board_widget.h"
#include "qt/control_painter.h"
#include "qt/painted_icon_engine.h"
#include "qt/piece_painter.h"
#include "qt/status_bar.h"
#include "texts/access.h"

namespace zerdo {

namespace {

constexpr int kTimerIntervalMs = 300;
// How long a puzzle file named on the command line waits for the first paint.
constexpr int kFileWithoutPaintMs = 2000;

// The program icon, drawn only at the sizes the window system asks for (and
// kept by QIcon once drawn): drawing every size up front slowed the start-up.
class ProgramIconEngine : public PaintedIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    paint_program_icon(*painter, QRectF(rect));
  }
  QIconEngine* clone() const override { return new ProgramIconEngine; }
};

QIcon program_icon() { return QIcon(new ProgramIconEngine); }

int to_pixels(long twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
long to_twips(int pixels) { return std::lround(pixels * kTwipsPerPixel); }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  frm_ = std::make_unique<FrmMain>(platform_);
  platform_.set_window(this);
  platform_.set_before_modal([this] { refresh(); });
  platform_.set_zoom_source([this] { return frm_->window().zoom / 100.0; });
  platform_.help_viewer().set_language_source([this] { return int{frm_->state().language_code}; });
  // The window system asks for the icon at several sizes, each drawn: done a
  // moment after the window is up, so that it does not hold up the first paint.
  QTimer::singleShot(250, this, [this] { setWindowIcon(program_icon()); });
  // One font for menu bar, board and status bar: each further size or
  // weight is one more font to load before the first paint.
  setFont(caption_font());
  // The menu bar in the window's own colour, so board and bar are one piece.
  // Its text roles go with it: under a dark desktop theme they would be light.
  menuBar()->setPalette(game_palette(menuBar()->palette()));
  menuBar()->setAutoFillBackground(true);

  // The board and the status bar as screen readers see them.
  install_accessible_interfaces();
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  board_ = new BoardWidget(
      *frm_, [this](const std::function<void()>& f) { dispatch(f); }, central);
  status_ = new StatusBar(central);
  connect(board_, &BoardWidget::cursor_moved, this, [this] { announce_cursor(*board_); });
  layout->addWidget(board_, 1);
  layout->addWidget(status_);
  setCentralWidget(central);

  timer_.setInterval(kTimerIntervalMs);
  // The clock's tick changes the status panels and, when the window has
  // gone off the screen, its place: only those are brought up to date.
  connect(&timer_, &QTimer::timeout, this, [this] {
    run_event([this] { frm_->tick(); },
              [this] {
                status_->set_panels(frm_->panels());
                sync_geometry();
              });
  });
}

MainWindow::~MainWindow() {
  timer_.stop();
  // The board and the status bar read the controller; they go first.
  delete takeCentralWidget();
}

void MainWindow::start() {
  busy_ = true;
  frm_->start_up();
  busy_ = false;
  build_menus();
  refresh();
  // The board takes the keys (arrows, Space, Enter, Escape) from the start.
  board_->setFocus(Qt::OtherFocusReason);
  // The board's looks are drawn on a worker while the window is shown.
  board_->prepare_looks();
  timer_.start();
}

void MainWindow::load_puzzle_file(const QString& path) {
  load_puzzle_file(QFile::encodeName(path).toStdString());
}

void MainWindow::load_puzzle_file(const std::string& path) {
  dispatch([this, path] { frm_->load_puzzle_file(path); });
}

void MainWindow::load_puzzle_file_when_shown(const std::string& path) {
  file_when_shown_ = path;
  board_->installEventFilter(this);
  // A window that starts minimized paints nothing: the file is loaded all the same.
  QTimer::singleShot(kFileWithoutPaintMs, this, [this] {
    if (file_when_shown_.empty()) return;
    board_->removeEventFilter(this);
    load_puzzle_file(std::exchange(file_when_shown_, std::string()));
  });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == board_ && event->type() == QEvent::Paint && !file_when_shown_.empty()) {
    board_->removeEventFilter(this);
    // Once this paint is done and on the screen.
    QTimer::singleShot(0, this, [this] {
      if (!file_when_shown_.empty())
        load_puzzle_file(std::exchange(file_when_shown_, std::string()));
    });
  }
  return QMainWindow::eventFilter(watched, event);
}

QAction* MainWindow::menu_action(const std::string& name) {
  const auto& items = frm_->menus().items();
  for (std::size_t i = 0; i < items.size() && i < actions_.size(); ++i) {
    if (items[i].name != name) continue;
    // The menus above the item are filled first, from the top down.
    std::vector<std::size_t> chain;
    for (int up = items[i].parent; up >= 0; up = items[static_cast<std::size_t>(up)].parent)
      chain.push_back(static_cast<std::size_t>(up));
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) fill_menu(*it);
    return actions_[i];
  }
  return nullptr;
}

void MainWindow::dispatch(const std::function<void()>& f) {
  run_event(f, [this] { refresh(); });
}

void MainWindow::run_event(const std::function<void()>& f, const std::function<void()>& show) {
  // One event at a time: a tick or click that arrives while a box of an
  // earlier event is open waits for nothing and is dropped.
  if (busy_ || unloaded_) return;
  busy_ = true;
  f();
  busy_ = false;
  // Exit unloads the controller; the window follows.
  if (!frm_->is_loaded()) {
    unloaded_ = true;
    timer_.stop();
    close();
    return;
  }
  show();
}

void MainWindow::choose(const std::string& name) {
  dispatch([this, name] { frm_->choose_menu(name); });
}

void MainWindow::build_menus() {
  menuBar()->clear();
  for (QAction* a : shortcuts_) delete a;
  shortcuts_.clear();
  const auto& items = frm_->menus().items();
  actions_.assign(items.size(), nullptr);
  menus_.assign(items.size(), nullptr);
  filled_.assign(items.size(), false);
  // The menu bar gets its menus now; each menu gets its items when it is
  // about to open (most are never opened in a game, and a hundred actions
  // built up front held up the first paint).
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].parent < 0) add_menu_item(i);
  for (const MenuItem& m : items) {
    if (m.shortcut.empty()) continue;
    // The key lives on a window action, so that it also works for items
    // hidden from the menu (or not built yet); the menu only shows it.
    auto* key = new QAction(this);
    QList<QKeySequence> keys{QKeySequence(QString::fromStdString(m.shortcut))};
    if (!m.second_shortcut.empty())
      keys.append(QKeySequence(QString::fromStdString(m.second_shortcut)));
    key->setShortcuts(keys);
    key->setShortcutContext(Qt::WindowShortcut);
    key->setObjectName(QString::fromStdString("key_" + m.name));
    const std::string shortcut = m.shortcut;
    connect(key, &QAction::triggered, this,
            [this, shortcut] { dispatch([this, shortcut] { frm_->press_key(shortcut); }); });
    addAction(key);
    shortcuts_.push_back(key);
  }
  sync_menus();
}

void MainWindow::fill_menu(std::size_t menu) {
  if (menu >= filled_.size() || filled_[menu] || !menus_[menu]) return;
  filled_[menu] = true;
  const auto& items = frm_->menus().items();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].parent == static_cast<int>(menu)) add_menu_item(i);
  sync_menus();
}

void MainWindow::add_menu_item(std::size_t i) {
  const MenuItem& m = frm_->menus().items()[i];
  const QString caption = QString::fromStdString(m.caption);
  QWidget* owner = m.parent < 0 ? static_cast<QWidget*>(menuBar())
                                : static_cast<QWidget*>(menus_[static_cast<std::size_t>(m.parent)]);
  if (!owner) return;  // an item below a plain item: no menu to hold it
  if (m.separator_before) {
    if (auto* menu = qobject_cast<QMenu*>(owner)) menu->addSeparator();
  }
  QAction* action;
  if (!m.children.empty() || m.parent < 0) {
    auto* menu = new QMenu(caption, owner);
    menu->setPalette(game_palette(menu->palette()));
    menus_[i] = menu;
    action = menu->menuAction();
    owner->addAction(action);
    connect(menu, &QMenu::aboutToShow, this, [this, i] { fill_menu(i); });
  } else {
    action = new QAction(caption, owner);
    owner->addAction(action);
    const std::string name = m.name;
    connect(action, &QAction::triggered, this, [this, name] { choose(name); });
  }
  action->setObjectName(QString::fromStdString(m.name));
  actions_[i] = action;
}

void MainWindow::sync_menus() {
  const auto& items = frm_->menus().items();
  if (items.size() != actions_.size()) {
    build_menus();
    return;
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    QAction* a = actions_[i];
    if (!a) continue;
    const MenuItem& m = items[i];
    const QString text = QString::fromStdString(m.caption);
    if (a->text() != text) a->setText(text);
    if (m.children.empty() && m.parent >= 0 && !m.shortcut.empty()) {
      // The menu shows the key beside the caption, and a screen reader names
      // the item by its caption alone. The key itself works through the
      // window's action; this one is bound to the menu's own focus, which
      // the menu never takes, so a press does not run the item twice.
      const QKeySequence key(QString::fromStdString(m.shortcut));
      if (a->shortcut() != key) {
        a->setShortcutContext(Qt::WidgetShortcut);
        a->setShortcut(key);
      }
    }
    if (menus_[i] && menus_[i]->title() != QString::fromStdString(m.caption))
      menus_[i]->setTitle(QString::fromStdString(m.caption));
    if (a->isCheckable() != m.checked) a->setCheckable(m.checked);
    if (m.checked && !a->isChecked()) a->setChecked(true);
    if (a->isEnabled() != m.enabled) a->setEnabled(m.enabled);
    if (a->isVisible() != m.visible) a->setVisible(m.visible);
  }
}

void MainWindow::refresh() {
  // Qt's own strings follow the game's language.
  translations_.apply(frm_->state().language_code);
  sync_menus();
  status_->set_panels(frm_->panels());
  const Int language = frm_->state().language_code;
  const QString board_name = QString::fromStdString(frm_->window().caption);
  if (board_->accessibleName() != board_name) board_->setAccessibleName(board_name);
  const QString status_name = QString::fromUtf8(in(reader_words::kStatusLine, language).data(),
                                                in(reader_words::kStatusLine, language).size());
  if (status_->accessibleName() != status_name) status_->setAccessibleName(status_name);
  // A hint is said once: the status bar describes it and raises an alert.
  const MainState& s = frm_->state();
  const bool no_hint = s.hint && s.hint->kind == Hint::Kind::None;
  const bool untold = s.hint && (s.hints != told_hints_ || (no_hint && !told_no_hint_));
  told_hints_ = s.hints;
  told_no_hint_ = no_hint;
  if (untold) {
    status_->setAccessibleDescription(QString::fromStdString(s.hint_words));
    QAccessibleEvent alert(status_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
  }
  const WindowModel& w = frm_->window();
  const QString caption = QString::fromStdString(w.caption);
  if (windowTitle() != caption) setWindowTitle(caption);
  if (w.hourglass)
    setCursor(Qt::WaitCursor);
  else
    unsetCursor();
  sync_geometry();
  board_->sync();
}

int MainWindow::chrome_height() const {
  if (board_->height() > 0 && isVisible()) return height() - board_->height();
  return menuBar()->sizeHint().height() + status_->sizeHint().height();
}

QSize MainWindow::scaled_size(long width, long height, qreal z) const {
  // The menu bar and the status bar keep their size; the board scales.
  const int chrome = chrome_height();
  const int w = to_pixels(width), h = to_pixels(height);
  if (z == 1.0) return QSize(qMax(1, w), qMax(1, h));
  return QSize(qMax(1, qRound(w * z)), qMax(1, chrome + qRound((h - chrome) * z)));
}

qreal MainWindow::fitting_factor(long width, long height, qreal z) const {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return z;
  // The window's frame as the window system draws it, once known; a title
  // bar's worth of room until then.
  const QMargins known(
      geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
      frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  const bool framed = QGuiApplication::platformName() != QLatin1String("offscreen");
  const QMargins frame = isVisible() || !framed ? known : QMargins(4, 32, 4, 4);
  const QSize room = screen->availableGeometry().size().shrunkBy(frame);
  const QSize at = scaled_size(width, height, z);
  if (at.width() <= room.width() && at.height() <= room.height()) return z;
  const int chrome = chrome_height();
  const qreal fit_w = static_cast<qreal>(room.width()) / qMax(1, to_pixels(width));
  const qreal fit_h =
      static_cast<qreal>(room.height() - chrome) / qMax(1, to_pixels(height) - chrome);
  // Whole percent, rounded down, so that the window really fits.
  return qMax<qreal>(kZoomMin, std::floor(qMin(z, qMin(fit_w, fit_h)) * 100)) / 100;
}

void MainWindow::sync_geometry() {
  const WindowModel& w = frm_->window();
  // The board at 100 %: the window the range's layout was made for, less
  // the menu bar and the status bar.
  const Layout& L = frm_->layout();
  board_->set_natural_size(
      QSizeF(to_pixels(L.window_width), to_pixels(L.window_height) - chrome_height()),
      w.zoom / 100.0);
  // No smaller than the range's board, cards and stock at the least legible
  // factor, with the menu bar and the status bar; on a screen too small for
  // that, what fits it.
  const QSize least =
      scaled_size(L.window_width, L.window_height,
                  fitting_factor(L.window_width, L.window_height, kLegibleZoom / 100.0));
  if (minimumSize() != least) setMinimumSize(least);
  if (w.left == geo_left_ && w.top == geo_top_ && w.width == geo_width_ &&
      w.height == geo_height_ && w.zoom == geo_zoom_)
    return;
  // The View menu's zoom shows the window at its new size: a maximized window
  // is restored first.
  if (geo_zoom_ > 0 && w.zoom != geo_zoom_ &&
      (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
    showNormal();
  // A window that would not fit the screen is shown smaller, and keeps the
  // factor it fits at.
  const qreal z = fitting_factor(w.width, w.height, w.zoom / 100.0);
  if (qRound(z * 100) != w.zoom) {
    const bool was_busy = busy_;
    busy_ = true;
    frm_->window_zoomed(qRound(z * 100));
    busy_ = was_busy;
  }
  geo_left_ = w.left;
  geo_top_ = w.top;
  geo_width_ = w.width;
  geo_height_ = w.height;
  geo_zoom_ = w.zoom;
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  applying_geometry_ = true;
  move(to_pixels(w.left), to_pixels(w.top));
  resize(scaled_size(w.width, w.height, w.zoom / 100.0));
  applying_geometry_ = false;
  board_->set_natural_size(
      QSizeF(to_pixels(L.window_width), to_pixels(L.window_height) - chrome_height()),
      w.zoom / 100.0);
}

void MainWindow::report_geometry() {
  if (applying_geometry_ || busy_ || unloaded_ || !isVisible()) return;
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const qreal z = geo_zoom_ > 0 ? geo_zoom_ / 100.0 : 1.0;
  // Twips round to whole pixels: a position that maps to the model's is no move.
  if (to_pixels(geo_left_) == x() && to_pixels(geo_top_) == y() &&
      scaled_size(geo_width_, geo_height_, z) == size())
    return;
  long zoom = geo_zoom_ > 0 ? geo_zoom_ : 100;
  long width = geo_width_, height = geo_height_;
  if (scaled_size(geo_width_, geo_height_, z) != size()) {
    // Resized: the board now shows at the factor that fits it, and the
    // model keeps the size the window has at 100 %.
    const Layout& L = frm_->layout();
    const int chrome = chrome_height();
    const qreal fit =
        qMin(static_cast<qreal>(this->width()) / to_pixels(L.window_width),
             static_cast<qreal>(this->height() - chrome) / (to_pixels(L.window_height) - chrome));
    zoom = std::clamp<long>(qRound(fit * 100), kZoomMin, kZoomMax);
    const qreal f = zoom / 100.0;
    width = to_twips(qRound(this->width() / f));
    height = to_twips(chrome + qRound((this->height() - chrome) / f));
  }
  const long left = to_twips(x()), top = to_twips(y());
  busy_ = true;
  frm_->window_moved(left, top, width, height);
  frm_->window_zoomed(zoom);
  busy_ = false;
  // What the controller made of it is the geometry the window now has,
  // unless it pulled the window somewhere else.
  const WindowModel& w = frm_->window();
  geo_left_ = left;
  geo_top_ = top;
  geo_width_ = width;
  geo_height_ = height;
  geo_zoom_ = zoom;
  if (w.left != left || w.top != top || w.width != width || w.height != height) refresh();
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  report_geometry();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  report_geometry();
}

void MainWindow::shut_down() {
  if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  QTimer::singleShot(0, this, [this] {
    if (busy_)
      QTimer::singleShot(20, this, [this] { shut_down(); });  // a box opened next, or is closing
    else
      close();
  });
}

void MainWindow::end_by_signal() {
  platform_.set_unattended();
  shut_down();
}

void MainWindow::shut_down_now() {
  if (busy_ || QApplication::activeModalWidget())
    shut_down();
  else
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (busy_) {
    event->ignore();
    return;
  }
  timer_.stop();
  unloaded_ = true;
  if (frm_->is_loaded()) {
    busy_ = true;
    // Ended (by a signal) before the first paint: the file named on the
    // command line is still the game's puzzle, as if it had been shown.
    if (!file_when_shown_.empty())
      frm_->load_puzzle_file(std::exchange(file_when_shown_, std::string()));
    frm_->shut_down();
    busy_ = false;
  }
  event->accept();
}

}  // namespace zerdo
