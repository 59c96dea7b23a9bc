#include "texts/messages.h"

#include "model/number_text.h"

namespace zerdo {

std::string status_line(int lang, std::string_view label, long moves, long long elapsed_tenths,
                        std::string_view info) {
  std::string s(msg::kStatusLead);
  s += label;
  s += in(msg::kMoveWord, lang);
  s += std::to_string(moves);
  if (moves > 0) {
    s += in(msg::kTimeWord, lang);
    s += (elapsed_tenths >= 0 ? " " : "") + seconds_text(elapsed_tenths);
    s += in(msg::kUnitWord, lang);
    s += info;
  }
  return s;
}

}  // namespace zerdo
