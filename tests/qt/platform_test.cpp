// The Qt platform's own pieces: the settings file and the file filters.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "qt/qt_platform.h"
#include "services/settings_store.h"

using namespace zerdo;

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void settings_round_trip_data();
  void settings_round_trip();
  void settings_live_in_the_user_config_file();
  void last_puzzle_folder_loses_left_over_temporaries_at_start();
  void file_filter_data();
  void file_filter();
};

void PlatformTest::settings_round_trip_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("value");
  QTest::newRow("blank in key") << "MinTime 1"
                                << "123";
  QTest::newRow("slash in key") << "a/b\\c"
                                << "x";
  QTest::newRow("percent in key") << "100%"
                                  << "x";
  QTest::newRow("empty value") << "User"
                               << "";
  QTest::newRow("blanks around") << "User"
                                 << "  Anna Maria ";
  QTest::newRow("comma") << "Holder"
                         << "Smith, John";
  QTest::newRow("semicolon and equals") << "Holder"
                                        << "a;b=c";
  QTest::newRow("at sign") << "Holder"
                           << "@Variant(x)";
  QTest::newRow("quotes and backslash") << "Holder"
                                        << "say \"hi\" \\o/";
  QTest::newRow("umlaut") << "Language" << QString::fromUtf8("Lösung ä ß");
}

void PlatformTest::settings_round_trip() {
  QFETCH(QString, key);
  QFETCH(QString, value);
  QTemporaryDir dir;
  const QString file = dir.filePath("Zerdo.conf");
  {
    SettingsStore writer(file);
    writer.save("Settings", key.toStdString(), value.toStdString());
    QVERIFY(writer.sync());
  }
  // Read back by a fresh store, so the text really went through the file.
  const SettingsStore reader(file);
  QCOMPARE(QString::fromStdString(reader.get("Settings", key.toStdString(), "default")), value);
  QCOMPARE(reader.get("Settings", "other", "default"), std::string("default"));
  QCOMPARE(reader.get("Other", key.toStdString(), "default"), std::string("default"));
}

void PlatformTest::settings_live_in_the_user_config_file() {
  QTemporaryDir dir;
  qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
  SettingsStore store;
  store.save("Settings", "StufeNr", "B3");
  store.sync();
  QCOMPARE(store.file_name(), dir.filePath("Zerdo/Zerdo.conf"));
  QFile f(store.file_name());
  QVERIFY(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  QVERIFY2(text.contains("[Settings]"), text.constData());
  QVERIFY2(text.contains("StufeNr=B3"), text.constData());
}

// A save cut short in an earlier run left its temporary beside the puzzle
// file: the game's start removes it from the folder of the last puzzle file.
void PlatformTest::last_puzzle_folder_loses_left_over_temporaries_at_start() {
  QTemporaryDir dir;
  qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
  QVERIFY(QDir(dir.path()).mkpath("Zerdo"));
  QVERIFY(QDir(dir.path()).mkpath("puzzles"));
  {
    QFile store(dir.filePath("Zerdo/Zerdo.conf"));
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write("[Settings]\nLastFolder=" + dir.filePath("puzzles").toUtf8() + "\n");
  }
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  QVERIFY(gone > 0);
  ::waitpid(gone, nullptr, 0);
  const QString left = dir.filePath(QStringLiteral("puzzles/.zerdo-%1-2.tmp").arg(gone));
  {
    QFile part(left);
    QVERIFY(part.open(QIODevice::WriteOnly));
  }
  const timespec hour_ago[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(left).constData(), hour_ago, 0), 0);
  const QtPlatform platform;
  QVERIFY(!QFile::exists(left));
}

void PlatformTest::file_filter_data() {
  QTest::addColumn<QString>("filter");
  QTest::addColumn<QString>("expected");
  QTest::newRow("pattern named") << "Zerdo (*.zdo)|*.zdo|Alle Dateien (*.*)|*.*"
                                 << "Zerdo (*.zdo);;Alle Dateien (*.*)";
  QTest::newRow("pattern not named") << "Zerdo|*.zdo"
                                     << "Zerdo (*.zdo)";
  QTest::newRow("several patterns") << "Bilder|*.bmp;*.gif"
                                    << "Bilder (*.bmp *.gif)";
  QTest::newRow("no description") << "|*.zdo"
                                  << "*.zdo (*.zdo)";
  QTest::newRow("pattern missing") << "Zerdo|"
                                   << "";
  QTest::newRow("odd count") << "Zerdo|*.zdo|Rest"
                             << "Zerdo (*.zdo)";
  QTest::newRow("empty") << ""
                         << "";
}

void PlatformTest::file_filter() {
  QFETCH(QString, filter);
  QFETCH(QString, expected);
  QCOMPARE(qt_file_filter(filter.toStdString()), expected);
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "platform_test.moc"
