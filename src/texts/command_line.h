#pragma once
#include <string_view>

#include "texts/texts.h"

namespace zerdo {

// What `zerdo --help` prints, and the refusals of a command line the game
// does not understand, in the language of the store ("Language").
// clang-format off
constexpr Texts kCommandLineHelp{
    "Aufruf: zerdo [Optionen] [DATEI]\n"
    "Ein Logikrätsel: die Steine so auf das Brett legen, wie es die Hinweiskarten sagen.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help     Zeigt diese Hilfe.\n"
    "  -v, --version  Zeigt die Version.\n"
    "\n"
    "Argumente:\n"
    "  DATEI          Eine Zerdo-Datei (.zdo), die beim Start geladen wird,\n"
    "                 wie es das Menü Spiel > Laden tut.\n",

    "Usage: zerdo [options] [FILE]\n"
    "A logic puzzle: place the pieces on the board as the clue cards tell.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Shows this help.\n"
    "  -v, --version  Shows the version.\n"
    "\n"
    "Arguments:\n"
    "  FILE           A Zerdo puzzle file (.zdo) to load at start,\n"
    "                 as the menu Game > Load does.\n",

    "Gebruik: zerdo [opties] [BESTAND]\n"
    "Een logische puzzel: leg de stukken op het bord zoals de hintkaarten zeggen.\n"
    "\n"
    "Opties:\n"
    "  -h, --help     Toont deze hulp.\n"
    "  -v, --version  Toont de versie.\n"
    "\n"
    "Argumenten:\n"
    "  BESTAND        Een Zerdo-bestand (.zdo) dat bij de start geladen wordt,\n"
    "                 zoals het menu Spel > Lesen het doet.\n"};
constexpr Texts kUnknownOption{"Unbekannte Option: ", "Unknown option: ", "Onbekende optie: "};
constexpr Texts kOneFileOnly{"Es kann nur eine Datei geladen werden.",
                             "Only one file can be loaded.",
                             "Er kan maar één bestand geladen worden."};
constexpr Texts kTryHelp{"\"zerdo --help\" zeigt die Optionen.",
                         "\"zerdo --help\" lists the options.",
                         "\"zerdo --help\" toont de opties."};
// clang-format on

}  // namespace zerdo
