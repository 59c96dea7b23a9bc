#include "texts/messages.h"

#include "model/number_text.h"

namespace zerdo {

std::string internal_error_text(long a, long b) {
  return std::string(msg::kInternalError) + str_num(a) + std::string(msg::kInternalErrorAt) +
         str_num(b) + std::string(msg::kInternalErrorEnd);
}

std::string levels_error_text(long level, long levels) {
  return std::string(msg::kLevelsLead) + str_num(level) + std::string(msg::kLevelsMiddle) +
         str_num(levels) + std::string(msg::kLevelsEnd);
}

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
