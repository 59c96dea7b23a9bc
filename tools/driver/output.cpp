#include "output.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace zerdo::driver {

std::string quote(std::string_view s) {
  std::string out = "\"";
  for (char ch : s) {
    switch (ch) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += ch;
    }
  }
  return out + "\"";
}

std::string control_fields(const Control& c) {
  std::string s = "left=" + std::to_string(c.left) + " top=" + std::to_string(c.top) +
                  " width=" + std::to_string(c.width) + " height=" + std::to_string(c.height) +
                  " visible=" + boolean(c.visible) + " enabled=" + boolean(c.enabled);
  s += " border=" + (c.border ? std::to_string(*c.border) : std::string("-"));
  s += " caption=" + (c.caption ? quote(*c.caption) : std::string("-"));
  s += " tooltip=" + quote(c.tooltip);
  return s;
}

std::string quoted_list(const std::vector<std::string>& items) {
  std::string s;
  for (const std::string& item : items) s += " " + quote(item);
  return s;
}

std::string chart_number(double v) {
  if (v == static_cast<double>(static_cast<long long>(v)))
    return std::to_string(static_cast<long long>(v));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

std::vector<std::string> chart_lines(const Chart& chart) {
  std::vector<std::string> out;
  out.push_back("title=" + quote(chart.title) + " x=" + quote(chart.x_label) +
                " y=" + quote(chart.y_label) +
                " unit=" + (chart.y_unit == ChartUnit::Seconds ? "seconds" : "count"));
  for (const ChartLine& line : chart.lines) {
    std::string s = "line " + quote(line.label) + " colour=" + std::to_string(line.colour) +
                    " marks=" + (line.squares ? "squares" : "dots") + ":";
    for (const ChartPoint& p : line.points) s += " " + chart_number(p.x) + "," + chart_number(p.y);
    out.push_back(s);
  }
  if (!chart.part_labels.empty()) out.push_back("parts:" + quoted_list(chart.part_labels));
  for (const ChartBar& bar : chart.bars) {
    std::string s = "bar " + quote(bar.label) + ":";
    for (const double part : bar.parts) s += " " + chart_number(part);
    out.push_back(s);
  }
  return out;
}

namespace {

// The driver's name of an enum value, from its names in the order of the
// enum's values.
template <class E, std::size_t N>
const char* name_of(E e, const std::array<const char*, N>& names) {
  const auto i = static_cast<std::size_t>(e);
  return i < N ? names[i] : "?";
}

constexpr std::array<const char*, 4> kAnswerNames{"ok", "yes", "no", "cancel"};
constexpr std::array<const char*, 2> kButtonsNames{"ok", "yesnocancel"};
constexpr std::array<const char*, 3> kIconNames{"none", "information", "exclamation"};
constexpr std::array<const char*, 3> kStateNames{"normal", "minimized", "maximized"};

}  // namespace

const char* answer_name(Answer a) { return name_of(a, kAnswerNames); }
const char* buttons_name(Buttons b) { return name_of(b, kButtonsNames); }
const char* icon_name(Icon i) { return name_of(i, kIconNames); }
const char* state_name(WindowState s) { return name_of(s, kStateNames); }

std::optional<std::int64_t> parse_seconds_ms(std::string_view s) {
  const auto dot = s.find('.');
  const std::string_view whole = s.substr(0, dot);
  const std::string_view frac =
      dot == std::string_view::npos ? std::string_view{} : s.substr(dot + 1);
  if ((whole.empty() && frac.empty()) || frac.size() > 3 ||
      (dot != std::string_view::npos && frac.empty() && whole.empty()))
    return std::nullopt;
  auto digits = [](std::string_view d) {
    for (char ch : d)
      if (ch < '0' || ch > '9') return false;
    return true;
  };
  if (!digits(whole) || !digits(frac) || whole.size() > 12) return std::nullopt;
  std::int64_t ms = 0;
  for (char ch : whole) ms = ms * 10 + (ch - '0');
  ms *= 1000;
  std::int64_t scale = 100;
  for (char ch : frac) ms += (ch - '0') * scale, scale /= 10;
  return ms;
}

std::optional<long> parse_long(std::string_view s) {
  long v = 0;
  const char* end = s.data() + s.size();
  auto [p, ec] = std::from_chars(s.data(), end, v);
  if (s.empty() || ec != std::errc() || p != end) return std::nullopt;
  return v;
}

}  // namespace zerdo::driver
