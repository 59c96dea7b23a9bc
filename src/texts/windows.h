#pragma once
#include <string_view>

#include "texts/texts.h"

namespace zerdo {

// The button that closes a secondary window, the same in every language.
constexpr std::string_view kOkCaption = "OK";

// The solution window: caption (followed by a blank and the range name),
// the frame around the board, the mark on a wrong field, and each field's
// tool tip (followed by the field number).
namespace solution_window {
constexpr Texts kCaption{"Zerdo Lösung", "Zerdo Solution", "Zerdo Oplossing"};
constexpr Texts kFrame{"Spielfeld", "Field", "Veld"};
constexpr Texts kWrong{" Fehler", " Wrong", " Vals"};
constexpr std::string_view kFieldTip = "Lösung Feld ";
}  // namespace solution_window

// The player dialog, the same in every language.
namespace user_dialog {
constexpr std::string_view kCaption = "Zerdo User";
constexpr std::string_view kFrame = "User";
constexpr std::string_view kCancel = "Cancel";
}  // namespace user_dialog

// The About window, the same in every language.
namespace about_window {
constexpr std::string_view kCaption = "Zerdo Info";
constexpr std::string_view kTitle = "Zerdo";
constexpr std::string_view kVersion = "Version ";  // followed by version_text
constexpr std::string_view kDescription =
    "Ein Legespiel mit Hinweiskarten - a logic puzzle with clue cards";
constexpr std::string_view kDisclaimer = "Idee und Programmierung: das Zerdo-Team";
constexpr std::string_view kSysInfo = "&System Info...";
// The message when no system information program can be started.
constexpr std::string_view kSysInfoMissing = "System Information ist momentan nicht bereit.";
}  // namespace about_window

}  // namespace zerdo
