#include "ui/messages.h"

namespace zerdo {

std::string str_num(long long v) { return (v >= 0 ? " " : "") + std::to_string(v); }

std::string seconds_text(long long tenths) {
  const bool negative = tenths < 0;
  const long long a = negative ? -tenths : tenths;
  std::string s = a % 10 == 0 ? std::to_string(a / 10)
                              : (a >= 10 ? std::to_string(a / 10) : std::string()) + "." +
                                    std::to_string(a % 10);
  return negative ? "-" + s : s;
}

std::string status_line(int lang, std::string_view label, long moves, long long elapsed_tenths,
                        std::string_view info) {
  std::string s = "Zerdo : ";
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
