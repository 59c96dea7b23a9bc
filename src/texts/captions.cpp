#include "texts/captions.h"

namespace zerdo {

Int language_code_of(std::string_view name) {
  for (std::size_t i = 0; i < kLanguageNames.size(); ++i)
    if (kLanguageNames[i] == name) return static_cast<Int>(i);
  return 0;
}

std::string_view menu_caption(std::string_view control, int lang) {
  for (const CaptionRow& row : kMenuCaptions)
    if (row.control == control) return in(row.text, lang);
  for (const FixedCaptionRow& row : kFixedMenuCaptions)
    if (row.control == control) return row.text;
  return {};
}

}  // namespace zerdo
