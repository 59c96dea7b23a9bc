#pragma once
#include "texts/messages.h"
#include "texts/texts.h"

namespace zerdo {

// clang-format off
// The store's records were changed outside the game: title, then the two
// lines of the text.
namespace record_check {
constexpr Texts kTitle{"Zerdo Registry geändert", "Zerdo Registry changed", "Zerdo Registry verandert"};
constexpr Texts kLine1{
    "Alle 'Sieger'-Daten werden gelöscht",
    "All 'winners' data will be lost",
    "Alle gegevens over 'winnaars' gaan verloren"};
constexpr Texts kLine2{
    "Wir fangen wieder ganz vorne an!",
    "You start from scratch over again!",
    "Je begint weer helemaal van voor!"};
}  // namespace record_check

// A game won after a STOP does not enter the hall of fame: title and text.
namespace intermediate_stop {
constexpr Texts kTitle{"Zerdo Gewinner Register", "Zerdo Winner Registry", "Zerdo winnaars register"};
constexpr Texts kText{
    "Leider ist mit Zwischen-STOP kein Eintrag ins Gewinnerrigister möglich!",
    "Sorry, but with an intermediate STOP an entry in the hall of fame is not possible!",
    "Spijtig genoeg is met een stopje tussendoor geen registrering mogelijk!"};
}  // namespace intermediate_stop

// The settings store could not be written; the file and the cause follow
// the text.
constexpr Texts kRecordsNotSaved{
    "Die Rekorde konnten nicht gespeichert werden.",
    "The records could not be saved.",
    "De records konden niet bewaard worden."};
// clang-format on

// The message boxes of the records in a language (0 German, 1 English,
// 2 Flemish; any other code German).
MessageText record_check_message(int language_code);
MessageText intermediate_stop_message(int language_code);
MessageText records_not_saved_message(int language_code, std::string_view path,
                                      std::string_view reason);

}  // namespace zerdo
