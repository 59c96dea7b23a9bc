#pragma once
// The kept game and the history of games: boxes, the history window and the
// export.
#include <array>
#include <string_view>

#include "texts/texts.h"

namespace zerdo::history_words {

// clang-format off
// Continue last game: the kept game failed its checks and was removed.
constexpr Texts kKeptRefusedTitle{"Letztes Spiel", "Last game", "Laatste spel"};
constexpr Texts kKeptRefused{
    "Das gespeicherte Spiel ist beschädigt oder wurde verändert und wurde entfernt.",
    "The kept game is damaged or was changed, and has been removed.",
    "Het bewaarde spel is beschadigd of werd veranderd en is verwijderd."};
// The kept game is gone (another copy of the game continued it meanwhile).
constexpr Texts kKeptGone{
    "Es gibt kein gespeichertes Spiel mehr.",
    "There is no kept game any more.",
    "Er is geen bewaard spel meer."};
// The game in progress could not be kept: the box names the file, then the
// system's reason.
constexpr Texts kKeepFailed{
    "Das laufende Spiel konnte nicht gespeichert werden:",
    "The game in progress could not be kept:",
    "Het lopende spel kon niet bewaard worden:"};
// A game could not be added to the history.
constexpr Texts kHistoryFailed{
    "Das Spiel konnte nicht in den Verlauf geschrieben werden:",
    "The game could not be added to the history:",
    "Het spel kon niet aan de geschiedenis toegevoegd worden:"};
// clang-format on

}  // namespace zerdo::history_words
