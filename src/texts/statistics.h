#pragma once
#include "texts/texts.h"

namespace zerdo {

// The tip of the day and the statistics of one board range.
namespace tip_words {
// clang-format off
// The verdict on the player.
constexpr Texts kNoTip{"Leider kein Tip", "Sorry, no tip", "Spijtig, geen tip"};
constexpr Texts kNeverLost{
    "Du verlierst nicht gerne, oder?",
    "You're not a looser, aren't you?",
    "Jij bent geen verliezer, he?"};
constexpr Texts kYouWillLose{
    "Irgendwann verlierst auch Du!",
    "Sometime you'll loose also!",
    "Ook jij komt er nogwel eens aan!"};
constexpr Texts kWarning{
    "Ich warne Dich. Irgendwann verlierst auch Du!",
    "I warn you. You cannot win forever!",
    "Waarschuwing: je kan niet ewig blijven winnen!"};
constexpr Texts kChampion{
    "Du bist der absolute Champion.",
    "You're the absolute Champ.",
    "Je bent de absolute kampioen."};
constexpr Texts kPlayer{
    "Du bist eine Spielernatur, und gibts nicht schnell auf.",
    "You're a gambler, and don't giveup that fast.",
    "Je bent een spelernatuur, en je geeft niet alte vlug op."};
constexpr Texts kEagerPlayer{
    "Du bist eine echte Spielernatur, und musst aber noch viel lernen.",
    "You're a natural gambler, and you have to learn a lot.",
    "Je bent een spelernatuur, en je hebt nog veel te leren."};
constexpr Texts kRealChampion{
    "In Dir steckt ein Champion, aber: Du darfst als wahre Champion nie verlieren!",
    "You're a real champion, but: a real champion never looses!",
    "Je bent een echt kampioen, EN een echte verliest nooit!"};

// The statistics.
//                           German                             English           Flemish
constexpr Texts kRangeLabel{"Bereich = ",                      "Range = ",       "Bereik = "};
constexpr Texts kPlayed{    "x gespielt",                      " games",         " spellekes"};
constexpr Texts kAndOfThese{", und dabei ",                    ", and ",         ", en "};
constexpr Texts kWon{       "x gewonnen",                      "x won",          "x gewonnen"};
constexpr Texts kAndWord{   " und",                            " and",           " en"};
constexpr Texts kLost{      "x verloren",                      "x lost",         "x verloren"};
constexpr Texts kNoRecord{  "Kein neuer Rekord aufgestellt",   "No besttime",    "Geen rekordtijd"};
constexpr Texts kRecords{   "x ein neuer Rekord aufgestellt",  "x besttime",     "x rekordtijd"};
constexpr Texts kTitle{
    "Zerdo : Tip vom Tage und Statistik",
    "Zerdo : tip of the day and statistics",
    "Zerdo : tip van de dag en statistiek"};

// The statistics as a screen reader tells them, line by line: each level's
// best time in seconds (the level's name is the Level menu's), the run's
// counters by name.
//                           German                             English           Flemish
constexpr Texts kTipName{   "Tip",                             "Tip",            "Tip"};
constexpr Texts kSeconds{   "Sekunden",                        "seconds",        "seconden"};
constexpr Texts kNoBestTime{"keine Bestzeit",                  "no best time",   "geen rekordtijd"};
constexpr Texts kPlayedName{"Gespielt",                        "Played",         "Gespeeld"};
constexpr Texts kWonName{   "Gewonnen",                        "Won",            "Gewonnen"};
constexpr Texts kLostName{  "Verloren",                        "Lost",           "Verloren"};
constexpr Texts kRecordsName{"Neue Rekorde",                   "New best times", "Nieuwe rekordtijden"};
// clang-format on
}  // namespace tip_words

}  // namespace zerdo
