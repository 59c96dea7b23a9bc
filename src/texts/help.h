#pragma once
#include <array>
#include <string_view>

#include "texts/texts.h"

namespace zerdo {

// Context numbers of the contents topic, by language_code.
constexpr std::array<int, kLanguages> kHelpContentsContext{1200, 1210, 1220};

// The folder of each language's help topics, by language_code.
constexpr Texts kHelpFolders{"de", "en", "nl"};

// The title of the help window, the same in every language.
constexpr std::string_view kHelpWindowTitle = "Zerdo Hilfe";

// Shown (information icon, titled with the window caption) when the program
// carries no help file name.
// clang-format off
constexpr Texts kNoHelpContents{
    "Info Inhalt: es ist keine Hilfedatei auffindbar.",
    "Unable to display Help Contents. There is no Help associated with this project.",
    "Kan de Hulp inhoud niet tonen. Er is geen Hulp geassocieert met het projekt."};
constexpr Texts kNoHelpSearch{
    "Info Suche: es ist keine Hilfedatei auffindbar.",
    "Unable to display Help Contents. There is no Help associated with this project.",
    "Kan de Hulp inhoud niet tonen. Er is geen Hulp geassocieert met het projekt."};

// The one line of the help's keyword search when no keyword holds the text
// typed, followed by that text in quotes.
constexpr Texts kNoKeywordFound{
    "Kein Stichwort passt zu",
    "No keyword matches",
    "Geen trefwoord past bij"};
// clang-format on

}  // namespace zerdo
