#pragma once
#include <string>
#include <string_view>

#include "texts/texts.h"

namespace zerdo {

// The words of a message box: its title and its text.
struct MessageText {
  std::string title;
  std::string text;
};

// One line of a window as a screen reader tells it: what it is ("Level A")
// and what it says ("83.4 seconds, Anna").
struct ReaderLine {
  std::string name;
  std::string description;
};

// Message boxes and the status line.
namespace msg {

// The title of the game's own message boxes.
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
constexpr std::string_view kWrong2 = ")";  // after the number of wrong fields
constexpr Texts kWrongTitle{"Leider nicht richtig.", "Sorry", "Spijtig"};

// The hint, after the status line: kHintGap, then kHintLead, the piece, and
// kHintBelongs with the field and the deciding cards (kHintCard or
// kHintCards, the numbers, ")") or kHintOneOfSeveral; or kHintOnField with
// the field and kHintIsWrong; or kHintNone alone.
constexpr std::string_view kHintGap = "        ";
constexpr Texts kHintLead{"Hinweis: ", "Hint: ", "Hint: "};
constexpr Texts kHintBelongs{" gehört auf Feld ", " belongs on field ", " hoort op veld "};
constexpr Texts kHintCard{" (Karte ", " (card ", " (kaart "};
constexpr Texts kHintCards{" (Karten ", " (cards ", " (kaarten "};
constexpr Texts kHintOneOfSeveral{" (eine von mehreren Lösungen)", " (one of several answers)",
                                  " (een van meerdere oplossingen)"};
constexpr Texts kHintOnField{" auf Feld ", " on field ", " op veld "};
constexpr Texts kHintIsWrong{" ist falsch", " is wrong", " is fout"};
constexpr Texts kHintNone{"Hinweis: nichts zu zeigen", "Hint: nothing to show",
                          "Hint: niets te tonen"};
// After the time of a game in which a hint was shown.
constexpr Texts kHintUsed{"(Hinweis benutzt: keine Bestzeit)", "(hint used: no best time)",
                          "(hint gebruikt: geen beste tijd)"};

// Internal errors, the same in every language. A failed consistency check of
// the generator: kInternalError, a, kInternalErrorAt, b, kInternalErrorEnd.
constexpr std::string_view kInternalError = "!! Internal error";
constexpr std::string_view kInternalErrorAt = " bei";
constexpr std::string_view kInternalErrorEnd = "!!";
// A level beyond the last one: kLevelsLead, the level, kLevelsMiddle, the
// number of levels, kLevelsEnd.
constexpr std::string_view kLevelsLead = "Interner Fehler : Anzahl Stufen (";
constexpr std::string_view kLevelsMiddle = ") zu gross (max=";
constexpr std::string_view kLevelsEnd = ")";

// The status line: kStatusLead, the puzzle, the move word and the moves; after
// the first move the time word, the seconds, the unit word and the info.
constexpr std::string_view kStatusLead = "Zerdo : ";
constexpr Texts kMoveWord{"        Zug ", "        move ", "        trek "};
constexpr Texts kTimeWord{"        Spielzeit: ", "        runtime: ", "        speeltijd: "};
constexpr Texts kUnitWord{" Sekunden  ", " Seconds  ", " Sekonden  "};

}  // namespace msg

// The texts of the internal errors, each number written by str_num: a failed
// check (a, b) of the generator, and a level beyond the last of levels.
std::string internal_error_text(long a, long b);
std::string levels_error_text(long level, long levels);

// The status line of panel 1 for a game at label with moves moves, elapsed
// tenths of a second of play time and info appended.
std::string status_line(int lang, std::string_view label, long moves, long long elapsed_tenths,
                        std::string_view info);

}  // namespace zerdo
