// The history window on the real window: its table as a screen reader meets
// it, its charts drawn, and the export through the save dialog.
#include "records/history.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "qt/form_dialog.h"
#include "qt/main_window.h"

using namespace zerdo;

namespace {

PlayedGame game(bool four, int level, std::int64_t seconds, GameResult result) {
  return PlayedGame{"2026-12-11T06:00:00", "A1", four, level, seconds, 9, result, 0};
}

}  // namespace

class HistoryTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void table_and_charts_show_the_history_and_export_writes_it();
  void no_history_says_no_games_yet();
  void a_chart_without_figures_says_so_within_its_place();

 private:
  void write_history(const std::vector<PlayedGame>& games);
  // Opens the history window through the game menu; check runs while it is open.
  void open_history(const std::function<void(FormDialog&)>& check);

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<MainWindow> window_;
  std::vector<MessageBox> boxes_;
  std::vector<PlayedGame> games_;
};

void HistoryTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(dir_->isValid());
  qputenv("XDG_CONFIG_HOME", dir_->filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_DATA_HOME", dir_->filePath(QStringLiteral("data")).toUtf8());
  boxes_.clear();
  // 3x3 A: won in 75 s, lost, won in 45 s; 4x4 C: won in 2:05.
  games_ = {game(false, 1, 75, GameResult::Won), game(false, 1, 20, GameResult::Lost),
            game(false, 1, 45, GameResult::Won), game(true, 3, 125, GameResult::Won)};
}

void HistoryTest::cleanup() {
  window_.reset();
  dir_.reset();
}

void HistoryTest::open_history(const std::function<void(FormDialog&)>& check) {
  window_ = std::make_unique<MainWindow>();
  window_->platform().message_hook = [this](const MessageBox& b) {
    boxes_.push_back(b);
    return Answer::Ok;
  };
  window_->start();
  window_->show();
  bool shown = false;
  window_->platform().form_hook = [&](Form& form, FormHandler& handler) {
    FormDialog dialog(form, handler, window_.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    shown = true;
    check(dialog);
  };
  window_->menu_action("mnuFileHistory")->trigger();
  QVERIFY(shown);
}

void HistoryTest::write_history(const std::vector<PlayedGame>& games) {
  QDir().mkpath(dir_->filePath(QStringLiteral("data/Zerdo")));
  QFile file(dir_->filePath(QStringLiteral("data/Zerdo/history")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  for (const PlayedGame& g : games) file.write(history_line(g).c_str());
}

void HistoryTest::table_and_charts_show_the_history_and_export_writes_it() {
  write_history(games_);
  const QString csv = dir_->filePath(QStringLiteral("export.csv"));
  open_history([&](FormDialog& dialog) {
    auto* table = qobject_cast<QTableWidget*>(dialog.widget("grdHistory"));
    QVERIFY(table);
    QVERIFY(table->isVisible());
    QCOMPARE(table->accessibleName(), QStringLiteral("Spiele je Bereich und Stufe"));
    QCOMPARE(table->columnCount(), 6);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->horizontalHeaderItem(4)->text(), QStringLiteral("Bestzeit"));
    const QStringList first{"3x3", "A", "3", "2", "0:45", "1:00"};
    const QStringList second{"4x4", "C", "1", "1", "2:05", "2:05"};
    for (int k = 0; k < 6; ++k) {
      QCOMPARE(table->item(0, k)->text(), first[k]);
      QCOMPARE(table->item(1, k)->text(), second[k]);
    }
    // Both charts drawn: the solve times in the colours of their levels.
    for (const char* name : {"picChart(0)", "picChart(1)"}) {
      QWidget* chart = dialog.widget(name);
      QVERIFY(chart);
      QVERIFY(!chart->accessibleName().isEmpty());
      QVERIFY(!table->geometry().intersects(chart->geometry()));
    }
    const QImage times = dialog.widget("picChart(0)")->grab().toImage();
    int level_a = 0;
    for (int y = 0; y < times.height(); ++y)
      for (int x = 0; x < times.width(); ++x)
        level_a += times.pixelColor(x, y) == QColor(31, 119, 180);
    QVERIFY2(level_a > 20, qPrintable(QString::number(level_a)));

    // Export: the save dialog names the file, which gets the games whole.
    std::vector<std::pair<FileDialogKind, std::string>> dialogs;
    window_->platform().file_hook = [&](FileDialogKind kind, const std::string&,
                                        const std::string& filter) {
      dialogs.emplace_back(kind, filter);
      return csv.toStdString();
    };
    QPushButton* export_button = dialog.button("cmdExport");
    QVERIFY(export_button && export_button->isEnabled());
    export_button->click();
    QVERIFY(dialog.isVisible());  // the window stays open
    QCOMPARE(dialogs.size(), std::size_t{1});
    QCOMPARE(dialogs[0].first, FileDialogKind::Save);
    QVERIFY(QString::fromStdString(dialogs[0].second).contains(QStringLiteral("*.csv")));
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().toStdString(), history_csv(games_));
    QVERIFY(boxes_.empty());

    // A file that cannot be written: a box says so, nothing else changes.
    window_->platform().file_hook = [&](FileDialogKind, const std::string&, const std::string&) {
      return dir_->filePath(QStringLiteral("missing/export.csv")).toStdString();
    };
    export_button->click();
    QCOMPARE(boxes_.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(boxes_[0].text).contains(QStringLiteral("missing/export.csv")));
    QCOMPARE(table->rowCount(), 2);
  });
}

void HistoryTest::no_history_says_no_games_yet() {
  open_history([&](FormDialog& dialog) {
    QVERIFY(!dialog.widget("grdHistory")->isVisible());
    QVERIFY(!dialog.widget("picChart(0)")->isVisible());
    QVERIFY(!dialog.button("cmdExport")->isEnabled());
    const Control* none = dialog.form().controls.find("lblNoGames");
    QVERIFY(none && none->visible);
    QVERIFY(QString::fromStdString(none->caption.value_or("")).startsWith("Noch keine Spiele"));
  });
  QVERIFY(boxes_.empty());
}

// No game won: the solve-time chart's words, longer than a line of the
// plot, are broken into lines inside the chart instead of running out of
// both its sides.
void HistoryTest::a_chart_without_figures_says_so_within_its_place() {
  write_history({game(false, 1, 20, GameResult::Lost)});
  open_history([&](FormDialog& dialog) {
    const QImage times = dialog.widget("picChart(0)")->grab().toImage();
    // The rows of the plot (below the title) with ink in them: the words
    // whole on two lines, not one line cut at both ends.
    int top = times.height(), bottom = 0;
    for (int y = 30; y < times.height(); ++y)
      for (int x = 0; x < times.width(); ++x)
        if (qGray(times.pixel(x, y)) < 110) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    QVERIFY2(bottom - top > 18, qPrintable(QStringLiteral("%1..%2").arg(top).arg(bottom)));
  });
}

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
