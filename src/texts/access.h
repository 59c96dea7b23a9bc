#pragma once
#include "texts/texts.h"

namespace zerdo {

// The words a screen reader speaks beside the tool tips: where a piece
// stands, what a field or a card cell holds, and the names of the status
// line and the help window's search.
// clang-format off
namespace reader_words {
//                          German                English               Flemish
constexpr Texts kInStock{   "im Vorrat",          "in the stock",       "in de voorraad"};
constexpr Texts kOnField{   "auf Feld",           "on field",           "op veld"};
constexpr Texts kEmpty{     "leer",               "empty",              "leeg"};
constexpr Texts kNotHere{   "nicht hier",         "not here",           "niet hier"};
constexpr Texts kStatusLine{"Statuszeile",        "Status line",        "Statuslijn"};
constexpr Texts kSearchText{"Suchbegriff",        "Search keyword",     "Zoekwoord"};
constexpr Texts kResults{   "Gefundene Themen",   "Topics found",       "Gevonden onderwerpen"};
}  // namespace reader_words
// clang-format on

}  // namespace zerdo
