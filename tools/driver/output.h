#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "play/platform.h"
#include "view/controls.h"

namespace zerdo::driver {

// How the driver writes values: strings in double quotes with \\ \" \r \n \t
// escaped, Booleans as true/false, missing values as "-".
std::string quote(std::string_view s);
inline const char* boolean(bool b) { return b ? "true" : "false"; }
std::string control_fields(const Control& c);
// Each string quoted, a blank before each: ` "a" "b"`.
std::string quoted_list(const std::vector<std::string>& items);
// A number of a chart: whole numbers without decimals, others as %g writes them.
std::string chart_number(double v);
// What a chart shows, line by line: `title="..." x="..." y="..." unit=count|seconds`,
// then `line "LABEL" colour=C marks=dots|squares: X,Y X,Y ...` per line, or
// `parts: "..." ...` and `bar "LABEL": P1 P2 ...` per bar.
std::vector<std::string> chart_lines(const Chart& chart);

const char* answer_name(Answer a);
const char* buttons_name(Buttons b);
const char* icon_name(Icon i);
const char* state_name(WindowState s);

// "12.3" -> 12300: seconds with at most three decimals, exact; nullopt for
// anything else (signs, exponents, more decimals, overflow).
std::optional<std::int64_t> parse_seconds_ms(std::string_view s);
// A whole decimal number with an optional minus sign.
std::optional<long> parse_long(std::string_view s);

}  // namespace zerdo::driver
