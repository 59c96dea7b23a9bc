#include "qt/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "model/version.h"
#include "records/records.h"
#include "records/settings_table.h"
#include "services/settings_store.h"
#include "texts/captions.h"
#include "texts/command_line.h"

namespace zerdo {

namespace {

// The options QApplication itself reads: each with a value, then the flags.
constexpr const char* kQtValueOptions[] = {"platform",        "platformpluginpath",
                                           "platformtheme",   "plugin",
                                           "qwindowgeometry", "qwindowicon",
                                           "qwindowtitle",    "style",
                                           "stylesheet",      "session",
                                           "display",         "name",
                                           "geometry",        "title"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString text(const Texts& t, int lang) {
  const std::string_view s = in(t, lang);
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

CommandLine read_command_line(const QStringList& args, const std::function<int()>& language) {
  QCommandLineParser parser;
  // "-platform xcb" is one option of Qt's, not the flags p, l, a, ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
  parser.addOption(help);
  parser.addOption(version);
  for (const char* name : kQtValueOptions)
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("v")));
  for (const char* name : kQtFlags) parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

  CommandLine cl;
  const bool parsed = parser.parse(args);
  if (!parsed || parser.positionalArguments().size() > 1) {
    const int lang = language();
    cl.run = false;
    cl.exit_code = 2;
    cl.err = QStringLiteral("zerdo: ");
    if (!parser.unknownOptionNames().isEmpty()) {
      const QString name = parser.unknownOptionNames().constFirst();
      cl.err += text(kUnknownOption, lang) +
                (name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-")) + name;
    } else if (parsed)
      cl.err += text(kOneFileOnly, lang);
    else
      cl.err += parser.errorText();  // an option of Qt's without its value
    cl.err += QLatin1Char('\n') + text(kTryHelp, lang) + QLatin1Char('\n');
    return cl;
  }
  if (parser.isSet(help)) {
    cl.run = false;
    cl.out = text(kCommandLineHelp, language());
    return cl;
  }
  if (parser.isSet(version)) {
    cl.run = false;
    // As GNU programs answer: the release, the copyright and the licence.
    cl.out = QStringLiteral(
                 "Zerdo %1\n"
                 "Copyright (C) 2026 The Zerdo developers\n"
                 "License MIT: <https://opensource.org/licenses/MIT>\n"
                 "This is free software: you are free to change and redistribute it.\n"
                 "There is NO WARRANTY, to the extent permitted by law.\n")
                 .arg(QString::fromUtf8(kRelease.data(), static_cast<qsizetype>(kRelease.size())));
    return cl;
  }
  if (!parser.positionalArguments().isEmpty()) {
    const QString file = parser.positionalArguments().constFirst();
    cl.file = QFileInfo(file).absoluteFilePath();
    cl.file_argument = static_cast<int>(args.lastIndexOf(file));
  }
  return cl;
}

int stored_language_code() {
  const SettingsStore store;
  const SettingRow& language = setting_row(Setting::Language);
  const std::string first_language(in(kLanguageNames, language_code_for_locale(message_locale())));
  return language_code_of(
      store.get(std::string(kStoreSection), std::string(language.key), first_language));
}

std::string message_locale() {
  // The first of these that is set and not empty names the locale for
  // messages, as for every program of the system.
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray value = qgetenv(name);
    if (!value.isEmpty()) return value.toStdString();
  }
  return {};
}

}  // namespace zerdo
