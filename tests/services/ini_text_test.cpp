// The store's INI text, read and written in memory, against QSettings itself:
// thousands of generated files read alike, and values written byte for byte
// alike, so stores written before and after stay one format.
#include "services/ini_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <random>
#include <string>

namespace zerdo {
namespace {

class IniText : public ::testing::Test {
 protected:
  // A fresh file name each time: QSettings keeps what it read by file name.
  QString next_file() { return dir.filePath(QString("s%1.conf").arg(++files)); }

  IniValues read_by_qsettings(const QByteArray& text) {
    const QString name = next_file();
    QFile f(name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    const QSettings ini(name, QSettings::IniFormat);
    IniValues out;
    for (const QString& key : ini.allKeys()) out[key] = key.isEmpty() ? QVariant() : ini.value(key);
    return out;
  }

  QByteArray written_by_qsettings(const IniValues& values) {
    const QString name = next_file();
    {
      QSettings ini(name, QSettings::IniFormat);
      for (const auto& [key, value] : values) ini.setValue(key, value);
    }
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unwritten>");
  }

  std::string piece(const std::vector<std::string>& pieces) {
    return pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
  }

  QTemporaryDir dir;
  int files = 0;
  std::mt19937 random{20261211};
};

std::string shown(const QByteArray& bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F && c != '\\') {
      out += c;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", u);
      out += hex;
    }
  }
  return out;
}

TEST_F(IniText, ReadsEveryGeneratedFileAsQSettingsDoes) {
  // Pieces of files as hand edits, other programs and older copies leave
  // them: sections, escapes, quotes over lines, lists, comments, "@" forms,
  // UTF-8 cut short, a byte-order mark.
  const std::vector<std::string> pieces = {"[Settings]\n",
                                           "[general]\n",
                                           "[%General]\n",
                                           "[a\\b]\n",
                                           "[x%2Fy]\n",
                                           "[open\n",
                                           "[ S ]",
                                           "Key",
                                           "MinTime%201",
                                           "key",
                                           "K%U00e4y",
                                           "%4",
                                           "%zz",
                                           "a\\b",
                                           " ",
                                           "\t",
                                           "=",
                                           "==",
                                           "\"",
                                           "\\",
                                           "\\\"",
                                           "\\\\",
                                           "\\n",
                                           "\\x41",
                                           "\\x",
                                           "\\x4g",
                                           "\\101",
                                           "\\8",
                                           "\\q",
                                           "\\\n",
                                           "\\\r\n",
                                           ",",
                                           ", ",
                                           ";",
                                           "; note\n",
                                           "\n",
                                           "\r\n",
                                           "\r",
                                           "\n\r",
                                           "abc",
                                           "J\xc3\xb6rg",
                                           "\xc3",
                                           "\xff",
                                           "\xef\xbb\xbf",
                                           "@",
                                           "@@",
                                           "@ByteArray(",
                                           "@ByteArray(x)",
                                           "@Invalid()",
                                           "@Rect(1 2 3 4)",
                                           "@Size(5 6)",
                                           "@Point(7 8)",
                                           "@Size(1)",
                                           "@String(a)",
                                           "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)",
                                           "@Variant(zz)",
                                           "@DateTime(\\0)",
                                           ")",
                                           "1",
                                           "-5",
                                           "true"};
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int count = std::uniform_int_distribution<int>(1, 24)(random);
    for (int i = 0; i < count; ++i) text += piece(pieces);
    const QByteArray bytes = QByteArray::fromStdString(text);
    IniValues mine = parse_ini(bytes);
    IniValues theirs = read_by_qsettings(bytes);
    // A key with an empty part ("", "a//b", "/a") cannot be asked for or
    // written by name in QSettings, which gives it no value; in memory it
    // keeps its own.
    bool unnamed = false;
    for (IniValues* values : {&mine, &theirs})
      for (auto it = values->begin(); it != values->end();) {
        const QString& k = it->first;
        const bool part_empty =
            k.isEmpty() || k.startsWith('/') || k.endsWith('/') || k.contains("//");
        unnamed = unnamed || part_empty;
        it = part_empty ? values->erase(it) : std::next(it);
      }
    ASSERT_EQ(mine.size(), theirs.size()) << shown(bytes);
    for (auto a = mine.begin(), b = theirs.begin(); a != mine.end(); ++a, ++b) {
      ASSERT_EQ(a->first, b->first) << shown(bytes);
      ASSERT_EQ(a->second.metaType(), b->second.metaType())
          << shown(bytes) << " key " << a->first.toStdString();
      ASSERT_TRUE(a->second == b->second || !a->second.isValid())
          << shown(bytes) << " key " << a->first.toStdString();
    }
    // What a write makes of them is QSettings' text as well (QSettings
    // writes no file for no keys).
    if (round % 8 == 0 && !theirs.empty() && !unnamed) {
      ASSERT_EQ(shown(format_ini(mine)), shown(written_by_qsettings(theirs))) << shown(bytes);
    }
  }
}

TEST_F(IniText, WritesEveryGeneratedValueAsQSettingsDoesAndReadsItBack) {
  const std::vector<std::string> key_pieces = {
      "a",       "Z",        "0", " ", "%", "\\", ".", "-", "_", "\xc3\xa4", "\xe2\x82\xac",
      "general", "MinTime 1"};
  const std::vector<std::string> value_pieces = {"a",
                                                 "Z",
                                                 "0",
                                                 "f",
                                                 " ",
                                                 "\t",
                                                 "\n",
                                                 "\r",
                                                 std::string(1, '\0'),
                                                 "\"",
                                                 "\\",
                                                 ",",
                                                 ";",
                                                 "=",
                                                 "@",
                                                 "\xc3\xa4",
                                                 "\xe2\x82\xac",
                                                 "\xf0\x9f\x98\x80",
                                                 "\x01",
                                                 "\x7f",
                                                 "@@",
                                                 "@Invalid()",
                                                 "@ByteArray(",
                                                 "x)",
                                                 ""};
  auto text = [&](const std::vector<std::string>& pieces, int most) {
    std::string s;
    const int count = std::uniform_int_distribution<int>(0, most)(random);
    for (int i = 0; i < count; ++i) s += piece(pieces);
    return QString::fromStdString(s);
  };
  for (int round = 0; round < 400; ++round) {
    IniValues values;
    const int count = std::uniform_int_distribution<int>(1, 6)(random);
    for (int i = 0; i < count; ++i) {
      QString key = text(key_pieces, 3);
      const QString section = text(key_pieces, 2);
      if (key.isEmpty()) key = "k";
      values[section.isEmpty() ? key : section + "/" + key] = text(value_pieces, 8);
    }
    const QByteArray mine = format_ini(values);
    ASSERT_EQ(shown(mine), shown(written_by_qsettings(values)));
    const IniValues back = parse_ini(mine);
    for (const auto& [key, value] : values) {
      // A section named "general" comes back as "General", in QSettings too.
      if (key.section('/', 0, 0).compare("general", Qt::CaseInsensitive) == 0) continue;
      ASSERT_TRUE(back.count(key)) << shown(mine);
      ASSERT_EQ(back.at(key).toString(), value.toString()) << shown(mine);
    }
  }
}

}  // namespace
}  // namespace zerdo
