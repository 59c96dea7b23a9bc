#include "model/number_text.h"

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

std::string play_time_text(long long seconds) {
  if (seconds < 0) seconds = 0;
  const auto two = [](long long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  const long long h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
  return h > 0 ? std::to_string(h) + ":" + two(m) + ":" + two(s) : std::to_string(m) + ":" + two(s);
}

std::optional<long long> parse_stored_number(std::string_view text, long long lo, long long hi) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 12) return std::nullopt;  // 12 digits are far beyond any key
  long long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (negative) v = -v;
  if (v < lo || v > hi) return std::nullopt;
  return v;
}

}  // namespace zerdo
