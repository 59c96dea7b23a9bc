#pragma once
#include <array>
#include <string_view>

#include "texts/messages.h"
#include "texts/texts.h"

namespace zerdo {

// clang-format off
// The file dialogs: titles and the filter ("Description|pattern|...").
constexpr Texts kSaveTitle{"Speichern", "Save", "Schrijven"};
constexpr Texts kLoadTitle{"Laden", "Load", "Lesen"};
constexpr Texts kFilter{
    "Alle Dateien (*.*)|*.*|Zerdo Dateien (*.zdo)|*.zdo",
    "All Files (*.*)|*.*|Zerdo Files (*.zdo)|*.zdo",
    "Alle bestanden (*.*)|*.*|Zerdo Bestand (*.zdo)|*.zdo"};

// The word before the file name in the messages of a file.
constexpr Texts kFileWord{"Datei =", "File =", "Bestand ="};

// A refused file: title; the text reads kFileWord, the file name, a blank
// line, the reason, and kNotLoaded.
namespace load_refused {
constexpr Texts kTitle{    "KEINE Zerdo-Datei",    "NOT a Zerdo-file", "GEEN Zerdo-bestand"};
constexpr Texts kNotLoaded{"KEINE Datei geladen.", "NO file loaded.",  "GEEN bestand geladen."};
}  // namespace load_refused

// The reasons, by the number of the reader's LoadError; {L} stands for the
// line, {I} for the item, {V} for the value. An empty reason (a wrong row
// number) keeps the program's own message: English in every language, and
// without a reason line.
constexpr std::array<Texts, 13> kLoadReasons{{
    {"", "", ""},
    {"Die Datei lässt sich nicht öffnen.", "The file cannot be opened.", "Het bestand kan niet geopend worden."},
    {"Die Datei ist zu groß (mehr als 64 KB).", "The file is too large (more than 64 KB).", "Het bestand is te groot (meer dan 64 KB)."},
    {"Die Datei ist keine Textdatei.", "The file is not a text file.", "Het bestand is geen tekstbestand."},
    {"", "", ""},
    {"Die Datei endet zu früh (Zeile {L}, Wert {I}).", "The file ends too early (line {L}, value {I}).", "Het bestand eindigt te vroeg (lijn {L}, waarde {I})."},
    {"Zeile {L}, Wert {I} ist keine Zahl.", "Line {L}, value {I} is not a number.", "Lijn {L}, waarde {I} is geen getal."},
    {"Zeile {L} hat zu viele Werte.", "Line {L} has too many values.", "Lijn {L} heeft te veel waarden."},
    {"Der Name des Zerdos muss mit A bis I beginnen.", "The puzzle name must begin with A to I.", "De naam van de Zerdo moet met A tot I beginnen."},
    {"Zeile {L}, Wert {I}: {V} ist nicht erlaubt.", "Line {L}, value {I}: {V} is not allowed.", "Lijn {L}, waarde {I}: {V} is niet toegelaten."},
    {"Zeile {L}, Wert {I}: {V} kommt zweimal vor.", "Line {L}, value {I}: {V} occurs twice.", "Lijn {L}, waarde {I}: {V} komt twee keer voor."},
    {"Bild {V} wird öfter als 4-mal gebraucht.", "Picture {V} is used more than 4 times.", "Prent {V} wordt meer dan 4 keer gebruikt."},
    {"Mehr als 123 Kreuze.", "More than 123 crosses.", "Meer dan 123 kruisjes."},
}};

// A save that failed: title; the text reads kFileWord, the file name, a blank
// line and the reason.
namespace save_failed {
constexpr Texts kTitle{"Zerdo Speichern", "Zerdo Save", "Zerdo Schrijven"};
constexpr Texts kReason{
    "Die Datei lässt sich nicht schreiben; eine vorhandene Datei bleibt unverändert.",
    "The file cannot be written; an existing file stays unchanged.",
    "Het bestand kan niet geschreven worden; een bestaand bestand blijft ongewijzigd."};
}  // namespace save_failed
// clang-format on

// The message box for a file the reader refused with the LoadError numbered
// reason, stopping at line and item (from 1; 0 where they do not apply) on
// value; in the language (0 German, 1 English, 2 Flemish).
MessageText load_error_message(int reason, int line, int item, long long value,
                               std::string_view file_name, int language_code);
// The message box for a save that failed (the existing file is kept).
MessageText save_error_message(std::string_view file_name, int language_code);

}  // namespace zerdo
