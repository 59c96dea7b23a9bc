// Play for everyone: the game by keyboard alone, on the real controller and
// window.
#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "catalogue/puzzle_file.h"
#include "model/pictures.h"
#include "play/frm_main.h"
#include "qt/board_cursor.h"
#include "qt/board_widget.h"
#include "qt/form_dialog.h"
#include "qt/main_window.h"
#include "qt/status_bar.h"
#include "services/settings_store.h"
#include "solving/solver.h"
#include "view/board_reader.h"

using namespace zerdo;

namespace {

int piece_number(const MainState& s, int k) {
  return s.tables
      .piece_of_picture[static_cast<std::size_t>(s.shape.range_code)][static_cast<std::size_t>(k)];
}

}  // namespace

class AccessTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void keyboard_plays_a1_to_the_praise();
  void escape_puts_the_piece_back_as_a_click_does();
  void pieces_dropped_by_keyboard_land_on_the_field_under_the_cursor();
  void screen_reader_reads_the_board_in_german_and_english();
  void screen_reader_follows_the_pieces_moved_by_mouse();
  void hint_is_lit_on_the_board_shown_in_the_status_line_and_said();
  void screen_reader_tree_follows_moves_new_cards_loads_and_languages();
  void new_cards_during_a_drag_cancel_it();
  void secondary_windows_are_read_whole();
  void statistics_are_read_value_by_value();
  void menu_items_and_help_search_have_names_for_screen_readers();
  void window_fits_the_screen();
  void zoom_keys_scale_the_board_and_the_mouse_follows();
  void resized_window_scales_the_board_and_keeps_its_factor();
  void secondary_windows_follow_the_zoom();

 private:
  void install(const char* item);
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(window_->board(), k, m);
  }
  const Control& piece(int k) const {
    return *window_->frm().controls().find("Picture_" + std::string(picture_name(k)));
  }
  // Drags piece k with the mouse from its middle to the middle of field f,
  // in widget pixels as the board is shown.
  void drag(int k, int f);
  // Walks the cursor by arrow keys to the stop (kind, index).
  void walk_to(KeyStop::Kind kind, int index);

  std::unique_ptr<QTemporaryDir> config_;
  std::unique_ptr<MainWindow> window_;
  std::vector<MessageBox> boxes_;
};

void AccessTest::init() {
  config_ = std::make_unique<QTemporaryDir>();
  QVERIFY(config_->isValid());
  qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
  boxes_.clear();
  window_ = std::make_unique<MainWindow>();
  window_->platform().message_hook = [this](const MessageBox& b) {
    boxes_.push_back(b);
    return b.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  };
  window_->start();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void AccessTest::cleanup() {
  window_.reset();
  config_.reset();
}

void AccessTest::install(const char* item) {
  QAction* a = window_->menu_action(item);
  QVERIFY(a);
  a->trigger();
  QCOMPARE(window_->frm().state().moves, Int{0});
}

void AccessTest::walk_to(KeyStop::Kind kind, int index) {
  BoardWidget* board = window_->board();
  const FrmMain& frm = window_->frm();
  key(Qt::Key_Right);  // shows the cursor where it stands, or moves it
  // The shortest way by arrows over the keyboard's grid.
  struct Way {
    KeyCursor at;
    std::vector<Qt::Key> keys;
  };
  const KeyPlace goal = key_place(frm, KeyStop{kind, index});
  std::vector<Way> todo{{{key_place(frm, *board->cursor()), board->beside()}, {}}};
  std::vector<KeyPlace> seen{todo[0].at.at};
  const struct {
    Qt::Key key;
    Arrow arrow;
  } arrows[] = {{Qt::Key_Left, Arrow::Left},
                {Qt::Key_Right, Arrow::Right},
                {Qt::Key_Up, Arrow::Up},
                {Qt::Key_Down, Arrow::Down}};
  for (std::size_t i = 0; i < todo.size(); ++i) {
    const Way way = todo[i];
    if (way.at.at == goal) {
      for (const Qt::Key k : way.keys) key(k);
      QVERIFY(board->cursor()->same_place({kind, index, {}}));
      return;
    }
    for (const auto& a : arrows) {
      const KeyCursor next =
          step(way.at, a.arrow, frm.state().shape.side, board->carried_piece() == 0);
      if (std::find(seen.begin(), seen.end(), next.at) != seen.end()) continue;
      seen.push_back(next.at);
      Way further = way;
      further.at = next;
      further.keys.push_back(a.key);
      todo.push_back(further);
    }
  }
  QFAIL("no way to the stop by arrows");
}

void AccessTest::keyboard_plays_a1_to_the_praise() {
  install("mnuFileZerdoA1");
  const MainState& s = window_->frm().state();
  BoardWidget* board = window_->board();
  QVERIFY(board->hasFocus());
  for (int f = 1; f <= 9; ++f) {
    const int k = s.solution[static_cast<std::size_t>(f)];
    walk_to(KeyStop::Kind::Stock, k);
    key(Qt::Key_Space);
    QCOMPARE(board->carried_piece(), k);
    QVERIFY(s.dragging[static_cast<std::size_t>(k)]);
    walk_to(KeyStop::Kind::Field, f);
    key(f % 2 ? Qt::Key_Return : Qt::Key_Enter);
    QCOMPARE(board->carried_piece(), 0);
    QCOMPARE(s.placement[static_cast<std::size_t>(piece_number(s, k))], static_cast<Int>(f));
  }
  QCOMPARE(s.moves, Int{9});
  QCOMPARE(boxes_.size(), std::size_t{1});
  QCOMPARE(boxes_.back().text, std::string("!! Sehr gut : gewonnen und nur 9 mal gezogen!!"));
}

void AccessTest::escape_puts_the_piece_back_as_a_click_does() {
  install("mnuFileZerdoA1");
  const MainState& s = window_->frm().state();
  BoardWidget* board = window_->board();
  const Control& first = *window_->frm().controls().find("Picture_" + std::string(picture_name(1)));
  const Int home_left = first.left, home_top = first.top;
  // From the stock: carried over two fields, then back home.
  walk_to(KeyStop::Kind::Stock, 1);
  key(Qt::Key_Space);
  walk_to(KeyStop::Kind::Field, 5);
  QVERIFY(first.left != home_left);
  key(Qt::Key_Escape);
  QCOMPARE(board->carried_piece(), 0);
  QCOMPARE(first.left, home_left);
  QCOMPARE(first.top, home_top);
  QCOMPARE(s.placement[static_cast<std::size_t>(piece_number(s, 1))], Int{0});
  QCOMPARE(s.moves, Int{1});  // a click on a piece counts as a move too
  QVERIFY(board->cursor()->same_place({KeyStop::Kind::Stock, 1}));
  // From a field: back onto that field.
  key(Qt::Key_Space);
  walk_to(KeyStop::Kind::Field, 2);
  key(Qt::Key_Space);
  key(Qt::Key_Space);
  walk_to(KeyStop::Kind::Field, 9);
  key(Qt::Key_Escape);
  QCOMPARE(s.placement[static_cast<std::size_t>(piece_number(s, 1))], Int{2});
  QCOMPARE(s.moves, Int{3});
  // Escape with nothing carried changes nothing.
  key(Qt::Key_Escape);
  QCOMPARE(s.moves, Int{3});
}

void AccessTest::pieces_dropped_by_keyboard_land_on_the_field_under_the_cursor() {
  for (const char* range : {"mnuFileSetupRange3x3", "mnuFileSetupRange4x4"}) {
    window_->frm().choose_menu(range);
    window_->refresh();
    FrmMain& frm = window_->frm();
    int fields = 0;
    for (const KeyStop& stop : key_stops(frm)) {
      if (stop.kind != KeyStop::Kind::Field) continue;
      ++fields;
      for (const int k : {1, 9}) {
        const Spot corner = drop_corner(frm, k, stop);
        QCOMPARE(int{frm.field_at(corner.left, corner.top)}, stop.index);
      }
    }
    QCOMPARE(fields, int{frm.state().shape.field_count});
  }
}

namespace {

// The children of iface by role, name and description.
struct Child {
  QAccessible::Role role;
  QString name, description;
};
std::vector<Child> children_of(QAccessibleInterface* iface) {
  std::vector<Child> out;
  for (int i = 0; i < iface->childCount(); ++i) {
    QAccessibleInterface* c = iface->child(i);
    out.push_back({c->role(), c->text(QAccessible::Name), c->text(QAccessible::Description)});
  }
  return out;
}
bool has(const std::vector<Child>& list, QAccessible::Role role, const QString& name,
         const QString& description) {
  return std::any_of(list.begin(), list.end(), [&](const Child& c) {
    return c.role == role && c.name == name && c.description == description;
  });
}

}  // namespace

void AccessTest::screen_reader_reads_the_board_in_german_and_english() {
  install("mnuFileZerdoA1");
  // The purple triangle onto field 2, by keyboard.
  walk_to(KeyStop::Kind::Stock, 1);
  key(Qt::Key_Space);
  walk_to(KeyStop::Kind::Field, 2);
  key(Qt::Key_Space);
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window_->board());
  QVERIFY(board);
  // Nine pieces, nine fields, nine cards, and the stock place the piece left.
  QCOMPARE(board->childCount(), 28);
  // The cursor stands on field 2: a screen reader finds it as the focus.
  QAccessibleInterface* focus = board->focusChild();
  QVERIFY(focus);
  QCOMPARE(focus->text(QAccessible::Name), QStringLiteral("Feld 2"));
  QVERIFY(focus->state().focused);
  // Back on the empty stock place: the place tells itself, where it is.
  walk_to(KeyStop::Kind::Stock, 1);
  focus = board->focusChild();
  QVERIFY(focus);
  QCOMPARE(focus->role(), QAccessible::Cell);
  QCOMPARE(focus->text(QAccessible::Name), QStringLiteral("Vorratsplatz für Dreieck lila"));
  QCOMPARE(focus->text(QAccessible::Description), QStringLiteral("leer"));
  QVERIFY(focus->rect().intersects(
      QRect(window_->board()->mapToGlobal(QPoint(0, 0)), window_->board()->size())));
  QVERIFY(board->childAt(focus->rect().center().x(), focus->rect().center().y()) == focus);
  QVERIFY(board->childAt(focus->rect().center().x(), focus->rect().center().y()) == focus);

  const struct {
    const char* menu;
    QString piece, where, stock, field, on, empty, card, sign, status;
  } languages[] = {
      {"mnuFileSetupLanguageDeutsch", "Dreieck lila", "auf Feld 2", "im Vorrat", "Feld 2",
       "Dreieck lila", "leer", "Karte 1", "Quadrat grün auf Feld 2", "Statuszeile"},
      {"mnuFileSetupLanguageEnglish", "purple triangle", "on field 2", "in the stock", "Field 2",
       "purple triangle", "empty", "Card 1", "green square on field 2", "Status line"},
  };
  for (const auto& l : languages) {
    QVERIFY(window_->frm().choose_menu(l.menu));
    window_->refresh();
    const std::vector<Child> list = children_of(board);
    QVERIFY(has(list, QAccessible::Graphic, l.piece, l.where));
    QCOMPARE(std::count_if(list.begin(), list.end(),
                           [&](const Child& c) { return c.description == l.stock; }),
             8);
    QVERIFY(has(list, QAccessible::Cell, l.field, l.on));
    // Eight empty fields and the place the piece left in the stock.
    QCOMPARE(std::count_if(list.begin(), list.end(),
                           [&](const Child& c) { return c.description == l.empty; }),
             9);
    const auto card =
        std::find_if(list.begin(), list.end(), [&](const Child& c) { return c.name == l.card; });
    QVERIFY(card != list.end());
    QCOMPARE(card->role, QAccessible::StaticText);
    QVERIFY2(card->description.contains(l.sign), qPrintable(card->description));
    // The status bar: four panels, the first with the puzzle and the moves.
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(window_->status());
    QCOMPARE(status->role(), QAccessible::StatusBar);
    QCOMPARE(status->text(QAccessible::Name), l.status);
    QCOMPARE(status->childCount(), 4);
    QVERIFY(status->child(0)->text(QAccessible::Name).contains(QStringLiteral("A1")));
  }
}

void AccessTest::screen_reader_follows_the_pieces_moved_by_mouse() {
  install("mnuFileZerdoA1");
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window_->board());
  QVERIFY(board);
  const QString piece = QStringLiteral("Dreieck lila");
  QVERIFY(has(children_of(board), QAccessible::Graphic, piece, QStringLiteral("im Vorrat")));
  drag(1, 5);
  window_->refresh();
  const std::vector<Child> list = children_of(board);
  QVERIFY(has(list, QAccessible::Graphic, piece, QStringLiteral("auf Feld 5")));
  QVERIFY(has(list, QAccessible::Cell, QStringLiteral("Feld 5"), QStringLiteral("Dreieck lila")));
}

void AccessTest::menu_items_and_help_search_have_names_for_screen_readers() {
  QAction* result = window_->menu_action("mnuHelpResultEnable");
  QVERIFY(result);
  QVERIFY(!result->shortcut().isEmpty());
  QMenu* menu = qobject_cast<QMenu*>(result->parent());
  QVERIFY(menu);
  QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
  bool found = false;
  for (int i = 0; i < items->childCount(); ++i) {
    const QString name = items->child(i)->text(QAccessible::Name);
    QVERIFY2(!name.contains(QLatin1Char('\t')), qPrintable(name));
    if (items->child(i)->text(QAccessible::Accelerator) == result->shortcut().toString()) {
      QCOMPARE(name, result->text().remove(QLatin1Char('&')));
      found = true;
    }
  }
  QVERIFY(found);
  // The key still runs the item once, through the window.
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  const bool checked = window_->frm().menus().find("mnuHelpResultEnable")->checked;
  QTest::keyClick(window_.get(), Qt::Key_F9);
  QCOMPARE(window_->frm().menus().find("mnuHelpResultEnable")->checked, !checked);

  HelpViewer& help = window_->platform().help_viewer();
  help.search("zerdo.hlp", "");
  QCOMPARE(help.search_field()->accessibleName(), QStringLiteral("Suchbegriff"));
  QCOMPARE(help.results()->accessibleName(), QStringLiteral("Gefundene Themen"));
  // Nothing found: one line says so where the results would be, and opens nothing.
  help.search_field()->setText(QStringLiteral("Drache"));
  QCOMPARE(help.results()->count(), 1);
  QVERIFY(help.results()->item(0)->text().startsWith(QStringLiteral("Kein Stichwort passt zu")));
  QVERIFY(!(help.results()->item(0)->flags() & Qt::ItemIsSelectable));
  help.search_field()->setText(QStringLiteral("Leertaste"));
  QVERIFY(help.results()->item(0)->text().startsWith(QStringLiteral("Leertaste")));
  // A keyword found opens its topic at its first place, marked: the reader
  // starts where the keyword stands, not at the topic's top.
  help.search_field()->setText(QStringLiteral("Schwarzweißdrucker"));
  emit help.results()->itemActivated(help.results()->item(0));
  QVERIFY(help.page()->source().toString().endsWith(QStringLiteral("play.html")));
  QCOMPARE(help.page()->textCursor().selectedText(), QStringLiteral("Schwarzweißdrucker"));
  QVERIFY(help.page()->verticalScrollBar()->value() > 0);
  help.close();
}

namespace {

bool operator==(const Child& a, const Child& b) {
  return a.role == b.role && a.name == b.name && a.description == b.description;
}

}  // namespace

void AccessTest::screen_reader_tree_follows_moves_new_cards_loads_and_languages() {
  install("mnuFileZerdoA1");
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window_->board());
  QVERIFY(board);
  const FrmMain& frm = window_->frm();
  const std::vector<Child> a1 = children_of(board);
  // Children 0..8 are the pieces (picture ids 1..9), 9..17 the fields, 18..26 the cards.
  QCOMPARE(a1.size(), std::size_t{27});
  QCOMPARE(a1[0].name, QStringLiteral("Dreieck lila"));
  QCOMPARE(a1[13].name, QStringLiteral("Feld 5"));
  QCOMPARE(a1[18].name, QStringLiteral("Karte 1"));

  // A move: the piece and the field it went to change, nothing else; the
  // board says what happened.
  drag(1, 5);
  window_->refresh();
  const std::vector<Child> moved = children_of(board);
  QCOMPARE(moved.size(), a1.size() + 1);
  for (std::size_t i = 0; i < a1.size(); ++i)
    QVERIFY2((moved[i] == a1[i]) == (i != 0 && i != 13), qPrintable(moved[i].name));
  // The place the piece left in the stock comes last, empty.
  QCOMPARE(moved.back().name, QStringLiteral("Vorratsplatz für Dreieck lila"));
  QCOMPARE(moved.back().description, QStringLiteral("leer"));
  QCOMPARE(moved[0].description, QStringLiteral("auf Feld 5"));
  QCOMPARE(moved[13].description, QStringLiteral("Dreieck lila"));
  QCOMPARE(board->text(QAccessible::Description), QStringLiteral("Dreieck lila, auf Feld 5"));

  // New cards: every card tells the new puzzle, every piece is home again.
  window_->menu_action("mnuFileNew")->trigger();
  const std::vector<Child> fresh = children_of(board);
  const MainState& s = frm.state();
  bool cards_changed = false;
  for (int i = 0; i < 9; ++i) {
    QCOMPARE(fresh[static_cast<std::size_t>(i)].description, QStringLiteral("im Vorrat"));
    QCOMPARE(fresh[static_cast<std::size_t>(9 + i)].description, QStringLiteral("leer"));
    const Child& card = fresh[static_cast<std::size_t>(18 + i)];
    QCOMPARE(card.description,
             QString::fromStdString(card_words(record_of(s.sn, i + 1),
                                               Solver(s.sn, s.shape).reading(i + 1).fields, 9, 0)));
    if (card.description != a1[static_cast<std::size_t>(18 + i)].description) cards_changed = true;
  }
  QVERIFY(cards_changed);

  // A load: the tree of A1 again, from the file.
  install("mnuFileZerdoA1");
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("a1.zdo"));
  {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(write_puzzle_file(s.version_text, s.range_name, s.puzzle_id, s.sn, 9).c_str());
  }
  window_->menu_action("mnuFileNew")->trigger();
  QVERIFY(children_of(board) != a1);
  window_->load_puzzle_file(path);
  QVERIFY(boxes_.empty());
  QVERIFY(children_of(board) == a1);

  // Another language, with a piece on the board: every name changes, the
  // stock place the piece left included.
  drag(1, 5);
  QVERIFY(window_->frm().choose_menu("mnuFileSetupLanguageEnglish"));
  window_->refresh();
  const std::vector<Child> english = children_of(board);
  QCOMPARE(english.size(), a1.size() + 1);
  for (std::size_t i = 0; i < a1.size(); ++i) QVERIFY(english[i].name != a1[i].name);
  QCOMPARE(english[0].name, QStringLiteral("purple triangle"));
  QCOMPARE(english[0].description, QStringLiteral("on field 5"));
  QCOMPARE(english[1].description, QStringLiteral("in the stock"));
  QCOMPARE(english[13].name, QStringLiteral("Field 5"));
  QCOMPARE(english[13].description, QStringLiteral("purple triangle"));
  QCOMPARE(english[18].name, QStringLiteral("Card 1"));
  QCOMPARE(english.back().name, QStringLiteral("stock place for purple triangle"));
  QCOMPARE(english.back().description, QStringLiteral("empty"));
}

void AccessTest::new_cards_during_a_drag_cancel_it() {
  install("mnuFileZerdoA1");
  BoardWidget* board = window_->board();
  const MainState& s = window_->frm().state();
  const QRectF from = board->to_widget(
      QRectF(piece(1).left / 15.0, piece(1).top / 15.0, piece(1).width / 15.0, 48));
  const QPoint start = from.center().toPoint();
  QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, start);
  QVERIFY(s.dragging[1]);
  // F2 while the button is held: new cards, the piece goes home.
  window_->menu_action("mnuFileNew")->trigger();
  QVERIFY(!s.dragging[1]);
  const Control& field = *window_->frm().controls().find("spielfeld(5)");
  const QPoint target =
      board->to_widget(QRectF(field.left / 15.0 + 20, field.top / 15.0 + 20, 1, 1))
          .topLeft()
          .toPoint();
  QMouseEvent move(QEvent::MouseMove, target, board->mapToGlobal(target), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &move);
  QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, target);
  // The release is no move of the new game, and the piece stays home.
  QCOMPARE(s.moves, Int{0});
  QCOMPARE(s.placement[static_cast<std::size_t>(piece_number(s, 1))], Int{0});
  QCOMPARE(piece(1).border.value_or(0), Int{0});
  // The next drag works as ever.
  drag(1, 5);
  QCOMPARE(s.moves, Int{1});
}

void AccessTest::secondary_windows_are_read_whole() {
  // Each window as a screen reader finds it: its name, and every child's
  // name and description in one list.
  struct Read {
    QString name;
    std::vector<Child> children;
  };
  std::vector<Read> read;
  window_->platform().form_hook = [&](Form& form, FormHandler& handler) {
    FormDialog dialog(form, handler, window_.get());
    dialog.show();
    QAccessibleInterface* d = QAccessible::queryAccessibleInterface(&dialog);
    read.push_back({d->text(QAccessible::Name), children_of(d)});
    dialog.reject();
  };
  const auto has_name = [](const Read& r, const QString& name) {
    return std::any_of(r.children.begin(), r.children.end(),
                       [&](const Child& c) { return c.name.contains(name); });
  };
  QVERIFY(window_->frm().choose_menu("mnuHelpAbout"));
  QCOMPARE(read.size(), std::size_t{1});
  QVERIFY(has_name(read[0], QStringLiteral("Zerdo")));
  QVERIFY(read[0].children.size() >= 4);  // title, version, description, disclaimer, OK

  QVERIFY(window_->frm().choose_menu("mnuFileUser"));
  QCOMPARE(read.size(), std::size_t{2});
  const auto box = std::find_if(read[1].children.begin(), read[1].children.end(),
                                [](const Child& c) { return c.role == QAccessible::EditableText; });
  QVERIFY(box != read[1].children.end());
  QVERIFY(!box->name.isEmpty());

  // The solution window of a board with fields 1 and 2 swapped, in English.
  QVERIFY(window_->frm().choose_menu("mnuFileSetupLanguageEnglish"));
  install("mnuFileZerdoA1");
  window_->platform().message_hook = [](const MessageBox&) { return Answer::Yes; };
  const MainState& s = window_->frm().state();
  for (int f = 1; f <= 9; ++f)
    drag(s.solution[static_cast<std::size_t>(f == 1 ? 2 : f == 2 ? 1 : f)], f);
  QCOMPARE(read.size(), std::size_t{3});
  QCOMPARE(read[2].name, QStringLiteral("Zerdo Solution 3x3"));
  int fields = 0, wrong = 0;
  for (const Child& c : read[2].children) {
    if (!c.name.startsWith(QStringLiteral("Field "))) continue;
    ++fields;
    const int f = c.name.mid(6).toInt();
    const QString piece =
        QString::fromStdString(piece_words(s.solution[static_cast<std::size_t>(f)], 1));
    QVERIFY2(c.description.startsWith(piece), qPrintable(c.description));
    if (c.description.endsWith(QStringLiteral("Wrong"))) {
      ++wrong;
      QVERIFY(f == 1 || f == 2);
    }
  }
  QCOMPARE(fields, 9);
  QCOMPARE(wrong, 2);
}

// The statistics by their key, as a screen reader finds the box: every
// value named in the player's language, then the OK button.
void AccessTest::statistics_are_read_value_by_value() {
  window_->platform().message_hook = nullptr;
  QString title;
  std::vector<Child> read;
  QStringList buttons;
  bool shown = false;
  const auto read_box = [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    shown = true;
    QAccessibleInterface* d = QAccessible::queryAccessibleInterface(box);
    title = d->text(QAccessible::Name);
    read = children_of(d);
    // The buttons, in their box after the lines.
    QAccessibleInterface* last = d->child(d->childCount() - 1);
    for (int i = 0; last && i < last->childCount(); ++i)
      if (last->child(i)->role() == QAccessible::Button)
        buttons.push_back(last->child(i)->text(QAccessible::Name));
    QTest::keyClick(box, Qt::Key_Return);
  };
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QTimer::singleShot(0, read_box);
  QTest::keyClick(window_.get(), Qt::Key_S);
  QVERIFY(shown);
  QCOMPARE(title, QStringLiteral("Zerdo : Tip vom Tage und Statistik"));
  QVERIFY(has(read, QAccessible::StaticText, QStringLiteral("Bereich"), QStringLiteral("3x3")));
  QVERIFY(has(read, QAccessible::StaticText, QStringLiteral("Stufe A"),
              QStringLiteral("keine Bestzeit")));
  QVERIFY(has(read, QAccessible::StaticText, QStringLiteral("Gespielt"), QStringLiteral("0")));
  QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
  // The box's text is told by its lines, not once more as a whole.
  QVERIFY(std::none_of(read.begin(), read.end(),
                       [](const Child& c) { return c.name.contains(QStringLiteral(" = ---")); }));
  QCOMPARE(window_->frm().state().moves, Int{0});
}

namespace {

// The band round r (logical pixels of the board) in the pixels of image.
QRect band_of(const QImage& image, const QRectF& r) {
  const qreal dpr = image.devicePixelRatio();
  return QRectF(r.topLeft() * dpr, r.size() * dpr)
      .toAlignedRect()
      .adjusted(-8, -8, 8, 8)
      .intersected(image.rect());
}

// The pixels of after within band that show the hint's orange ring where
// before showed something else.
int ring_pixels(const QImage& before, const QImage& after, const QRect& band) {
  int n = 0;
  for (int y = band.top(); y <= band.bottom(); ++y)
    for (int x = band.left(); x <= band.right(); ++x) {
      const QColor c = after.pixelColor(x, y);
      if (after.pixel(x, y) != before.pixel(x, y) && c.red() > 200 && c.green() > 100 &&
          c.green() < 200 && c.blue() < 80)
        ++n;
    }
  return n;
}

}  // namespace

// The hint asked by its key: the piece, its field and the deciding card are
// ringed on the board, the words follow the status line, and the status bar
// tells them to screen readers (its description, with an alert where a
// reader listens) once for each hint asked; the next move puts the lights
// out and tells nothing.
void AccessTest::hint_is_lit_on_the_board_shown_in_the_status_line_and_said() {
  install("mnuFileZerdoA1");
  BoardWidget* board = window_->board();
  const QImage plain = board->grab().toImage();
  key(Qt::Key_H);
  window_->refresh();
  const QImage lit = board->grab().toImage();
  const MainState& s = window_->frm().state();
  QVERIFY(s.hint && s.hint->kind == Hint::Kind::Place);
  const QString words = QStringLiteral("Hinweis: Kreis rot gehört auf Feld 1 (Karte 8)");
  QCOMPARE(QString::fromStdString(s.hint_words), words);
  const ControlSet& controls = window_->frm().controls();
  std::vector<QRect> bands;
  for (const std::string& name : {"Picture_" + std::string(picture_name(s.hint->picture)),
                                  std::string("spielfeld(1)"), std::string("Frame_1_0(7)")}) {
    const Control* c = controls.find(name);
    QVERIFY2(c && c->highlighted, name.c_str());
    bands.push_back(band_of(lit, board->to_widget(control_rect(*c))));
    QVERIFY2(ring_pixels(plain, lit, bands.back()) > 20, name.c_str());
  }
  // Nowhere else does the board change.
  for (int y = 0; y < lit.height(); ++y)
    for (int x = 0; x < lit.width(); ++x)
      if (std::none_of(bands.begin(), bands.end(),
                       [&](const QRect& b) { return b.contains(x, y); }))
        QCOMPARE(lit.pixel(x, y), plain.pixel(x, y));
  QAccessibleInterface* status = QAccessible::queryAccessibleInterface(window_->status());
  QVERIFY(status->child(0)->text(QAccessible::Name).endsWith(words));
  QCOMPARE(status->text(QAccessible::Description), words);
  // Told once: what was told is not told again, the same hint asked again is.
  const auto told = [&] {
    const QString description = status->text(QAccessible::Description);
    window_->status()->setAccessibleDescription(QString());
    return description;
  };
  QCOMPARE(told(), words);
  window_->refresh();
  QCOMPARE(told(), QString());
  key(Qt::Key_H);
  QCOMPARE(told(), words);
  // The move the hint shows: the lights go out, and nothing is told.
  drag(s.hint->picture, s.hint->field);
  window_->refresh();
  QVERIFY(!s.hint);
  for (const char* name : {"spielfeld(1)", "Frame_1_0(7)"})
    QVERIFY2(!controls.find(name)->highlighted, name);
  QCOMPARE(ring_pixels(plain, board->grab().toImage(), bands.back()), 0);  // the card's ring
  QCOMPARE(told(), QString());
}

void AccessTest::drag(int k, int f) {
  BoardWidget* board = window_->board();
  const QRectF from = board->to_widget(
      QRectF(piece(k).left / 15.0, piece(k).top / 15.0, piece(k).width / 15.0, 48));
  const Control& field = *window_->frm().controls().find("spielfeld(" + std::to_string(f) + ")");
  // The pointer keeps its place on the piece: the corner lands near the
  // field's corner.
  const QPointF offset = from.center() - from.topLeft();
  const QPoint start = from.center().toPoint();
  const QPoint target =
      (board->to_widget(QRectF(field.left / 15.0 + 8, field.top / 15.0 + 8, 1, 1)).topLeft() +
       offset)
          .toPoint();
  QCOMPARE(board->piece_at(start), k);
  QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, start);
  for (const QPoint& p : {(start + target) / 2, target}) {
    QMouseEvent move(QEvent::MouseMove, p, board->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(board, &move);
  }
  QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, target);
}

void AccessTest::window_fits_the_screen() {
  // A factor too large for the screen is stored; each range opens within it.
  window_.reset();
  {
    SettingsStore store;
    store.save("Settings", "Zoom", "400");
    store.sync();
  }
  window_ = std::make_unique<MainWindow>();
  window_->platform().message_hook = [](const MessageBox&) { return Answer::Ok; };
  window_->start();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  const QRect room = window_->screen()->availableGeometry();
  for (const char* range : {"mnuFileSetupRange4x4", "mnuFileSetupRange3x3"}) {
    window_->frm().choose_menu(range);
    window_->refresh();
    QTRY_VERIFY(room.contains(window_->frameGeometry()));
    // The board fills the window at the factor kept for it.
    QVERIFY(window_->board()->factor() <= 4.0);
    QVERIFY(std::abs(window_->board()->factor() * 100 - window_->frm().window().zoom) < 2);
  }
}

void AccessTest::zoom_keys_scale_the_board_and_the_mouse_follows() {
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  const BoardWidget* board = window_->board();
  QCOMPARE(board->factor(), 1.0);
  const struct {
    Qt::Key key;
    int presses;
    qreal factor;
  } cases[] = {{Qt::Key_Plus, 5, 2.0}, {Qt::Key_0, 1, 1.0}, {Qt::Key_Minus, 3, 0.75}};
  for (const auto& c : cases) {
    for (int i = 0; i < c.presses; ++i) key(c.key, Qt::ControlModifier);
    QTRY_COMPARE(board->factor(), c.factor);
    QCOMPARE(int{window_->frm().window().zoom}, qRound(c.factor * 100));
    // The status line spans the window at every factor.
    QVERIFY(window_->status()->panel_rect(4).right() > window_->width() - 50);
    // The same drags as at 100 %: the same fields, one move each.
    install("mnuFileZerdoA1");
    const MainState& s = window_->frm().state();
    drag(s.solution[2], 2);
    drag(s.solution[6], 6);
    QCOMPARE(s.placement[static_cast<std::size_t>(piece_number(s, s.solution[2]))], Int{2});
    QCOMPARE(s.placement[static_cast<std::size_t>(piece_number(s, s.solution[6]))], Int{6});
    QCOMPARE(s.moves, Int{2});
  }
  // The window keeps its size at 100 % in the model: 75 % changes no key.
  QCOMPARE(int{window_->frm().window().width}, 11895);
  QCOMPARE(int{window_->frm().window().height}, 8040);
}

void AccessTest::resized_window_scales_the_board_and_keeps_its_factor() {
  const QSize before = window_->size();
  window_->resize(before.width() * 3 / 2, before.height() * 2);
  // The board grows by the smaller of the two, centred in the window.
  QTRY_VERIFY(std::abs(window_->board()->factor() - 1.5) < 0.01);
  const QRectF board = window_->board()->to_widget(QRectF(0, 0, 10, 10));
  QCOMPARE(board.left(), 0.0);
  QVERIFY(board.top() > 50);
  QCOMPARE(int{window_->frm().window().zoom}, 150);
  // The model keeps the window at 100 %: as wide as before, taller.
  QVERIFY(std::abs(window_->frm().window().width - 11895) <= 30);
  QVERIFY(window_->frm().window().height > 8040 + 1500);
}

// The About window opened by the game at the board's zoom: at 150 % it is
// half as large again as at 100 %, and so are its button, its lettering and
// the place a screen reader finds its text at, and the statistics box is
// lettered as large; zoomed out it stays as at 100 %; a factor larger than the screen holds gives
// way to the largest it does.
void AccessTest::secondary_windows_follow_the_zoom() {
  struct Seen {
    qreal factor = 0;
    QSize size;
    QRect ok, title;  // the OK button, the painted title as read
    int font = 0;
  };
  const auto open_about = [this] {
    Seen seen;
    QTimer::singleShot(0, [&seen] {
      auto* dialog = qobject_cast<FormDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      const QAccessibleInterface* title = QAccessible::queryAccessibleInterface(dialog)->child(0);
      seen = {dialog->factor(), dialog->size(), dialog->button("cmdOK")->geometry(),
              title->rect().translated(-dialog->mapToGlobal(QPoint(0, 0))),
              dialog->button("cmdOK")->font().pixelSize()};
      dialog->reject();
    });
    window_->menu_action("mnuHelpAbout")->trigger();
    return seen;
  };
  const Seen actual = open_about();
  QCOMPARE(actual.factor, 1.0);
  QVERIFY(!actual.title.isEmpty());

  window_->frm().window_zoomed(150);
  window_->refresh();
  QCOMPARE(int{window_->frm().window().zoom}, 150);
  const Seen zoomed = open_about();
  QCOMPARE(zoomed.factor, 1.5);
  const auto near = [](int at_150, int at_100) { return std::abs(at_150 - at_100 * 1.5) <= 1; };
  const auto scaled = [&near](const QRect& at_150, const QRect& at_100) {
    return near(at_150.left(), at_100.left()) && near(at_150.top(), at_100.top()) &&
           near(at_150.width(), at_100.width()) && near(at_150.height(), at_100.height());
  };
  QVERIFY(near(zoomed.size.width(), actual.size.width()));
  QVERIFY(near(zoomed.size.height(), actual.size.height()));
  QVERIFY(scaled(zoomed.ok, actual.ok));
  QVERIFY(scaled(zoomed.title, actual.title));
  QCOMPARE(zoomed.font, qRound(actual.font * 1.5));
  // The statistics box is lettered as large.
  window_->platform().message_hook = nullptr;
  int box_font = 0;
  QTimer::singleShot(0, [&box_font] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    box_font = box->font().pixelSize();
    box->done(QMessageBox::Ok);
  });
  window_->menu_action("mnuHelpStatistics")->trigger();
  QCOMPARE(box_font, zoomed.font);

  window_->frm().window_zoomed(75);
  window_->refresh();
  const Seen out = open_about();
  QCOMPARE(out.factor, 1.0);
  QCOMPARE(out.size, actual.size);
  QCOMPARE(out.ok, actual.ok);

  // Forty times: far more than any screen holds.
  qreal factor = 0;
  QRect frame;
  window_->platform().form_hook = [&](Form& form, FormHandler& handler) {
    FormDialog dialog(form, handler, window_.get(), 40.0);
    factor = dialog.factor();
    frame = QRect(QPoint(0, 0), dialog.size() + QSize(8, 30));
  };
  QVERIFY(window_->frm().choose_menu("mnuHelpAbout"));
  const QSize room = window_->screen()->availableGeometry().size();
  QVERIFY(factor > 1.5 && factor < 40);
  QVERIFY(frame.width() <= room.width() && frame.height() <= room.height());
  // The largest that fits: one percent more does not.
  QVERIFY(actual.size.width() * (factor + 0.01) + 8 > room.width() ||
          actual.size.height() * (factor + 0.01) + 30 > room.height());
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
