#pragma once
#include <array>
#include <string_view>

#include "texts/captions.h"

namespace zerdo {

// The program's help file, opened by the platform's help viewer.
constexpr std::string_view kHelpFile = "zerdo.hlp";

// Context numbers of the contents topic, by language_code.
constexpr std::array<int, kLanguages> kHelpContentsContext{1200, 1210, 1220};

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
// clang-format on

// The About window: the same in every language.
struct AboutTexts {
  std::string_view caption = "Zerdo Info";
  std::string_view title = "Zerdo";
  std::string_view version = "Version ";  // followed by version_text
  std::string_view description = "Ein Legespiel mit Hinweiskarten - a logic puzzle with clue cards";
  std::string_view disclaimer = "Idee und Programmierung: das Zerdo-Team";
  std::string_view ok = "OK";
  std::string_view sys_info = "&System Info...";
  // German in every language.
  std::string_view sys_info_missing = "System Information ist momentan nicht bereit.";
};
constexpr AboutTexts kAbout{};

}  // namespace zerdo
