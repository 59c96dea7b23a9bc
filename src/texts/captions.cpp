#include "texts/captions.h"

namespace zerdo {

Int language_code_of(std::string_view name) {
  for (std::size_t i = 0; i < kLanguageNames.size(); ++i)
    if (kLanguageNames[i] == name) return static_cast<Int>(i);
  return 0;
}

}  // namespace zerdo
