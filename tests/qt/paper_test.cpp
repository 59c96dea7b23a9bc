// The puzzle on paper and the card marks in the real window: the PDF holds
// the cards as the window draws them, the printer module prints, and marked
// cards are drawn shaded with a tick.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "model/pictures.h"
#include "play/frm_main.h"
#include "qt/board_widget.h"
#include "qt/control_painter.h"
#include "qt/main_window.h"
#include "qt/puzzle_sheet.h"
#include "small_disk.h"
#include "view/board_reader.h"

using namespace zerdo;

namespace {

// Runs a poppler tool; its standard output, or a failed test.
QByteArray run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(30000) || p.exitCode() != 0) {
    qWarning() << program << args << p.readAllStandardError();
    return {};
  }
  return p.readAllStandardOutput();
}

// The largest difference between two images of one size, after both are
// shrunk to a quarter (0..255 in one colour channel): what is drawn in the
// wrong colour shows (a white shape on a coloured one differs by some 200),
// the edge smoothing of a line a pixel thin does not (up to some 45).
int largest_difference(const QImage& a, const QImage& b) {
  const QSize small = a.size() / 4;
  const QImage p = a.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QImage q = b.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  int most = 0;
  for (int y = 0; y < small.height(); ++y)
    for (int x = 0; x < small.width(); ++x) {
      const QColor u = p.pixelColor(x, y), v = q.pixelColor(x, y);
      most = std::max({most, std::abs(u.red() - v.red()), std::abs(u.green() - v.green()),
                       std::abs(u.blue() - v.blue())});
    }
  return most;
}

bool green(const QColor& c) { return c.green() > c.red() + 50 && c.green() > c.blue() + 40; }

}  // namespace

class PaperTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void paper_follows_the_locale_data();
  void paper_follows_the_locale();
  void pdf_holds_the_cards_as_drawn_data();
  void pdf_holds_the_cards_as_drawn();
  void printer_module_prints_with_the_solution_page();
  void greyscale_paper_keeps_the_colours_apart_data();
  void greyscale_paper_keeps_the_colours_apart();
  void pdf_that_cannot_be_written_is_told_and_leaves_all_as_it_was_data();
  void pdf_that_cannot_be_written_is_told_and_leaves_all_as_it_was();
  void a_click_marks_a_card_and_a_second_clears_it();
  void works_without_a_temporary_folder_data();
  void works_without_a_temporary_folder();
  void space_marks_the_card_under_the_cursor();
  void the_tick_hides_nothing_on_its_card_data();
  void the_tick_hides_nothing_on_its_card();

 private:
  // Chooses menu item name as the player would.
  void choose(const char* name) {
    QAction* a = window_->menu_action(name);
    QVERIFY(a);
    a->trigger();
  }
  QImage render_board() {
    QImage img(window_->board()->size(), QImage::Format_RGB32);
    window_->board()->render(&img);
    return img;
  }

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<MainWindow> window_;
  std::optional<PrintJob> job_;  // the last job the platform was given
  QtPlatform::PrintChoice choice_;
};

void PaperTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(dir_->isValid());
  qputenv("XDG_CONFIG_HOME", dir_->filePath("config").toUtf8());
  window_ = std::make_unique<MainWindow>();
  window_->platform().message_hook = [](const MessageBox& b) {
    qWarning() << "box:" << QString::fromStdString(b.text);
    return Answer::Ok;
  };
  job_.reset();
  window_->platform().print_hook = [this](const PrintJob& job) {
    job_ = job;
    return std::optional<QtPlatform::PrintChoice>(choice_);
  };
  window_->start();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void PaperTest::cleanup() {
  window_.reset();
  dir_.reset();
}

void PaperTest::paper_follows_the_locale_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<int>("paper");
  QTest::newRow("United States") << "en_US" << int{QPageSize::Letter};
  QTest::newRow("Canada") << "fr_CA" << int{QPageSize::Letter};
  QTest::newRow("Germany") << "de_DE" << int{QPageSize::A4};
  QTest::newRow("Flanders") << "nl_BE" << int{QPageSize::A4};
  QTest::newRow("Britain") << "en_GB" << int{QPageSize::A4};
}

void PaperTest::paper_follows_the_locale() {
  QFETCH(QString, locale);
  QFETCH(int, paper);
  QCOMPARE(int{paper_for_locale(QLocale(locale))}, paper);
}

void PaperTest::pdf_holds_the_cards_as_drawn_data() {
  QTest::addColumn<bool>("four");
  QTest::addColumn<bool>("patterns");
  QTest::newRow("built-in A1, patterns turned off") << false << false;
  QTest::newRow("level I on the 4x4 board") << true << true;
  QTest::newRow("built-in A1, colours told by patterns") << false << true;
}

void PaperTest::pdf_holds_the_cards_as_drawn() {
  QFETCH(bool, four);
  QFETCH(bool, patterns);
  if (four) {
    choose("mnuFileSetupRange4x4");
    choose("mnuStufeI");
  } else {
    choose("mnuFileZerdoA1");
  }
  const MainState before = window_->frm().state();
  choice_ = {dir_->filePath("puzzle.pdf").toStdString(), false, patterns};
  choose("mnuFileExportPdf");
  QVERIFY(job_);
  QVERIFY(job_->colour_marks);  // the dialog starts with the patterns on
  QCOMPARE(window_->frm().state().print_patterns, patterns);
  QCOMPARE(window_->frm().state().moves, before.moves);
  const QString pdf = QString::fromStdString(choice_.path);

  // The text: the puzzle's name, its range and level, the number of every card.
  const QString text = QString::fromUtf8(run("pdftotext", {"-layout", pdf, "-"}));
  QVERIFY2(text.contains(QString::fromStdString("Zerdo " + before.puzzle_id)), qPrintable(text));
  QVERIFY(text.contains(four ? "Bereich 4x4" : "Bereich 3x3"));
  QVERIFY(text.contains(four ? "Stufe I" : "Stufe A"));
  const QStringList words = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
  for (int i = 0; i < job_->cards; ++i) {
    const Control* card = job_->controls->find("Frame_1_0(" + std::to_string(i) + ")");
    QVERIFY(card && card->caption);
    QVERIFY2(words.contains(QString::fromStdString(*card->caption)), qPrintable(text));
  }

  // Drawn as shapes, crisp at any printer's resolution: not one picture in it
  // (the list has its two head lines only).
  const QStringList images = QString::fromUtf8(run("pdfimages", {"-list", pdf}))
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  QVERIFY2(images.size() == 2, qPrintable(images.join(QLatin1Char('\n'))));

  // The picture: every card on the page as the window draws it.
  constexpr int kDpi = 144;
  run("pdftoppm", {"-r", QString::number(kDpi), "-f", "1", "-l", "1", "-png", "-singlefile", pdf,
                   dir_->filePath("page")});
  QImage page(dir_->filePath("page.png"));
  QVERIFY(!page.isNull());
  page = page.convertToFormat(QImage::Format_RGB32);
  const QPageLayout layout(QPageSize(paper_for_locale(QLocale::system())), QPageLayout::Portrait,
                           QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  const QRectF printable = layout.paintRectPoints();
  QCOMPARE(page.width(), qRound(layout.fullRectPoints().width() * kDpi / 72.0));
  const SheetPlan plan = plan_sheet(*job_, printable.size());
  QCOMPARE(int(plan.cards.size()), job_->cards);
  const qreal px = kDpi / 72.0;  // image pixels per point
  for (const SheetPlan::Card& card : plan.cards) {
    QCOMPARE(card.page, 0);
    const QRectF on_page = card.at.translated(printable.topLeft());  // points
    const QRect in_image(qRound(on_page.left() * px), qRound(on_page.top() * px),
                         qRound(on_page.width() * px), qRound(on_page.height() * px));
    QImage drawn(in_image.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
      QPainter p(&drawn);
      const qreal k = plan.scale * px;
      p.translate((card.at.left() + printable.left()) * px - in_image.left(),
                  (card.at.top() + printable.top()) * px - in_image.top());
      p.scale(k, k);
      p.translate(-card.source.topLeft());
      const Control* frame = job_->controls->find("Frame_1_0(" + std::to_string(card.index) + ")");
      const QRectF on_card = control_rect(*frame).adjusted(-1, -1, 1, 1);
      paint_controls(
          p, *job_->controls,
          [&on_card](const Control& c) {
            const QRectF r = control_rect(c);
            return !(r.left() >= on_card.left() && r.top() >= on_card.top() &&
                     r.right() <= on_card.right() && r.bottom() <= on_card.bottom());
          },
          PaintStyle{patterns});
    }
    // The window puts each look on whole pixels; the page puts it exactly:
    // the best of the printed card and its neighbours one pixel away.
    int diff = 255;
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        diff = std::min(diff, largest_difference(page.copy(in_image.translated(dx, dy)), drawn));
    QVERIFY2(
        diff < 64,
        qPrintable(QStringLiteral("card %1 differs by %2 at worst").arg(card.index + 1).arg(diff)));
  }
  // Nothing of the game moved.
  QCOMPARE(window_->frm().state().placement, before.placement);
  QCOMPARE(window_->frm().state().puzzle_id, before.puzzle_id);
}

void PaperTest::printer_module_prints_with_the_solution_page() {
  choose("mnuFileZerdoA1");
  choose("mnuFileSetupLanguageEnglish");
  choice_ = {dir_->filePath("printed.pdf").toStdString(), true};
  choose("mnuFilePrint");
  QVERIFY(job_);
  QCOMPARE(job_->target, PrintTarget::Printer);
  const QString pdf = QString::fromStdString(choice_.path);
  const QString info = QString::fromUtf8(run("pdfinfo", {pdf}));
  QVERIFY2(info.contains(QRegularExpression("Pages:\\s+2\\b")), qPrintable(info));
  const QString solution = QString::fromUtf8(run("pdftotext", {"-f", "2", "-l", "2", pdf, "-"}));
  QVERIFY2(solution.contains("Zerdo A1") && solution.contains("Solution"), qPrintable(solution));
}

void PaperTest::greyscale_paper_keeps_the_colours_apart_data() {
  QTest::addColumn<bool>("patterns");
  QTest::addColumn<bool>("apart");
  QTest::newRow("with the patterns, as printed unless turned off") << true << true;
  // Why they are on: lila, rood and blau are one grey without them.
  QTest::newRow("patterns turned off") << false << false;
}

// The solution page of a 4x4 puzzle (all sixteen pieces), printed into a
// file and read back in grey as a black-and-white printer puts it: the
// middle of every piece, compared with the middle of every piece of another
// colour, differs clearly (each colour's pattern sits at the same place in
// its picture, so the middles of one colour agree).
void PaperTest::greyscale_paper_keeps_the_colours_apart() {
  QFETCH(bool, patterns);
  QFETCH(bool, apart);
  choose("mnuFileSetupRange4x4");
  choose("mnuStufeI");
  choice_ = {dir_->filePath("grey.pdf").toStdString(), true, patterns};
  choose("mnuFilePrint");
  QVERIFY(job_);
  const QString pdf = QString::fromStdString(choice_.path);
  const QPageLayout layout(QPageSize(paper_for_locale(QLocale::system())), QPageLayout::Portrait,
                           QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  const QRectF printable = layout.paintRectPoints();
  const SheetPlan plan = plan_sheet(*job_, printable.size());
  constexpr int kDpi = 144;
  const QString page_number = QString::number(plan.pages + 1);
  run("pdftoppm", {"-gray", "-png", "-r", QString::number(kDpi), "-f", page_number, "-l",
                   page_number, "-singlefile", pdf, dir_->filePath("grey")});
  const QImage page = QImage(dir_->filePath("grey.png")).convertToFormat(QImage::Format_Grayscale8);
  QVERIFY(!page.isNull());

  // The middle of each piece (a square every shape covers: a little below
  // the centre, where the triangle is wide), as grey values by field.
  const qreal px = kDpi / 72.0;
  const qreal f = plan.board.width() / job_->side;
  const int half = qRound(f * 0.10 * px);
  std::vector<std::pair<int, std::vector<int>>> middles;  // colour, grey values
  for (int field = 1; field <= 16; ++field) {
    const int id = job_->solution[static_cast<std::size_t>(field)];
    const QPointF centre(
        printable.left() + plan.board.left() + ((field - 1) % 4 + 0.5) * f,
        printable.top() + kSheetHeadHeight + ((field - 1) / 4 + 0.5) * f + f * 0.04);
    const QPoint c = (centre * px).toPoint();
    std::vector<int> grey;
    for (int y = c.y() - half; y <= c.y() + half; ++y)
      for (int x = c.x() - half; x <= c.x() + half; ++x) grey.push_back(qGray(page.pixel(x, y)));
    middles.emplace_back(kPictures[static_cast<std::size_t>(id)].colour, grey);
  }
  const auto difference = [](const std::vector<int>& a, const std::vector<int>& b) {
    long sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) sum += std::abs(a[i] - b[i]);
    return static_cast<double>(sum) / static_cast<double>(a.size());
  };
  // Grey levels (0..255) on average: a printed grey step a reader tells at
  // a glance is some 30; without patterns the closest two differ by about 2,
  // with them by about 60.
  constexpr double kApart = 30;
  double closest = 1e9;
  for (std::size_t i = 0; i < middles.size(); ++i)
    for (std::size_t j = i + 1; j < middles.size(); ++j)
      if (middles[i].first != middles[j].first)
        closest = std::min(closest, difference(middles[i].second, middles[j].second));
  QVERIFY2((closest >= kApart) == apart,
           qPrintable(QStringLiteral("the closest two colours differ by %1").arg(closest)));
}

void PaperTest::pdf_that_cannot_be_written_is_told_and_leaves_all_as_it_was_data() {
  QTest::addColumn<QString>("place");
  QTest::addColumn<bool>("printer");
  QTest::newRow("exported onto a FIFO") << "fifo" << false;
  QTest::newRow("printed into a FIFO") << "fifo" << true;
  QTest::newRow("exported onto a device") << "device" << false;
  QTest::newRow("exported onto a full disk") << "full" << false;
  QTest::newRow("printed into a file on a full disk") << "full" << true;
}

// Export as PDF and the print dialog's printing into a file write the PDF as
// a puzzle file is saved: a FIFO or a device there is refused and left as
// it is (never opened, never replaced), a full disk leaves no torn file and
// no temporary, and the player is told in the game's language.
void PaperTest::pdf_that_cannot_be_written_is_told_and_leaves_all_as_it_was() {
  QFETCH(QString, place);
  QFETCH(bool, printer);
  QString target = dir_->filePath("out.pdf");
  std::unique_ptr<test::SmallDisk> disk;
  if (place == "fifo") {
    QCOMPARE(::mkfifo(target.toLocal8Bit().constData(), 0600), 0);
  } else if (place == "device") {
    if (::geteuid() != 0) {
      // QSKIP with a message alone trips clang's pedantic variadic-macro warning.
      QTest::qSkip("making a device node needs root (CI runs as root)", __FILE__, __LINE__);
      return;
    }
    QCOMPARE(::mknod(target.toLocal8Bit().constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
  } else {
    disk = std::make_unique<test::SmallDisk>(dir_->filePath("disk"), "64k");
    if (!disk->mounted()) {
      QTest::qSkip(disk->why_not().c_str(), __FILE__, __LINE__);
      return;
    }
    QVERIFY(disk->fill());
    target = dir_->filePath("disk/out.pdf");
  }
  std::vector<std::string> boxes;
  window_->platform().message_hook = [&boxes](const MessageBox& b) {
    boxes.push_back(b.text);
    return Answer::Ok;
  };
  choose("mnuFileZerdoA1");
  choice_ = {target.toStdString(), true};
  ::alarm(30);  // a FIFO that is opened holds the game: end the test instead
  choose(printer ? "mnuFilePrint" : "mnuFileExportPdf");
  ::alarm(0);
  QVERIFY(job_);
  QCOMPARE(boxes.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(boxes[0]),
           "Die PDF-Datei konnte nicht geschrieben werden: " + target);
  struct stat st {};
  if (place == "full") {
    QCOMPARE(QDir(dir_->filePath("disk"))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"filler"});
  } else {
    QCOMPARE(::lstat(target.toLocal8Bit().constData(), &st), 0);
    QVERIFY(place == "fifo" ? S_ISFIFO(st.st_mode) : S_ISCHR(st.st_mode));
  }
}

void PaperTest::works_without_a_temporary_folder_data() {
  QTest::addColumn<QString>("place");
  QTest::newRow("missing") << "missing";
  QTest::newRow("a file") << "file";
  QTest::newRow("not writable") << "locked";
  QTest::newRow("full") << "full";
}

// The temporary folder ($TMPDIR) missing, a file, without the right to write
// or full: the game starts with the player's stored settings, saves a puzzle
// file, prints into a file, exports a PDF and writes its store at the end,
// and no box appears.
void PaperTest::works_without_a_temporary_folder() {
  QFETCH(QString, place);
  QString tmp = dir_->filePath("tmp");
  std::unique_ptr<test::SmallDisk> disk;
  if (place == "file") {
    QFile file(tmp);
    QVERIFY(file.open(QIODevice::WriteOnly));
  } else if (place == "locked") {
    QVERIFY(QDir().mkpath(tmp));
    QVERIFY(QFile::setPermissions(tmp, QFile::ReadOwner | QFile::ExeOwner));
  } else if (place == "full") {
    disk = std::make_unique<test::SmallDisk>(tmp, "64k");
    if (!disk->mounted()) {
      QTest::qSkip(disk->why_not().c_str(), __FILE__, __LINE__);
      return;
    }
    QVERIFY(disk->fill());
  }
  window_.reset();
  const QByteArray old_tmp = qgetenv("TMPDIR");
  qputenv("TMPDIR", tmp.toLocal8Bit());
  struct Restore {
    QByteArray value;
    ~Restore() { value.isEmpty() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", value); }
  } restore{old_tmp};
  const QString store = dir_->filePath("config/Zerdo/Zerdo.conf");
  QVERIFY(QDir().mkpath(dir_->filePath("config/Zerdo")));
  {
    QFile file(store);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nLanguage=English\nLastUser=Ann\n");
  }
  window_ = std::make_unique<MainWindow>();
  std::vector<std::string> boxes;
  window_->platform().message_hook = [&boxes](const MessageBox& b) {
    boxes.push_back(b.text);
    return Answer::Ok;
  };
  const QString puzzle = dir_->filePath("a.zdo");
  window_->platform().file_hook = [&puzzle](FileDialogKind, const std::string&,
                                            const std::string&) { return puzzle.toStdString(); };
  window_->platform().print_hook = [this](const PrintJob&) {
    return std::optional<QtPlatform::PrintChoice>(choice_);
  };
  window_->start();
  QCOMPARE(window_->frm().state().language_code, 1);
  QCOMPARE(window_->frm().state().user_name, std::string("Ann"));
  choose("mnuFileZerdoC2");
  choose("mnuFileSave");
  choice_ = {dir_->filePath("printed.pdf").toStdString(), false};
  choose("mnuFilePrint");
  choice_ = {dir_->filePath("exported.pdf").toStdString(), false};
  choose("mnuFileExportPdf");
  window_->shut_down_now();
  QCOMPARE(boxes, std::vector<std::string>());
  QVERIFY(QFileInfo(puzzle).size() > 0);
  QVERIFY(QFileInfo(dir_->filePath("printed.pdf")).size() > 0);
  QVERIFY(QFileInfo(dir_->filePath("exported.pdf")).size() > 0);
  QFile file(store);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  QVERIFY2(text.contains("Language=English\n") && text.contains("LastUser=Ann\n") &&
               text.contains("StufeNr=C2\n"),
           text.constData());
  if (place == "locked")  // so that it can be cleared away
    QFile::setPermissions(tmp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void PaperTest::a_click_marks_a_card_and_a_second_clears_it() {
  choose("mnuFileZerdoA1");
  const FrmMain& frm = window_->frm();
  const QImage plain = render_board();
  const Control& card = *frm.controls().find("Frame_1_0(2)");
  const QRectF r = control_pixel_rect(card);
  // The middle of the card holds its small board; the tick sits beside it.
  const QPoint middle = r.center().toPoint();
  const QPointF tick = card_tick_rect(card).center() - QPointF(0, 4);
  QVERIFY(!green(plain.pixelColor(tick.toPoint())));

  QTest::mouseClick(window_->board(), Qt::LeftButton, Qt::NoModifier, middle);
  QVERIFY(frm.state().marks[3]);
  QCOMPARE(frm.state().moves, Int{0});
  const QImage marked = render_board();
  QVERIFY(green(marked.pixelColor(tick.toPoint())));
  // Shaded: darker than the unmarked card at a point of bare paper.
  const QPoint paper(static_cast<int>(r.left() + 6), static_cast<int>(r.bottom() - 8));
  QVERIFY(marked.pixelColor(paper).lightness() < plain.pixelColor(paper).lightness() - 20);
  // The other cards are untouched.
  const Control& other = *frm.controls().find("Frame_1_0(1)");
  const QRect other_r = control_pixel_rect(other).toRect();
  QCOMPARE(marked.copy(other_r), plain.copy(other_r));

  QTest::mouseClick(window_->board(), Qt::LeftButton, Qt::NoModifier, middle);
  QVERIFY(!frm.state().marks[3]);
  QCOMPARE(render_board(), plain);
  // A press on one card and a release on another is no click.
  QTest::mousePress(window_->board(), Qt::LeftButton, Qt::NoModifier, middle);
  QTest::mouseRelease(window_->board(), Qt::LeftButton, Qt::NoModifier,
                      control_pixel_rect(other).center().toPoint());
  QCOMPARE(frm.state().marks, (std::array<bool, 17>{}));
}

void PaperTest::space_marks_the_card_under_the_cursor() {
  choose("mnuFileZerdoA1");
  BoardWidget* board = window_->board();
  board->setFocus();
  // The arrows lead from the stock over the board to the cards on the right.
  constexpr int kCard = 2;  // ReaderItem::Kind::Card
  for (int i = 0; i < 12 && !(board->cursor_item() && board->cursor_item()->first == kCard); ++i)
    QTest::keyClick(board, Qt::Key_Right);
  const auto at = board->cursor_item();
  QVERIFY(at && at->first == kCard);
  const int nr = at->second;
  const auto name = [&] {
    for (const ReaderItem& r : board->reader_items())
      if (r.kind == ReaderItem::Kind::Card && r.index == nr) return QString::fromStdString(r.name);
    return QString();
  };
  QCOMPARE(name(), QStringLiteral("Karte %1").arg(nr));
  QTest::keyClick(board, Qt::Key_Space);
  QVERIFY(window_->frm().state().marks[static_cast<std::size_t>(nr)]);
  QCOMPARE(window_->frm().state().moves, Int{0});
  QCOMPARE(name(), QStringLiteral("Karte %1, abgehakt").arg(nr));
  QTest::keyClick(board, Qt::Key_Space);
  QVERIFY(!window_->frm().state().marks[static_cast<std::size_t>(nr)]);
  QCOMPARE(name(), QStringLiteral("Karte %1").arg(nr));
}

void PaperTest::the_tick_hides_nothing_on_its_card_data() {
  QTest::addColumn<QString>("range");
  QTest::newRow("3x3") << "mnuFileSetupRange3x3";
  QTest::newRow("4x4") << "mnuFileSetupRange4x4";
}

// The tick of a ticked-off card covers no cell of it (any of which may hold
// the grey must-field) and nothing drawn on it, at every size the board is
// shown at: both put on whole pixels, as the window shows them.
void PaperTest::the_tick_hides_nothing_on_its_card() {
  QFETCH(QString, range);
  choose(range.toLatin1().constData());
  choose("mnuStufeI");  // the level with the most kinds of clue
  const ControlSet& set = window_->frm().controls();
  int cards = 0;
  for (const Control& card : set.all()) {
    if (card.role != Role::Card || !card.visible) continue;
    ++cards;
    const QRectF tick = card_tick_rect(card);
    const QRectF on_card = control_pixel_rect(card);
    QVERIFY(on_card.contains(tick));
    for (const Control& c : set.all()) {
      if (!c.visible || !on_card.contains(control_pixel_rect(c)) ||
          (c.role != Role::CardCell && c.role != Role::MustField && c.role != Role::CluePicture &&
           c.role != Role::Cross))
        continue;
      for (const qreal zoom : {0.75, 1.0, 1.1, 1.5, 2.0, 3.0, 4.0}) {
        const QTransform z = QTransform::fromScale(zoom, zoom);
        QVERIFY2(!z.mapRect(tick).toAlignedRect().intersects(
                     z.mapRect(control_pixel_rect(c)).toAlignedRect()),
                 qPrintable(QStringLiteral("%1 of card %2 at %3 %")
                                .arg(QString::fromStdString(c.name))
                                .arg(cards)
                                .arg(zoom * 100)));
      }
    }
  }
  QCOMPARE(cards, window_->frm().state().shape.field_count);
}

QTEST_MAIN(PaperTest)
#include "paper_test.moc"
