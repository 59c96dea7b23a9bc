// The game as a citizen of the desktop: its command line, a puzzle file named
// on it, and Qt's own strings in the player's language.
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractFileIconProvider>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "model/pictures.h"
#include "play/frm_main.h"
#include "qt/command_line.h"
#include "qt/file_icons.h"
#include "qt/form_dialog.h"
#include "qt/main_window.h"
#include "qt/status_bar.h"

using namespace zerdo;

namespace {

constexpr long kBoardLeft = 180, kBoardTop = 4020, kField = 960;  // 3x3, twips

// The contrast ratio of two colours, 1 to 21, by their relative luminance.
double contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A desktop palette: light text on dark grey, or the style's own light one.
QPalette desktop_palette(bool dark) {
  if (!dark) return QApplication::style()->standardPalette();
  QPalette p;
  const QColor back(45, 45, 48), base(30, 30, 30), text(238, 238, 238);
  p.setColor(QPalette::Window, back);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Button, back);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::Text, text);
  return p;
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void command_line_data();
  void command_line();
  void help_and_window_of_a_new_player_speak_the_locales_language();
  void file_argument_loads_as_the_load_menu_does();
  void bad_file_argument_is_refused_and_the_default_puzzle_stays();
  void wrong_board_question_has_qt_buttons_in_german();
  void enter_and_escape_in_the_player_dialog();
  void f1_opens_the_help_contents();
  void file_dialog_opens_in_the_last_folder_with_the_zerdo_filter();
  void file_dialog_reads_no_file_for_its_icons();
  void readable_under_light_and_dark_palettes_data();
  void readable_under_light_and_dark_palettes();

 private:
  std::unique_ptr<MainWindow> new_window();
  // Saves built-in puzzle A1 through the Save menu into path.
  void save_a1(MainWindow& w, const QString& path);
  // Places piece k with its corner in field f (3x3), as one drag.
  void place(int k, int f);

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<MainWindow> window_;
  std::vector<MessageBox> boxes_;
};

void DesktopTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(dir_->isValid());
  // A fresh store: the game starts as on its first run, in German.
  qputenv("XDG_CONFIG_HOME", dir_->filePath(QStringLiteral("config")).toUtf8());
  boxes_.clear();
}

void DesktopTest::cleanup() {
  window_.reset();
  dir_.reset();
}

std::unique_ptr<MainWindow> DesktopTest::new_window() {
  auto w = std::make_unique<MainWindow>();
  w->platform().message_hook = [this](const MessageBox& b) {
    boxes_.push_back(b);
    return Answer::Ok;
  };
  w->start();
  w->show();
  return w;
}

void DesktopTest::save_a1(MainWindow& w, const QString& path) {
  w.menu_action("mnuFileZerdoA1")->trigger();
  w.platform().file_hook = [path](FileDialogKind, const std::string&, const std::string&) {
    return path.toStdString();
  };
  w.menu_action("mnuFileSave")->trigger();
  QVERIFY(QFileInfo::exists(path));
}

void DesktopTest::command_line_data() {
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<bool>("run");
  QTest::addColumn<int>("exit_code");
  QTest::addColumn<QString>("printed");  // a piece of what goes to stdout or stderr
  QTest::addColumn<QString>("file");     // the file to load, relative to the current folder

  QTest::newRow("nothing") << QStringList{} << true << 0 << QString() << QString();
  QTest::newRow("a file") << QStringList{"a.zdo"} << true << 0 << QString() << "a.zdo";
  QTest::newRow("--help") << QStringList{"--help"} << false << 0 << "Usage: zerdo [options] [FILE]"
                          << QString();
  QTest::newRow("-h before a file")
      << QStringList{"-h", "a.zdo"} << false << 0 << "--version" << QString();
  QTest::newRow("--version") << QStringList{"--version"} << false << 0
                             << "Zerdo 1.2.0\nCopyright (C) 2026 The Zerdo developers\nLicense MIT"
                             << QString();
  QTest::newRow("-v") << QStringList{"-v"} << false << 0 << "Zerdo 1.2.0\n" << QString();
  QTest::newRow("unknown option") << QStringList{"--bogus"} << false << 2
                                  << "Unknown option: --bogus" << QString();
  QTest::newRow("unknown short option")
      << QStringList{"-x", "a.zdo"} << false << 2 << "Unknown option: -x" << QString();
  QTest::newRow("two files") << QStringList{"a.zdo", "b.zdo"} << false << 2
                             << "Only one file can be loaded." << QString();
  // Qt's own options pass on to the QApplication.
  QTest::newRow("Qt's options") << QStringList{"-platform", "offscreen", "-reverse", "a.zdo"}
                                << true << 0 << QString() << "a.zdo";
  QTest::newRow("Qt's option without its value")
      << QStringList{"-style"} << false << 2 << "-style" << QString();
}

void DesktopTest::command_line() {
  QFETCH(QStringList, args);
  QFETCH(bool, run);
  QFETCH(int, exit_code);
  QFETCH(QString, printed);
  QFETCH(QString, file);
  args.prepend(QStringLiteral("zerdo"));
  int asked = 0;
  const CommandLine cl = read_command_line(args, [&] {
    ++asked;
    return 1;  // English
  });
  QCOMPARE(cl.run, run);
  QCOMPARE(cl.exit_code, exit_code);
  QVERIFY2((cl.out + cl.err).contains(printed), qPrintable(cl.out + cl.err));
  QCOMPARE(cl.file, file.isEmpty() ? QString() : QDir::current().absoluteFilePath(file));
  // Only a refusal writes to standard error; the store is read only to print.
  QCOMPARE(cl.err.isEmpty(), exit_code == 0);
  QVERIFY(asked <= 1);
  if (run) QCOMPARE(asked, 0);
}

// The locale is read as the system reads it: LC_ALL over LC_MESSAGES over
// LANG. A stored language wins over all of them.
void DesktopTest::help_and_window_of_a_new_player_speak_the_locales_language() {
  struct Case {
    const char *lc_all, *lc_messages, *lang, *usage;
  };
  const Case cases[] = {
      {"", "", "en_US.UTF-8", "Usage: zerdo"},
      {"", "nl_BE.UTF-8", "en_US.UTF-8", "Gebruik: zerdo"},
      {"C.UTF-8", "en_US.UTF-8", "en_US.UTF-8", "Aufruf: zerdo"},
      {"", "", "", "Aufruf: zerdo"},
  };
  const QStringList help{QStringLiteral("zerdo"), QStringLiteral("--help")};
  for (const Case& c : cases) {
    qputenv("LC_ALL", c.lc_all);
    qputenv("LC_MESSAGES", c.lc_messages);
    qputenv("LANG", c.lang);
    const QString out = read_command_line(help, stored_language_code).out;
    QVERIFY2(out.startsWith(QLatin1String(c.usage)), qPrintable(out));
  }
  // An English locale: the new player's window is English, and stays so.
  qputenv("LC_ALL", "en_GB.UTF-8");
  window_ = new_window();
  QCOMPARE(window_->menu_action("mnuFile")->text(), QStringLiteral("&Game"));
  window_->menu_action("mnuFileSetupLanguageDeutsch")->trigger();
  window_->shut_down_now();
  window_.reset();
  QVERIFY(read_command_line(help, stored_language_code).out.startsWith(QLatin1String("Aufruf")));
  window_ = new_window();
  QCOMPARE(window_->menu_action("mnuFile")->text(), QStringLiteral("&Spiel"));
  qputenv("LC_ALL", "C.UTF-8");
}

void DesktopTest::file_argument_loads_as_the_load_menu_does() {
  const QString path = dir_->filePath(QStringLiteral("puzzle.zdo"));
  {
    auto w = new_window();
    save_a1(*w, path);
    // A second level on screen, so that loading has something to replace.
    w->menu_action("mnuStufeD")->trigger();
  }
  // Loaded through the Load menu ...
  auto by_menu = new_window();
  by_menu->platform().file_hook = [path](FileDialogKind, const std::string&, const std::string&) {
    return path.toStdString();
  };
  by_menu->menu_action("mnuFileLoad")->trigger();
  // ... and named on the command line: the same cards, status and caption.
  window_ = new_window();
  window_->load_puzzle_file(path);
  const FrmMain& a = by_menu->frm();
  const FrmMain& b = window_->frm();
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 16; ++c) QCOMPARE(b.state().sn(r, c), a.state().sn(r, c));
  QCOMPARE(b.state().puzzle_id, a.state().puzzle_id);
  QCOMPARE(b.panels()[1].text, a.panels()[1].text);
  QCOMPARE(b.window().caption, a.window().caption);
  QVERIFY(boxes_.empty());
  // A1's first card: piece 2 (red triangle) belongs on field 9.
  QCOMPARE(b.state().sn(1, 2), Long{2});
  QCOMPARE(b.state().sn(1, 3), Long{9});
}

void DesktopTest::bad_file_argument_is_refused_and_the_default_puzzle_stays() {
  const QString path = dir_->filePath(QStringLiteral("bad.zdo"));
  QFile bad(path);
  QVERIFY(bad.open(QIODevice::WriteOnly));
  bad.write("\"Zerdo Version 1.1.6\"\r\n\"3x3\",\"A1\"\r\n2,2,9,9,0,0,-1,0,0,0,0,0,0,0,0,0,\r\n");
  bad.close();
  window_ = new_window();
  const CardTable before = window_->frm().state().sn;
  window_->load_puzzle_file(path);
  QCOMPARE(boxes_.size(), std::size_t{1});
  QCOMPARE(boxes_[0].title, std::string("NOT a Zerdo-file"));
  QCOMPARE(boxes_[0].text, "File =\n" + path.toStdString() + "\n\nNO file loaded.");
  QCOMPARE(window_->frm().state().puzzle_id, std::string("A1"));
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 16; ++c) QCOMPARE(window_->frm().state().sn(r, c), before(r, c));
}

void DesktopTest::place(int k, int f) {
  const Control& c = *window_->frm().controls().find("Picture_" + std::string(picture_name(k)));
  const long left = kBoardLeft + kField * ((f - 1) % 3) + 200;
  const long top = kBoardTop + kField * ((f - 1) / 3) + 150;
  const long dx = left - c.left, dy = top - c.top;
  window_->dispatch([this, k, dx, dy] {
    FrmMain& m = window_->frm();
    m.picture_mouse_down(k);
    m.picture_mouse_move(k, dx, dy);
    m.picture_mouse_up(k);
  });
}

void DesktopTest::wrong_board_question_has_qt_buttons_in_german() {
  window_ = new_window();
  window_->platform().message_hook = nullptr;  // the real box
  window_->platform().form_hook = [](Form&, FormHandler&) {};
  QCOMPARE(window_->frm().state().language_code, Int{0});
  window_->menu_action("mnuFileZerdoA1")->trigger();
  QStringList buttons;
  QString title;
  // Pieces of fields 1 and 2 change places; the last release asks.
  const auto& solution = window_->frm().state().solution;
  for (int f = 1; f <= 8; ++f)
    place(solution[static_cast<std::size_t>(f == 1 ? 2 : f == 2 ? 1 : f)], f);
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    title = box->windowTitle();
    for (QAbstractButton* b : box->buttons()) buttons << b->text().remove(QLatin1Char('&'));
    box->button(QMessageBox::Cancel)->click();
  });
  place(solution[9], 9);
  QCOMPARE(title, QStringLiteral("Leider nicht richtig."));
  buttons.sort();
  QCOMPARE(buttons, (QStringList{"Abbrechen", "Ja", "Nein"}));
}

void DesktopTest::enter_and_escape_in_the_player_dialog() {
  window_ = new_window();
  // Types a name into the real dialog, then presses key.
  const auto enter_name = [this](const QString& name, Qt::Key key) {
    QTimer::singleShot(0, [name, key] {
      auto* dialog = qobject_cast<FormDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      auto* edit = dialog->findChild<QLineEdit*>();
      QVERIFY(edit);
      QTest::keyClicks(edit, name);
      QTest::keyClick(edit, key);
      if (dialog->isVisible()) dialog->done(QDialog::Rejected);  // the key did nothing
    });
    window_->menu_action("mnuFileUser")->trigger();
  };
  enter_name(QStringLiteral("Ann"), Qt::Key_Return);
  QCOMPARE(window_->frm().state().user_name, std::string("Ann"));
  enter_name(QStringLiteral("Bob"), Qt::Key_Escape);
  QCOMPARE(window_->frm().state().user_name, std::string("Ann"));
  enter_name(QStringLiteral("Cy"), Qt::Key_Enter);  // the keypad's Enter
  QCOMPARE(window_->frm().state().user_name, std::string("Cy"));
}

void DesktopTest::f1_opens_the_help_contents() {
  window_ = new_window();
  QVERIFY(!window_->platform().help_viewer().window());
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(window_.get(), Qt::Key_F1);
  QWidget* help = window_->platform().help_viewer().window();
  QVERIFY(help);
  QVERIFY(help->isVisible());
  auto* browser = help->findChild<QTextBrowser*>();
  QVERIFY(browser);
  QVERIFY(!browser->toPlainText().isEmpty());
  // The menu item shows the key.
  QCOMPARE(window_->menu_action("mnuHelpContents")->shortcut(), QKeySequence(Qt::Key_F1));
  help->close();
}

void DesktopTest::file_dialog_opens_in_the_last_folder_with_the_zerdo_filter() {
  window_ = new_window();
  window_->platform().message_hook = nullptr;
  QString folder, filter;
  const auto look_and_cancel = [&] {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      folder = dialog->directory().absolutePath();
      filter = dialog->selectedNameFilter();
      dialog->reject();
    });
  };
  look_and_cancel();
  window_->menu_action("mnuFileLoad")->trigger();
  QCOMPARE(folder, QDir::homePath());
  QCOMPARE(filter, QStringLiteral("Zerdo Dateien (*.zdo)"));

  // A file named on the command line counts once it is loaded: a refused
  // one leaves the folder as it was.
  const QString path = dir_->filePath(QStringLiteral("puzzle.zdo"));
  window_->platform().message_hook = [](const MessageBox&) { return Answer::Ok; };
  window_->load_puzzle_file(path);  // no such file: refused
  look_and_cancel();
  window_->menu_action("mnuFileSave")->trigger();
  QCOMPARE(folder, QDir::homePath());
  save_a1(*new_window(), path);
  window_->load_puzzle_file(path);
  window_->platform().message_hook = nullptr;
  look_and_cancel();
  window_->menu_action("mnuFileSave")->trigger();
  QCOMPARE(folder, QDir(dir_->path()).absolutePath());
  QCOMPARE(filter, QStringLiteral("Zerdo Dateien (*.zdo)"));
}

// A dialog opened in /proc (the last folder) shows /proc/kmsg, which as
// root blocks a read until the kernel says something, and a FIFO: their
// icons and types come from the name and kind alone, so the game goes on.
void DesktopTest::file_dialog_reads_no_file_for_its_icons() {
  QVERIFY(QDir().mkpath(dir_->filePath("config/Zerdo")));
  {
    QFile store(dir_->filePath("config/Zerdo/Zerdo.conf"));
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write("[Settings]\nLastFolder=/proc\n");
  }
  const QString fifo = dir_->filePath("pipe.zdo");
  QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  window_ = new_window();
  QString folder;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    folder = dialog->directory().absolutePath();
    QVERIFY(dynamic_cast<const NameOnlyIconProvider*>(dialog->iconProvider()));
    for (const QString& special : {QStringLiteral("/proc/kmsg"), fifo}) {
      const QFileInfo info(special);
      dialog->iconProvider()->icon(info);
      dialog->iconProvider()->type(info);
    }
    // The view shows /proc with its icons meanwhile.
    QTimer::singleShot(500, dialog, &QDialog::reject);
  });
  ::alarm(30);  // a read that holds the game ends the test instead
  window_->menu_action("mnuFileLoad")->trigger();
  ::alarm(0);
  QCOMPARE(folder, QStringLiteral("/proc"));
}

void DesktopTest::readable_under_light_and_dark_palettes_data() {
  QTest::addColumn<bool>("dark");
  QTest::newRow("light") << false;
  QTest::newRow("dark") << true;
}

void DesktopTest::readable_under_light_and_dark_palettes() {
  QFETCH(bool, dark);
  const QPalette before = QApplication::palette();
  QApplication::setPalette(desktop_palette(dark));
  window_ = new_window();
  QStringList faults;
  const auto check = [&](const QString& what, const QPalette& p, QPalette::ColorRole text,
                         QPalette::ColorRole back) {
    const double ratio = contrast(p.color(text), p.color(back));
    if (ratio < 4.5) faults << QStringLiteral("%1: %2").arg(what).arg(ratio, 0, 'f', 2);
  };
  QMenuBar* bar = window_->menuBar();
  check("menu bar", bar->palette(), QPalette::WindowText, QPalette::Window);
  check("menu bar items", bar->palette(), QPalette::ButtonText, QPalette::Button);
  QMenu* game = window_->menu_action("mnuFile")->menu();
  check("menu", game->palette(), QPalette::WindowText, QPalette::Window);
  check("menu items", game->palette(), QPalette::ButtonText, QPalette::Button);

  // The status bar as drawn: its darkest and lightest pixels in panel 1.
  const QImage status = window_->status()->grab().toImage();
  QColor darkest(Qt::white), lightest(Qt::black);
  for (int y = 4; y < status.height() - 4; ++y)
    for (int x = 6; x < 200; ++x) {
      const QColor c = status.pixelColor(x, y);
      if (c.lightness() < darkest.lightness()) darkest = c;
      if (c.lightness() > lightest.lightness()) lightest = c;
    }
  if (contrast(darkest, lightest) < 4.5) faults << QStringLiteral("status bar");

  // The player dialog: its window, its buttons and its text box.
  window_->platform().form_hook = [&](Form& form, FormHandler& handler) {
    FormDialog dialog(form, handler, window_.get());
    check("dialog", dialog.palette(), QPalette::WindowText, QPalette::Window);
    for (QWidget* w : dialog.findChildren<QPushButton*>())
      check("dialog button", w->palette(), QPalette::ButtonText, QPalette::Button);
    for (QWidget* w : dialog.findChildren<QLineEdit*>())
      check("dialog text box", w->palette(), QPalette::Text, QPalette::Base);
  };
  window_->menu_action("mnuFileUser")->trigger();
  window_.reset();
  QApplication::setPalette(before);
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
}

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
