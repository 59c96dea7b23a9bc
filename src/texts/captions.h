#pragma once
#include <array>
#include <string_view>

#include "model/types.h"
#include "texts/texts.h"

namespace zerdo {

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
constexpr std::array<CaptionRow, 22> kMenuCaptions{{
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
    {"mnuFilePrint",                {"&Drucken…",               "P&rint…",          "&Afdrukken…"}},
    {"mnuFileExportPdf",            {"Als &PDF exportieren…",   "Export as P&DF…",  "Exporteren als &PDF…"}},
    {"mnuFileExit",                 {"&Beenden",                "&Exit",            "&Einde"}},
    {"mnuFileSetupLanguage",        {"&Sprache",                "&Language",        "&Taal"}},
    {"mnuFileSetupLanguageDeutsch", {"&Deutsch",                "&German",          "&Duits"}},
    {"mnuFileSetupLanguageEnglish", {"&Englisch",               "&English",         "&Engels"}},
    {"mnuFileSetupLanguageVlaams",  {"&Flämisch",               "&Dutch",           "&Vlaams"}},
    {"mnuFileSetupRange",           {"&Bereich",                "&Range",           "&Bereik"}},
    {"mnuFileSetupColourMarks",     {"&Farben mit Mustern",     "&Colour patterns", "&Kleuren met patronen"}},
    {"mnuStufe",                    {"St&ufe",                  "&Level",           "&Groep"}},
    {"mnuHelpContents",             {"&Hilfe",                  "&Contents",        "&Inhoud"}},
    {"mnuHelpSearchForHelpOn",      {"&Suche nach Hilfe über",  "&SearchForHelpOn", "&Zoeken naar hulp over"}},
    {"mnuHelpResultEnable",         {"&Lösung angeben",         "&Result",          "&Resultat"}},
}};

// Menu captions that read the same in every language.
struct FixedCaptionRow {
  std::string_view control;
  std::string_view text;
};
constexpr std::array<FixedCaptionRow, 9> kFixedMenuCaptions{{
    {"mnuFileZerdo",         "&Zerdo"},
    {"mnuFileUser",          "&User"},
    {"mnuFileSetup",         "Se&tup"},
    {"mnuFileSetupRange3x3", "&3x3"},
    {"mnuFileSetupRange4x4", "&4x4"},
    {"mnuFileSetupAnker",    "&Anker"},
    {"mnuFileSonst",         "S&onst"},
    {"mnuHelp",              "&Info"},
    {"mnuHelpAbout",         "&Info"},
}};
// clang-format on

// The caption of the menu item control in language code lang, from either
// table; "" for an item in neither.
std::string_view menu_caption(std::string_view control, int lang);

// The language items, by language_code: the one of the current language
// carries the check mark.
constexpr std::array<std::string_view, kLanguages> kLanguageItems{
    "mnuFileSetupLanguageDeutsch", "mnuFileSetupLanguageEnglish", "mnuFileSetupLanguageVlaams"};

// The main window's caption: lead, range name, then the player.
constexpr std::string_view kWindowCaptionLead = "Zerdo ";
constexpr std::string_view kNoUser = "  No User";
constexpr std::string_view kUserIs = "  User = ";  // followed by the player's name

// clang-format off
// Tool tips of the status bar panels 1..4 (index 0 unused).
constexpr std::array<Texts, 5> kPanelTips{{
    {},
    {"Zerdo-Status",  "Zerdo-Status",    "Zerdo-Status"},  // 1 status
    {"Modus",         "Mode",            "Modus"},         // 2 mode
    {"Version",       "Version",         "Versie"},        // 3 version
    {"Zeit",          "Time",            "Uur"},           // 4 clock
}};

// Captions of the board's frames.
constexpr std::string_view kStockFrameCaption = "\"Zerdos\"";
constexpr std::string_view kTipFrameCaption = "Tip";

// Board and clue-card tool tips: kKreuz on every cross kreuz(0..122), kGrau on
// every must-field box Text_grau(0..16), kBoard caption and tool tip of
// spielfeld(0); spielfeld(i) reads kField, a blank, i; card Frame_1_0(i) reads
// kCard, a blank, i + 1; cell k of card i the card's tool tip, kCell, k.
namespace board_words {
//                      German            English            Flemish
constexpr Texts kKreuz{"Feld gesperrt",  "Field forbidden", "Veld verboden"};
constexpr Texts kGrau{ "Pflicht-Feld",   "Must-field",      "Moet-veld"};
constexpr Texts kBoard{"Spielfeld",      "Field",           "veld"};
constexpr Texts kField{"Feld",           "Field",           "veld"};
constexpr Texts kCard{ "Vorgabe",        "Preset",          "Nr"};
constexpr Texts kCell{ " Feld ",         " field ",         ", veld "};
}  // namespace board_words

// A piece's tool tip: this lead, its shape word, a blank, its colour word.
constexpr std::string_view kPieceTipLead = "Zerdo : ";

// Shape words by shape code 1 drei, 2 rund, 3 vier, 4 plus (index 0 unused).
constexpr std::array<Texts, 5> kShapeWords{{
    {},
    {"Dreieck",  "Triangle", "Driehoek"},  // drei
    {"Kreis",    "Circle",   "Rond"},      // rund
    {"Quadrat",  "Quadrat",  "Vierkant"},  // vier
    {"Plus",     "Plus",     "Plus"},      // plus
}};

// Colour words by colour code 1 lila, 2 rood, 3 vert, 4 blau (index 0 unused),
// as they follow a shape word ...
constexpr std::array<Texts, 5> kColourWords{{
    {},
    {"lila",  "lila",  "lila"},   // lila
    {"rot",   "red",   "rood"},   // rood
    {"grün",  "green", "groen"},  // vert
    {"blau",  "blue",  "blauw"},  // blau
}};
// ... and capitalised, alone on a colour blot.
constexpr std::array<Texts, 5> kColourCapitals{{
    {},
    {"Lila",  "Lila",  "Lila"},   // lila
    {"Rot",   "Red",   "Rood"},   // rood
    {"Grün",  "Green", "Groen"},  // vert
    {"Blau",  "Blue",  "Blauw"},  // blau
}};
// clang-format on

}  // namespace zerdo
