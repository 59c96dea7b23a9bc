#pragma once
#include <array>
#include <string_view>

#include "model/types.h"
#include "texts/messages.h"

namespace zerdo {

// The three languages of the game: language_code 0 German, 1 English, 2 Flemish.
constexpr int kLanguages = 3;

// The stored names of the languages (setting "Language"), by language_code.
constexpr Texts kLanguageNames{"Deutsch", "English", "Vlaams"};

// language_code for a stored language name; any other name means German.
Int language_code_of(std::string_view name);

struct CaptionRow {
  std::string_view control;
  Texts text;  // German, English, Flemish
};

// Menu captions of the main window; "&" marks the access key. In the
// language submenu the item of the current language reads "&" + its own name.
// clang-format off
constexpr std::array<CaptionRow, 19> kMenuCaptions{{
    //  control                          German                     English             Flemish
    {"mnuFile",                     {"&Spiel",                  "&Game",            "&Spel"}},
    {"mnuFileNew",                  {"&Neu",                    "&New",             "&Nieuw"}},
    {"mnuFileAgain",                {"&Erneut",                 "&Again",           "&Opnieuw"}},
    {"mnuFileStop",                 {"&Anhalten",               "&Hold",            "&Halt"}},
    {"mnuFileRun",                  {"&Weiter",                 "Go&On",            "Ver&der"}},
    {"mnuFileNext",                 {"&Folgende",               "Ne&xt",            "&Volgende"}},
    {"mnuFilePrevious",             {"&Vorherige",              "&Previous",        "Vo&rige"}},
    {"mnuFileSave",                 {"&Speichern",              "&Save",            "&Schrijven"}},
    {"mnuFileLoad",                 {"&Laden",                  "&Load",            "&Lesen"}},
    {"mnuFileExit",                 {"&Beenden",                "&Exit",            "&Einde"}},
    {"mnuFileSetupLanguage",        {"&Sprache",                "&Language",        "&Taal"}},
    {"mnuFileSetupLanguageDeutsch", {"&Deutsch",                "&German",          "&Duits"}},
    {"mnuFileSetupLanguageEnglish", {"&Englisch",               "&English",         "&Engels"}},
    {"mnuFileSetupLanguageVlaams",  {"&Flämisch",               "&Dutch",           "&Vlaams"}},
    {"mnuFileSetupRange",           {"&Bereich",                "&Range",           "&Bereik"}},
    {"mnuStufe",                    {"St&ufe",                  "&Level",           "&Groep"}},
    {"mnuHelpContents",             {"&Hilfe",                  "&Contents",        "&Inhoud"}},
    {"mnuHelpSearchForHelpOn",      {"&Suche nach Hilfe über",  "&SearchForHelpOn", "&Zoeken naar hulp over"}},
    {"mnuHelpResultEnable",         {"&Lösung angeben",         "&Result",          "&Resultat"}},
}};

// The language items, by language_code: the one of the current language
// carries the check mark.
constexpr std::array<std::string_view, kLanguages> kLanguageItems{
    "mnuFileSetupLanguageDeutsch", "mnuFileSetupLanguageEnglish", "mnuFileSetupLanguageVlaams"};

// Tool tips of the status bar panels 1..4 (index 0 unused).
constexpr std::array<Texts, 5> kPanelTips{{
    {},
    {"Zerdo-Status",  "Zerdo-Status",    "Zerdo-Status"},  // 1 status
    {"Modus",         "Mode",            "Modus"},         // 2 mode
    {"Version",       "Version",         "Versie"},        // 3 version
    {"Zeit",          "Time",            "Uur"},           // 4 clock
}};

// Board and clue-card tool tips.
struct BoardWords {
  Texts kreuz;  // every cross kreuz(0..122)
  Texts grau;   // every must-field box Text_grau(0..16)
  Texts board;  // spielfeld(0), caption and tool tip
  Texts field;  // spielfeld(i): field word, a blank, i
  Texts card;   // Frame_1_0(i): card word, a blank, i + 1
  Texts cell;   // cell k of card i: the card's tool tip, this suffix, k
};
constexpr BoardWords kBoardWords{
    //  German            English            Flemish
    {"Feld gesperrt",  "Field forbidden", "Veld verboden"},
    {"Pflicht-Feld",   "Must-field",      "Moet-veld"},
    {"Spielfeld",      "Field",           "veld"},
    {"Feld",           "Field",           "veld"},
    {"Vorgabe",        "Preset",          "Nr"},
    {" Feld ",         " field ",         ", veld "},
};

// Shape words by shape code 1 drei, 2 rund, 3 vier, 4 plus (index 0 unused).
constexpr std::array<Texts, 5> kShapeWords{{
    {},
    {"Dreieck",  "Triangle", "Driehoek"},  // drei
    {"Kreis",    "Circle",   "Rond"},      // rund
    {"Quadrat",  "Quadrat",  "Vierkant"},  // vier
    {"Plus",     "Plus",     "Plus"},      // plus
}};

// Colour words by colour code 1 lila, 2 rood, 3 vert, 4 blau (index 0 unused),
// as they follow a shape word and, capitalised, alone on a blot.
struct ColourWords {
  Texts plain;
  Texts capital;
};
constexpr std::array<ColourWords, 5> kColourWords{{
    {},
    {{"lila",  "lila",  "lila"},  {"Lila",  "Lila",  "Lila"}},   // lila
    {{"rot",   "red",   "rood"},  {"Rot",   "Red",   "Rood"}},   // rood
    {{"grün",  "green", "groen"}, {"Grün",  "Green", "Groen"}},  // vert
    {{"blau",  "blue",  "blauw"}, {"Blau",  "Blue",  "Blauw"}},  // blau
}};
// clang-format on

}  // namespace zerdo
