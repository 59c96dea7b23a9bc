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

// The language a new player starts in, from the name of the system's locale
// for messages ("en_GB.UTF-8", "nl_BE", "C"): English for an English locale,
// Flemish for a Dutch one, German for every other, the C locale and none.
Int language_code_for_locale(std::string_view locale);

// The captions of the main window's menu items; "&" marks the access key. The
// command table (view/commands.h) gives each item its caption from here.
namespace menu_words {

// The same caption in every language.
constexpr Texts same(std::string_view text) { return {text, text, text}; }

// clang-format off
//                                German                     English             Flemish
constexpr Texts kGame{            "&Spiel",                  "&Game",            "&Spel"};
constexpr Texts kNew{             "&Neu",                    "&New",             "&Nieuw"};
constexpr Texts kAgain{           "&Erneut",                 "&Again",           "&Opnieuw"};
constexpr Texts kContinue{        "Letztes Sp&iel fortsetzen", "&Continue last game", "Laatste s&pel verderzetten"};
constexpr Texts kUndo{            "Rü&ckgängig",             "Undo mo&ve",       "Ongedaan &maken"};
constexpr Texts kRedo{            "Wieder&holen",            "Redo &move",       "Opnieuw u&itvoeren"};
constexpr Texts kHold{            "&Anhalten",               "&Hold",            "&Halt"};
constexpr Texts kGoOn{            "&Weiter",                 "Go&On",            "Ver&der"};
constexpr Texts kNext{            "&Folgende",               "Ne&xt",            "&Volgende"};
constexpr Texts kPrevious{        "&Vorherige",              "&Previous",        "Vo&rige"};
constexpr Texts kSave{            "&Speichern",              "&Save",            "&Schrijven"};
constexpr Texts kLoad{            "&Laden",                  "&Load",            "&Lesen"};
constexpr Texts kPrint{           "&Drucken…",               "P&rint…",          "&Afdrukken…"};
constexpr Texts kExportPdf{       "Als &PDF exportieren…",   "Export as P&DF…",  "Exporteren als PD&F…"};
constexpr Texts kExit{            "&Beenden",                "&Exit",            "&Einde"};
constexpr Texts kLanguage{        "&Sprache",                "&Language",        "&Taal"};
constexpr Texts kGerman{          "&Deutsch",                "&German",          "&Duits"};
constexpr Texts kEnglish{         "&Englisch",               "&English",         "&Engels"};
constexpr Texts kFlemish{         "&Flämisch",               "&Dutch",           "&Vlaams"};
constexpr Texts kRange{           "&Bereich",                "&Range",           "&Bereik"};
constexpr Texts kColourMarks{     "&Farben mit Mustern",     "&Colour patterns", "&Kleuren met patronen"};
constexpr Texts kLevel{           "St&ufe",                  "&Level",           "&Groep"};
constexpr Texts kHelpContents{    "&Hilfe",                  "&Contents",        "&Inhoud"};
constexpr Texts kHelpSearch{      "&Suche nach Hilfe über",  "&SearchForHelpOn", "&Zoeken naar hulp over"};
constexpr Texts kResult{          "&Lösung angeben",         "&Result",          "&Resultat"};
constexpr Texts kHint{            "&Hinweis",                "&Hint",            "&Hint"};
constexpr Texts kStatistics{      "S&tatistik und Bestenliste", "S&tatistics and hall of fame", "S&tatistiek en erelijst"};
constexpr Texts kView{            "&Ansicht",                "&View",            "&Beeld"};
constexpr Texts kZoomIn{          "&Vergrößern",             "Zoom &in",         "&Inzoomen"};
constexpr Texts kZoomOut{         "Ver&kleinern",            "Zoom &out",        "&Uitzoomen"};
constexpr Texts kZoomReset{       "&Originalgröße",          "&Actual size",     "&Ware grootte"};
constexpr Texts kHistory{         "Ve&rlauf",                "H&istory",         "&Geschiedenis"};
// clang-format on

// Captions that read the same in every language.
constexpr Texts kPuzzles = same("&Zerdo");
constexpr Texts kPlayer = same("&User");
constexpr Texts kSetup = same("Se&tup");
constexpr Texts kRange3x3 = same("&3x3");
constexpr Texts kRange4x4 = same("&4x4");
constexpr Texts kAnchors = same("&Anker");
constexpr Texts kShowMostPieces = same("S&onst");
constexpr Texts kHelpMenu = same("&Info");
constexpr Texts kAbout = same("&Info");

}  // namespace menu_words

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
