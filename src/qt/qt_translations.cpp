#include "qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "texts/texts.h"

namespace zerdo {

namespace {

// Qt's translation file for each language_code: German, English, Flemish.
constexpr const char* kQtLanguages[] = {"de", nullptr, "nl"};

}  // namespace

QtTranslations::~QtTranslations() {
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

bool QtTranslations::apply(int language_code) {
  const std::size_t code = language_index(language_code);
  if (code == applied_) return translator_ != nullptr || !kQtLanguages[code];
  applied_ = code;
  if (translator_) {
    QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
  }
  if (!kQtLanguages[code]) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + QLatin1String(kQtLanguages[code]),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
  return true;
}

}  // namespace zerdo
