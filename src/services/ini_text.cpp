#include "services/ini_text.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <vector>

namespace zerdo {

namespace {

// --- reading -------------------------------------------------------------

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool ends_run(char c) {
  return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

// One line of the text from pos on: where it starts, how long it is, and
// where its first "=" outside quotes stands (-1: none). A quoted value and a
// backslash before the line end carry it over to the next line; a ";" at its
// start makes a comment, which is skipped, and anywhere else outside quotes
// ends the line. False at the end of the text.
struct Line {
  qsizetype start = 0, length = 0, equals = -1;
};

bool next_line(QByteArrayView text, qsizetype& pos, Line& line) {
  const qsizetype size = text.size();
  bool quoted = false;
  line.equals = -1;
  qsizetype start = pos;
  while (start < size && is_blank(text[start])) ++start;
  qsizetype i = start;
  while (i < size) {
    const char c = text[i++];
    if (!ends_run(c)) continue;
    if (c == '=') {
      if (!quoted && line.equals == -1) line.equals = i - 1;
    } else if (c == '\n' || c == '\r') {
      if (i == start + 1) {
        ++start;
      } else if (!quoted) {
        --i;
        break;
      }
    } else if (c == '\\') {
      if (i < size) {
        const char escaped = text[i++];
        if (i < size) {
          const char after = text[i];
          if ((escaped == '\n' && after == '\r') || (escaped == '\r' && after == '\n')) ++i;
        }
      }
    } else if (c == '"') {
      quoted = !quoted;
    } else if (i == start + 1) {  // ';' at the start: a comment
      while (i < size && text[i] != '\n' && text[i] != '\r') ++i;
      while (i < size && is_blank(text[i])) ++i;
      start = i;
    } else if (!quoted) {  // ';' further on ends the line
      --i;
      break;
    }
  }
  pos = i;
  line.start = start;
  line.length = i - start;
  return line.length > 0;
}

// A key or section name of the file: "\" stands for "/", "%XX" and
// "%UXXXX" for the character of that hexadecimal code.
QString unescaped_key(QByteArrayView bytes) {
  const QString text = QString::fromUtf8(bytes);
  QString out;
  out.reserve(text.size());
  qsizetype i = 0;
  while (i < text.size()) {
    const QChar c = text.at(i);
    if (c == u'\\') {
      out += u'/';
      ++i;
      continue;
    }
    if (c != u'%' || i == text.size() - 1) {
      out += c;
      ++i;
      continue;
    }
    qsizetype first = i + 1;
    qsizetype digits = 2;
    if (text.at(first) == u'U') {
      ++first;
      digits = 4;
    }
    bool ok = false;
    const ushort code = first + digits <= text.size()
                            ? QStringView(text).sliced(first, digits).toUShort(&ok, 16)
                            : 0;
    if (!ok) {
      out += u'%';
      ++i;
      continue;
    }
    out += QChar(code);
    i = first + digits;
  }
  return out;
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void chop_trailing_blanks(QString& s, qsizetype limit) {
  while (s.size() > limit && (s.back() == u' ' || s.back() == u'\t')) s.chop(1);
}

// The text of a value: quotes keep blanks, commas and semicolons; a
// backslash starts an escape (C's, "\xHH..." and octal); blanks around an
// unquoted text are dropped. A comma outside quotes makes a list.
struct ValueText {
  QString text;
  QStringList list;
  bool is_list = false;
};

ValueText unescaped_value(QByteArrayView bytes) {
  static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                         {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                         {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
  ValueText v;
  QString& out = v.text;
  QStringDecoder utf8(QStringDecoder::Utf8);  // kept across runs, as one stream
  bool in_quotes = false;
  bool item_quoted = false;
  const qsizetype size = bytes.size();
  qsizetype i = 0;
  auto skip_blanks = [&] {
    while (i < size && (bytes[i] == ' ' || bytes[i] == '\t')) ++i;
  };
  // A numeric escape from i on: digits of base (8 or 16) while there are
  // any, the code kept to 16 bits.
  auto numeric_escape = [&](char16_t code, int base) {
    while (i < size) {
      const int d = base == 16                             ? hex_value(bytes[i])
                    : (bytes[i] >= '0' && bytes[i] <= '7') ? bytes[i] - '0'
                                                           : -1;
      if (d < 0) break;
      code = static_cast<char16_t>(code * base + d);
      ++i;
    }
    out += QChar(code);
  };

  skip_blanks();
  qsizetype chop_limit = 0;
  bool cut_short = false;  // the text ends inside an escape: its blanks stay
  while (i < size) {
    const char c = bytes[i];
    if (c == '\\') {
      ++i;
      if (i >= size) {
        cut_short = true;
        break;
      }
      const char e = bytes[i++];
      bool simple = false;
      for (const auto& pair : kEscapes)
        if (e == pair[0]) {
          out += QLatin1Char(pair[1]);
          simple = true;
          break;
        }
      if (simple) {
        chop_limit = out.size();
        continue;
      }
      if (e == 'x') {
        if (i >= size) {
          cut_short = true;
          break;
        }
        if (hex_value(bytes[i]) >= 0) {
          numeric_escape(0, 16);
          chop_limit = out.size();
          continue;
        }
      } else if (e >= '0' && e <= '7') {
        numeric_escape(static_cast<char16_t>(e - '0'), 8);
        chop_limit = out.size();
        continue;
      } else if ((e == '\n' || e == '\r') && i < size) {
        const char after = bytes[i];
        if ((after == '\n' || after == '\r') && after != e) ++i;
      }
      chop_limit = out.size();
    } else if (c == '"') {
      ++i;
      item_quoted = true;
      in_quotes = !in_quotes;
      if (!in_quotes) {
        skip_blanks();
        chop_limit = out.size();
      }
    } else if (c == ',' && !in_quotes) {
      if (!item_quoted) chop_trailing_blanks(out, chop_limit);
      if (!v.is_list) {
        v.is_list = true;
        v.list.clear();
      }
      v.list.append(out);
      out.clear();
      item_quoted = false;
      ++i;
      skip_blanks();
      chop_limit = 0;
    } else {
      qsizetype j = i + 1;
      while (j < size && bytes[j] != '\\' && bytes[j] != '"' && bytes[j] != ',') ++j;
      out += utf8(bytes.sliced(i, j - i));
      i = j;
    }
  }
  if (!cut_short && !item_quoted) chop_trailing_blanks(out, chop_limit);
  if (v.is_list) v.list.append(out);
  return v;
}

// The "@" forms of a text read from the file.
QStringList split_arguments(const QString& s, qsizetype open) {
  QStringList args;
  QString item;
  for (qsizetype i = open + 1; i < s.size(); ++i) {
    const QChar c = s.at(i);
    if (c == u')') {
      args.append(item);
    } else if (c == u' ') {
      args.append(item);
      item.clear();
    } else {
      item.append(c);
    }
  }
  return args;
}

QVariant streamed(const QString& s, qsizetype offset, QDataStream::Version version) {
  QByteArray bytes = QStringView(s).sliced(offset).toLatin1();
  QDataStream stream(&bytes, QIODevice::ReadOnly);
  stream.setVersion(version);
  QVariant v;
  stream >> v;
  return v;
}

QVariant value_of_text(const QString& s) {
  if (!s.startsWith(u'@')) return s;
  if (s.endsWith(u')')) {
    if (s.startsWith(QLatin1String("@ByteArray(")))
      return QStringView(s).sliced(11).chopped(1).toLatin1();
    if (s.startsWith(QLatin1String("@String(")))
      return QStringView(s).sliced(8).chopped(1).toString();
    if (s.startsWith(QLatin1String("@Variant("))) return streamed(s, 9, QDataStream::Qt_4_0);
    if (s.startsWith(QLatin1String("@DateTime("))) return streamed(s, 10, QDataStream::Qt_5_6);
    if (s.startsWith(QLatin1String("@Rect("))) {
      const QStringList a = split_arguments(s, 5);
      if (a.size() == 4) return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
    } else if (s.startsWith(QLatin1String("@Size("))) {
      const QStringList a = split_arguments(s, 5);
      if (a.size() == 2) return QSize(a[0].toInt(), a[1].toInt());
    } else if (s.startsWith(QLatin1String("@Point("))) {
      const QStringList a = split_arguments(s, 6);
      if (a.size() == 2) return QPoint(a[0].toInt(), a[1].toInt());
    } else if (s == QLatin1String("@Invalid()")) {
      return QVariant();
    }
  }
  if (s.startsWith(QLatin1String("@@"))) return s.sliced(1);
  return s;
}

// A list stays a list of texts unless an item has an "@" form: then every
// item is read as a value.
QVariant value_of_list(const QStringList& items) {
  QStringList texts = items;
  for (QString& item : texts) {
    if (!item.startsWith(u'@')) continue;
    if (item.size() < 2 || item.at(1) != u'@') {
      QVariantList values;
      for (const QString& s : items) values.append(value_of_text(s));
      return values;
    }
    item.remove(0, 1);
  }
  return texts;
}

// The keys of one section's lines.
void read_section(const QString& prefix, QByteArrayView text, IniValues& out) {
  qsizetype pos = 0;
  Line line;
  while (next_line(text, pos, line)) {
    if (line.equals < 0) continue;
    const QByteArrayView key = text.sliced(line.start, line.equals - line.start).trimmed();
    const QByteArrayView value =
        text.sliced(line.equals + 1, line.start + line.length - line.equals - 1);
    const ValueText v = unescaped_value(value);
    out[prefix + unescaped_key(key)] = v.is_list ? value_of_list(v.list) : value_of_text(v.text);
  }
}

// --- writing -------------------------------------------------------------

constexpr char kHex[] = "0123456789ABCDEF";

void append_key(const QString& key, QByteArray& out) {
  for (const QChar qc : key) {
    const char16_t c = qc.unicode();
    if (c == u'/') {
      out += '\\';
    } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'_' || c == u'-' || c == u'.') {
      out += static_cast<char>(c);
    } else if (c <= 0xFF) {
      out += '%';
      out += kHex[c / 16];
      out += kHex[c % 16];
    } else {
      out += "%U";
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
    }
  }
}

bool is_hex_digit(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

void append_text(const QString& s, QByteArray& out) {
  const bool as_utf8 =
      !(s.startsWith(QLatin1String("@ByteArray(")) || s.startsWith(QLatin1String("@Variant(")) ||
        s.startsWith(QLatin1String("@DateTime(")));
  QStringEncoder utf8(QStringEncoder::Utf8);  // one stream: a pair of surrogates stays one
  const qsizetype start = out.size();
  bool needs_quotes = false;
  bool hex_follows = false;  // a hex digit after a numeric escape is escaped too
  for (const QChar qc : s) {
    const char16_t c = qc.unicode();
    if (c == u';' || c == u',' || c == u'=') needs_quotes = true;
    if (hex_follows && is_hex_digit(c)) {
      out += "\\x" + QByteArray::number(c, 16);
      continue;
    }
    hex_follows = false;
    switch (c) {
      case u'\0':
        out += "\\0";
        hex_follows = true;
        break;
      case u'\a':
        out += "\\a";
        break;
      case u'\b':
        out += "\\b";
        break;
      case u'\f':
        out += "\\f";
        break;
      case u'\n':
        out += "\\n";
        break;
      case u'\r':
        out += "\\r";
        break;
      case u'\t':
        out += "\\t";
        break;
      case u'\v':
        out += "\\v";
        break;
      case u'"':
      case u'\\':
        out += '\\';
        out += static_cast<char>(c);
        break;
      default:
        if (c <= 0x1F || (c >= 0x7F && !as_utf8)) {
          out += "\\x" + QByteArray::number(c, 16);
          hex_follows = true;
        } else if (as_utf8) {
          out += utf8(QStringView(&qc, 1));
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  if (needs_quotes || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
    out.insert(start, '"');
    out += '"';
  }
}

QString streamed_text(const QVariant& v, const char* form, QDataStream::Version version) {
  QByteArray bytes;
  {
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(version);
    stream << v;
  }
  return QLatin1String(form) + QLatin1String(bytes.constData(), bytes.size()) + u')';
}

QString text_of_value(const QVariant& v) {
  switch (v.metaType().id()) {
    case QMetaType::UnknownType:
      return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: {
      const QByteArray a = v.toByteArray();
      return QLatin1String("@ByteArray(") + QLatin1String(a.constData(), a.size()) + u')';
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Float:
    case QMetaType::Double: {
      QString s = v.toString();
      if (s.contains(QChar::Null)) return QLatin1String("@String(") + s + u')';
      if (s.startsWith(u'@')) s.prepend(u'@');
      return s;
    }
    case QMetaType::QRect: {
      const QRect r = v.toRect();
      return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
      const QSize z = v.toSize();
      return QString::asprintf("@Size(%d %d)", z.width(), z.height());
    }
    case QMetaType::QPoint: {
      const QPoint p = v.toPoint();
      return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    case QMetaType::QDateTime:
      return streamed_text(v, "@DateTime(", QDataStream::Qt_5_6);
    default:
      return streamed_text(v, "@Variant(", QDataStream::Qt_4_0);
  }
}

void append_value(const QVariant& v, QByteArray& out) {
  const int type = v.metaType().id();
  if (type == QMetaType::QStringList ||
      (type == QMetaType::QVariantList && v.toList().size() != 1)) {
    const QVariantList items = v.toList();
    if (items.isEmpty()) {
      out += "@Invalid()";  // an empty list
      return;
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
      if (i != 0) out += ", ";
      append_text(text_of_value(items[i]), out);
    }
    return;
  }
  append_text(text_of_value(v), out);
}

}  // namespace

IniValues parse_ini(QByteArrayView text) {
  if (text.startsWith("\xef\xbb\xbf")) text = text.sliced(3);
  // The lines of each section, gathered in file order (a section given twice
  // has the lines of both), then read section by section in name order.
  std::map<QString, QByteArray> sections;
  QString section;
  qsizetype section_start = 0;
  qsizetype pos = 0;
  Line line;
  auto close_section = [&](qsizetype end) {
    QByteArray& lines = sections[section];
    if (!lines.isEmpty()) lines.append('\n');
    lines += text.sliced(section_start, end - section_start);
  };
  while (next_line(text, pos, line)) {
    const QByteArrayView l = text.sliced(line.start, line.length);
    if (!l.startsWith('[')) continue;
    close_section(line.start);
    qsizetype close = l.indexOf(']');
    if (close < 0) close = l.size();
    const QByteArrayView name = l.sliced(1, close - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0) {
      section.clear();
    } else {
      section = name.compare("%general", Qt::CaseInsensitive) == 0
                    ? QString::fromLatin1(name.sliced(1))
                    : unescaped_key(name);
      section += u'/';
    }
    section_start = pos;
  }
  close_section(text.size());
  IniValues out;
  for (const auto& [prefix, lines] : sections) read_section(prefix, lines, out);
  return out;
}

QByteArray format_ini(const IniValues& values) {
  std::map<QString, std::vector<std::pair<QString, const QVariant*>>> sections;
  for (const auto& [path, value] : values) {
    const qsizetype slash = path.indexOf(u'/');
    if (slash < 0)
      sections[QString()].emplace_back(path, &value);
    else
      sections[path.left(slash)].emplace_back(path.mid(slash + 1), &value);
  }
  QByteArray out;
  for (auto& [name, keys] : sections) {
    if (!out.isEmpty()) out += '\n';
    QByteArray head;
    append_key(name, head);
    if (head.isEmpty())
      out += "[General]";
    else if (head.compare("general", Qt::CaseInsensitive) == 0)
      out += "[%General]";
    else
      out += '[' + head + ']';
    out += '\n';
    std::sort(keys.begin(), keys.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [key, value] : keys) {
      append_key(key, out);
      out += '=';
      append_value(*value, out);
      out += '\n';
    }
  }
  return out;
}

}  // namespace zerdo
