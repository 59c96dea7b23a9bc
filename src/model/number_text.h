#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zerdo {

// A number as messages show it: a leading blank when not negative, a minus
// sign otherwise (" 9", "-3").
std::string str_num(long long v);
// Tenths of a second as seconds: whole seconds when the tenths are 0, else one
// decimal, no leading zero below one second ("12", "12.3", ".5", "0").
std::string seconds_text(long long tenths);
// Seconds of play as a clock reads them: "m:ss" below an hour, "h:mm:ss"
// from one ("0:42", "12:05", "1:02:03"); a negative count reads "0:00".
std::string play_time_text(long long seconds);

// Parses a stored whole number: optional blanks, an optional sign and
// decimal digits, within lo..hi. Anything else is nullopt, so that the caller
// treats the key as missing.
std::optional<long long> parse_stored_number(std::string_view text, long long lo, long long hi);

}  // namespace zerdo
