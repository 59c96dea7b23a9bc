#pragma once
#include <array>

#include "texts/texts.h"

namespace zerdo {

// The words a screen reader speaks: the names of pieces, fields and cards,
// where a piece stands, what a card tells, what the player just did, and the
// names of the status line and the help window's search. They are the
// reader's own, apart from the tool tips, so that every word is in the
// player's language.
// clang-format off
namespace reader_words {
//                          German                English               Flemish
constexpr Texts kInStock{   "im Vorrat",          "in the stock",       "in de voorraad"};
constexpr Texts kOnField{   "auf Feld",           "on field",           "op veld"};
constexpr Texts kEmpty{     "leer",               "empty",              "leeg"};
constexpr Texts kStatusLine{"Statuszeile",        "Status line",        "Statuslijn"};
constexpr Texts kSearchText{"Suchbegriff",        "Search keyword",     "Zoekwoord"};
constexpr Texts kResults{   "Gefundene Themen",   "Topics found",       "Gevonden onderwerpen"};
// Names of the board's items, each followed by its number.
constexpr Texts kField{     "Feld",               "Field",              "Veld"};
constexpr Texts kCard{      "Karte",              "Card",               "Kaart"};
// An empty place of the stock, followed by the name of the piece it is for.
constexpr Texts kStockPlace{"Vorratsplatz für",   "stock place for",    "voorraadplaats voor"};
// A piece the player holds (picked up by the keyboard or the mouse).
constexpr Texts kCarried{   "in der Hand",        "carried",            "in de hand"};
// What a card tells: the clue, then where its piece may stand.
constexpr Texts kColourOnly{"Farbe",              "colour",             "kleur"};
constexpr Texts kShapeOnly{ "Form",               "shape",              "vorm"};
constexpr Texts kOnlyOn{    "nur auf Feld",       "only on field",      "alleen op veld"};
constexpr Texts kNotOn{     "nicht auf Feld",     "not on field",       "niet op veld"};
constexpr Texts kInRow{     "in Reihe",           "in row",             "in rij"};
constexpr Texts kInColumn{  "in Spalte",          "in column",          "in kolom"};
constexpr Texts kOnNoField{ "auf keinem Feld",    "on no field",        "op geen enkel veld"};
// An anchor card: where its piece lies from the anchor piece, in rows
// (+ down) and columns (+ right).
constexpr Texts kAnchor{    "Anker",              "anchor",             "anker"};
constexpr Texts kRow{       "Reihe",              "row",                "rij"};
constexpr Texts kColumn{    "Spalte",             "column",             "kolom"};
constexpr Texts kAlsoShown{ "außerdem",           "also",               "ook"};

// Shape names by shape code 1 drei, 2 rund, 3 vier, 4 plus (index 0 unused).
constexpr std::array<Texts, 5> kShapes{{
    {},
    {"Dreieck",  "triangle", "driehoek"},
    {"Kreis",    "circle",   "cirkel"},
    {"Quadrat",  "square",   "vierkant"},
    {"Plus",     "plus",     "plus"},
}};
// Colour names by colour code 1 lila, 2 rood, 3 vert, 4 blau (index 0 unused).
constexpr std::array<Texts, 5> kColours{{
    {},
    {"lila",  "purple", "paars"},
    {"rot",   "red",    "rood"},
    {"grün",  "green",  "groen"},
    {"blau",  "blue",   "blauw"},
}};
}  // namespace reader_words
// clang-format on

}  // namespace zerdo
