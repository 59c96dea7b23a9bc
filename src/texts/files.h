#pragma once
#include <array>
#include <cerrno>
#include <string>
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

// Why a file could not be read or written, in the player's words: by the
// system's error number, or by the game's own refusals (negative numbers, as
// the file access numbers them). A number without a row of its own reads as
// kOtherFailure with the number in it.
struct FailureWords {
  int code;
  Texts words;
};

// clang-format off
constexpr FailureWords kFailureWords[] = {
    {ENOSPC, {"Auf dem Datenträger ist kein Platz mehr frei.", "There is no space left on the disk.", "Er is geen ruimte meer vrij op de schijf."}},
    {EDQUOT, {"Der zugeteilte Speicherplatz ist aufgebraucht.", "The disk quota is used up.", "De toegewezen schijfruimte is opgebruikt."}},
    {EFBIG, {"Die Datei wird zu groß.", "The file grows too large.", "Het bestand wordt te groot."}},
    {EACCES, {"Der Zugriff ist nicht erlaubt.", "Access is not permitted.", "De toegang is niet toegestaan."}},
    {EPERM, {"Der Zugriff ist nicht erlaubt.", "Access is not permitted.", "De toegang is niet toegestaan."}},
    {EROFS, {"Der Datenträger ist schreibgeschützt.", "The disk is read-only.", "De schijf is alleen-lezen."}},
    {ENOENT, {"Die Datei oder ihr Ordner fehlt.", "The file or its folder does not exist.", "Het bestand of zijn map bestaat niet."}},
    {ENOTDIR, {"Ein Teil des Pfades ist kein Ordner.", "A part of the path is not a folder.", "Een deel van het pad is geen map."}},
    {EISDIR, {"An ihrer Stelle steht ein Ordner.", "There is a folder in its place.", "Op die plaats staat een map."}},
    {ENAMETOOLONG, {"Der Name ist zu lang.", "The name is too long.", "De naam is te lang."}},
    {ELOOP, {"Zu viele Verknüpfungen hintereinander.", "Too many links in a row.", "Te veel koppelingen na elkaar."}},
    {EIO, {"Beim Lesen oder Schreiben trat ein Fehler des Datenträgers auf.", "The disk failed while reading or writing.", "De schijf faalde bij het lezen of schrijven."}},
    {EMFILE, {"Zu viele Dateien sind geöffnet.", "Too many files are open.", "Te veel bestanden zijn geopend."}},
    {ENFILE, {"Zu viele Dateien sind geöffnet.", "Too many files are open.", "Te veel bestanden zijn geopend."}},
    {EBUSY, {"Die Datei wird gerade benutzt.", "The file is in use.", "Het bestand is in gebruik."}},
    {EINVAL, {"Ein Wert lässt sich so nicht speichern.", "A value cannot be stored as it is.", "Een waarde kan zo niet bewaard worden."}},
    // The game's own refusals.
    {-1, {"An ihrer Stelle steht keine gewöhnliche Datei (ein Gerät oder eine Pipe); sie bleibt, wie sie ist.", "There is no ordinary file in its place (a device or a pipe); it is left as it is.", "Op die plaats staat geen gewoon bestand (een apparaat of een pijp); het blijft zoals het is."}},
    {-2, {"Die Datei ist zu groß.", "The file is too large.", "Het bestand is te groot."}},
    {-3, {"Die Verknüpfung führt zu keiner Einstellungsdatei des Spiels; sie bleibt, wie sie ist.", "The link leads to no settings file of the game; it is left as it is.", "De koppeling leidt naar geen instellingenbestand van het spel; ze blijft zoals ze is."}},
    {-4, {"Die Datei ist die Einstellungsdatei des Spiels.", "The file is the game's settings file.", "Het bestand is het instellingenbestand van het spel."}},
    {-5, {"Eine andere Kopie des Spiels hält die Einstellungsdatei gesperrt.", "Another copy of the game keeps the settings file locked.", "Een andere kopie van het spel houdt het instellingenbestand vergrendeld."}},
};
constexpr Texts kOtherFailure{"Fehler Nummer {N}.", "Error number {N}.", "Fout nummer {N}."};
// clang-format on

// The words for code in the language.
std::string failure_words(int code, int language_code);

// The message box for a file the reader refused with the LoadError numbered
// reason, stopping at line and item (from 1; 0 where they do not apply) on
// value; in the language (0 German, 1 English, 2 Flemish).
MessageText load_error_message(int reason, int line, int item, long long value,
                               std::string_view file_name, int language_code);
// The message box for a save that failed (the existing file is kept).
MessageText save_error_message(std::string_view file_name, int language_code);

}  // namespace zerdo
