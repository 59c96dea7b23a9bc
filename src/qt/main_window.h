#pragma once
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qt/qt_platform.h"
#include "qt/qt_translations.h"

class QAction;
class QMenu;

namespace zerdo {

class BoardWidget;
class FrmMain;
class StatusBar;

// The game's main window: owns the controller and shows its model (menus,
// board, status bar, caption, pointer, geometry). Every window event is
// handed to the controller and followed by a refresh of the whole window.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Runs the controller's start-up and shows its first state.
  void start();
  // Loads the puzzle file at path as the Load menu does (`zerdo FILE`).
  void load_puzzle_file(const QString& path);
  // The same for a path given as the system's bytes (a name need not be
  // UTF-8).
  void load_puzzle_file(const std::string& path);
  // Loads it once the board has been painted for the first time (`zerdo
  // FILE`): the box about a missing, bad or folder argument then comes over
  // a whole window, never over a half-painted one.
  void load_puzzle_file_when_shown(const std::string& path);
  // The system ends the game (a signal, the end of the session, the
  // application quitting): the same shutdown as closing the window. A box or
  // dialog open at that moment is closed first, as Escape would; the window
  // then closes from the event loop.
  void shut_down();
  // The same, at once when no event is being handled: the session manager
  // expects the store written before this returns.
  void shut_down_now();
  // A signal ends the game: the same shutdown, with nobody there to read a
  // box. A message that only informs (the store could not be written) goes
  // to the standard error output instead of waiting for a click that never
  // comes.
  void end_by_signal();

  FrmMain& frm() { return *frm_; }
  QtPlatform& platform() { return platform_; }
  BoardWidget* board() const { return board_; }
  StatusBar* status() const { return status_; }
  // The menu action of item name (its menus filled if they were not yet),
  // nullptr when there is none.
  QAction* menu_action(const std::string& name);

  // Runs f as one window event: skipped while another event is still being
  // handled (a box is open), followed by a refresh.
  void dispatch(const std::function<void()>& f);
  // Brings every widget up to date with the controller's model.
  void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Runs f as one window event, as dispatch does, followed by show, which
  // brings up to date what f may have changed.
  void run_event(const std::function<void()>& f, const std::function<void()>& show);
  void build_menus();
  // Adds the items of menu (an item index) when it is first opened.
  void fill_menu(std::size_t menu);
  void add_menu_item(std::size_t i);
  void sync_menus();
  void sync_geometry();
  void report_geometry();
  // Ctrl++, Ctrl+- and Ctrl+0: the board one step larger, one smaller, 100 %.
  // Height of the menu bar and the status bar, which do not scale.
  int chrome_height() const;
  // The window's size (logical pixels) for the model's geometry at factor z.
  QSize scaled_size(long width, long height, qreal z) const;
  // The largest factor up to z at which that window fits the screen.
  qreal fitting_factor(long width, long height, qreal z) const;
  void choose(const std::string& name);

  QtPlatform platform_;
  QtTranslations translations_;
  std::unique_ptr<FrmMain> frm_;
  BoardWidget* board_ = nullptr;
  StatusBar* status_ = nullptr;
  // The hints of the game screen readers were told of, and whether the hint
  // with nothing to show was told while it is on show.
  int told_hints_ = 0;
  bool told_no_hint_ = false;
  QTimer timer_;
  std::vector<QAction*> actions_;    // by menu item index
  std::vector<QMenu*> menus_;        // by menu item index, for items with children
  std::vector<bool> filled_;         // by menu item index: its items are built
  std::vector<QAction*> shortcuts_;  // window actions carrying the shortcut keys
  std::string file_when_shown_;      // the command line's puzzle file, until the first paint
  bool busy_ = false;
  bool unloaded_ = false;
  bool applying_geometry_ = false;
  // The controller's window geometry (twips) as last applied or reported.
  long geo_left_ = -1, geo_top_ = -1, geo_width_ = -1, geo_height_ = -1, geo_zoom_ = -1;
};

}  // namespace zerdo
