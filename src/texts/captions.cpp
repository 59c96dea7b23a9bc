#include "texts/captions.h"

namespace zerdo {

Int language_code_of(std::string_view name) {
  for (std::size_t i = 0; i < kLanguageNames.size(); ++i)
    if (kLanguageNames[i] == name) return static_cast<Int>(i);
  return 0;
}

Int language_code_for_locale(std::string_view locale) {
  // The language is the part before the territory, the code set and the
  // modifier: "en" of "en_GB.UTF-8@euro".
  const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
  if (language == "en") return 1;
  if (language == "nl") return 2;
  return 0;
}

}  // namespace zerdo
