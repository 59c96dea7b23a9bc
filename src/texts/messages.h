#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/number_text.h"

namespace zerdo {

// A text in the three languages, indexed by language_code: 0 German,
// 1 English, 2 Flemish.
using Texts = std::array<std::string_view, 3>;

// The table index of language code lang: 0..2, German for any other code.
constexpr std::size_t language_index(int lang) {
  return lang >= 0 && lang <= 2 ? static_cast<std::size_t>(lang) : 0;
}

// The text of language code lang; German for a code outside 0..2.
inline std::string_view in(const Texts& t, int lang) { return t[language_index(lang)]; }

namespace msg {

constexpr std::string_view kTitle = "Zerdo";

// Judging a full board.
constexpr Texts kPraise1{"!! Sehr gut : gewonnen und nur",
                         "!! Very good : you won and you've drawn only",
                         "!! Zeer goed : je hebt gewonnen en maar"};
constexpr Texts kPraise2{" mal gezogen!!", " times!!", " keer getrokken!!"};
constexpr Texts kMore1{"!! Richtig, aber mehr als", "!! OK, but you did draw more then",
                       "!! Goed, maar je hebt meer als"};
constexpr Texts kMore2{" mal gezogen !! (", " times!! (", " keer getrokken!! ("};
constexpr Texts kMore3{" mal)", " times)", " keren)"};
constexpr Texts kWrong1{"Soll angezeigt werden welche verkehrt sind? (", "Show the wrong ones? (",
                        "De verkeerde laten zien? ("};
constexpr Texts kWrongTitle{"Leider nicht richtig.", "Sorry", "Spijtig"};

// The solution window.
constexpr Texts kSolutionWrong{" Fehler", " Wrong", " Vals"};
constexpr Texts kSolutionCaption{"Zerdo Lösung", "Zerdo Solution", "Zerdo Oplossing"};
constexpr Texts kSolutionFrame{"Spielfeld", "Field", "Veld"};

// The status line.
constexpr Texts kMoveWord{"        Zug ", "        move ", "        trek "};
constexpr Texts kTimeWord{"        Spielzeit: ", "        runtime: ", "        speeltijd: "};
constexpr Texts kUnitWord{" Sekunden  ", " Seconds  ", " Sekonden  "};

}  // namespace msg

// The status line of panel 1 for a game at label with moves moves, elapsed
// tenths of a second of play time and info appended.
std::string status_line(int lang, std::string_view label, long moves, long long elapsed_tenths,
                        std::string_view info);

}  // namespace zerdo
