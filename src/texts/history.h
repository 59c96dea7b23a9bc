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

// The history window: its caption, the table of games per range and level
// (its name for a screen reader and its column heads), the two charts, the
// state of a history without games, and the export.
constexpr Texts kWindowCaption{"Verlauf", "History", "Geschiedenis"};
constexpr Texts kTableName{
    "Spiele je Bereich und Stufe", "Games per range and level", "Spellen per bereik en groep"};
constexpr std::array<Texts, 6> kColumnHeads{{
    {"Bereich",  "Range",     "Bereik"},
    {"Stufe",    "Level",     "Groep"},
    {"Gespielt", "Played",    "Gespeeld"},
    {"Gewonnen", "Won",       "Gewonnen"},
    {"Bestzeit", "Best time", "Beste tijd"},
    {"Median",   "Median",    "Mediaan"},
}};
// A time where no game was won.
constexpr std::string_view kNoTime = "–";
constexpr Texts kTimesTitle{
    "Lösungszeit der gewonnenen Spiele", "Solve time of the games won",
    "Oplostijd van de gewonnen spellen"};
constexpr Texts kTimesX{
    "Spiele der Stufe, der Reihe nach", "Games of the level, in order",
    "Spellen van de groep, in volgorde"};
constexpr Texts kTimesY{"Zeit (min:s)", "Time (min:s)", "Tijd (min:s)"};
// The solve-time chart of a history whose games were all lost or abandoned.
constexpr Texts kNoGameWon{
    "Noch kein Spiel gewonnen. Die Lösungszeit jedes gewonnenen Spiels erscheint hier.",
    "No game won yet. The solve time of every game won shows up here.",
    "Nog geen spel gewonnen. De oplostijd van elk gewonnen spel verschijnt hier."};
constexpr Texts kResultsTitle{
    "Gewonnen und verloren je Stufe", "Won and lost per level", "Gewonnen en verloren per groep"};
constexpr Texts kResultsY{"Spiele", "Games", "Spellen"};
// The parts of a bar: won, lost, abandoned.
constexpr std::array<Texts, 3> kResultParts{{
    {"Gewonnen",    "Won",       "Gewonnen"},
    {"Verloren",    "Lost",      "Verloren"},
    {"Abgebrochen", "Abandoned", "Opgegeven"},
}};
constexpr Texts kNoGames{
    "Noch keine Spiele. Jedes gewonnene, verlorene oder abgebrochene Spiel erscheint hier.",
    "No games yet. Every game won, lost or abandoned shows up here.",
    "Nog geen spellen. Elk gewonnen, verloren of opgegeven spel verschijnt hier."};
// Lines of the history file that could not be read (followed by their count).
constexpr Texts kDamagedLines{
    "Beschädigte Zeilen übersprungen:", "Damaged lines skipped:",
    "Beschadigde regels overgeslagen:"};
constexpr Texts kExport{"Als &CSV exportieren…", "Export as &CSV…", "Exporteren als &CSV…"};
constexpr Texts kExportTitle{"Verlauf exportieren", "Export history", "Geschiedenis exporteren"};
constexpr Texts kExportFilter{
    "CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*",
    "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*",
    "CSV-bestanden (*.csv)|*.csv|Alle bestanden (*.*)|*.*"};
// The export could not be written: the box names the file after this.
constexpr Texts kExportFailed{
    "Der Verlauf konnte nicht exportiert werden:", "The history could not be exported:",
    "De geschiedenis kon niet geëxporteerd worden:"};
// clang-format on

}  // namespace zerdo::history_words
