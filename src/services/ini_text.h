#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <map>

namespace zerdo {

// The settings store's INI form, read and written in memory, byte for byte
// as QSettings reads and writes such a file (QSettings itself works only on
// files, so every read and write took a scratch file in a temporary folder).
//
// Keys are paths "section/key" as QSettings names them ("General" keys have
// no section); values are what QSettings' value() gives for them: a text, a
// list of texts (a value with commas outside quotes), or the typed value of
// an "@" form ("@ByteArray(...)", "@Invalid()", ...).
using IniValues = std::map<QString, QVariant>;

// Every key of the text. A line that is no section, key or comment is
// skipped, as QSettings skips it; a key given twice keeps its last value.
IniValues parse_ini(QByteArrayView text);

// The text of values as QSettings writes them to a new file: sections and
// the keys within each sorted by name, every value escaped and quoted as
// QSettings does, so that parse_ini (and QSettings) read them back.
QByteArray format_ini(const IniValues& values);

}  // namespace zerdo
