#pragma once
#include <QTranslator>
#include <cstddef>
#include <memory>

namespace zerdo {

// Qt's own strings (the buttons of the boxes, the file dialogs, the context
// menu of text fields) in the game's language: German and Flemish load Qt's
// German and Dutch translations, English needs none.
class QtTranslations {
 public:
  QtTranslations() = default;
  ~QtTranslations();
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;

  // Puts the translation of language_code in force (a no-op when it already
  // is). Returns false when Qt has no translation installed for it.
  bool apply(int language_code);

 private:
  std::size_t applied_ = 3;  // none yet
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace zerdo
