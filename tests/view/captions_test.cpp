#include "view/captions.h"

#include <gtest/gtest.h>

#include <string>

#include "view/commands.h"

namespace zerdo {
namespace {

// The menu as the main window builds it, without the built-in puzzles.
MenuModel language_menus() { return build_command_menus({}); }

struct Slot {
  const char* name;  // menu item, or control of the board ("kreuz(7)")
  std::array<const char*, 3> text;
};

// clang-format off
const Slot kMenuSlots[] = {
    {"mnuFile",                     {"&Spiel",    "&Game",     "&Spel"}},
    {"mnuFileRun",                  {"&Weiter",   "Go&On",     "Ver&der"}},
    {"mnuFileNext",                 {"&Folgende", "Ne&xt",     "&Volgende"}},
    {"mnuFilePrevious",             {"&Vorherige","&Previous", "Vo&rige"}},
    {"mnuFileSave",                 {"&Speichern","&Save",     "&Schrijven"}},
    {"mnuFileSetupLanguageDeutsch", {"&Deutsch",  "&German",   "&Duits"}},
    {"mnuFileSetupLanguageEnglish", {"&Englisch", "&English",  "&Engels"}},
    {"mnuFileSetupLanguageVlaams",  {"&Flämisch", "&Dutch",    "&Vlaams"}},
    {"mnuStufe",                    {"St&ufe",    "&Level",    "&Groep"}},
    {"mnuHelpSearchForHelpOn",      {"&Suche nach Hilfe über", "&SearchForHelpOn", "&Zoeken naar hulp over"}},
    {"mnuHelpResultEnable",         {"&Lösung angeben", "&Result", "&Resultat"}},
    // never touched by a language
    {"mnuFileUser",                 {"&User",     "&User",     "&User"}},
    {"mnuFileSetup",                {"Se&tup",    "Se&tup",    "Se&tup"}},
    {"mnuStufeA",                   {"&A",        "&A",        "&A"}},
    {"mnuHelp",                     {"&Info",     "&Info",     "&Info"}},
    {"mnuHelpAbout",                {"&Info",     "&Info",     "&Info"}},
};

const Slot kBoardSlots[] = {
    {"kreuz(0)",               {"Feld gesperrt", "Field forbidden", "Veld verboden"}},
    {"kreuz(122)",             {"Feld gesperrt", "Field forbidden", "Veld verboden"}},
    {"Text_grau(16)",          {"Pflicht-Feld",  "Must-field",      "Moet-veld"}},
    {"spielfeld(0)",           {"Spielfeld",     "Field",           "veld"}},
    {"spielfeld(5)",           {"Feld 5",        "Field 5",         "veld 5"}},
    {"spielfeld(16)",          {"Feld 16",       "Field 16",        "veld 16"}},
    {"Frame_1_0(0)",           {"Vorgabe 1",     "Preset 1",        "Nr 1"}},
    {"Frame_1_0(2)",           {"Vorgabe 3",     "Preset 3",        "Nr 3"}},
    {"Frame_1_7(2)",           {"Vorgabe 3 Feld 7", "Preset 3 field 7", "Nr 3, veld 7"}},
    {"Frame_1_16(15)",         {"Vorgabe 16 Feld 16", "Preset 16 field 16", "Nr 16, veld 16"}},
    {"Picture_drei_lila",      {"Zerdo : Dreieck lila", "Zerdo : Triangle lila", "Zerdo : Driehoek lila"}},
    {"Picture_vier_rood",      {"Zerdo : Quadrat rot",  "Zerdo : Quadrat red",   "Zerdo : Vierkant rood"}},
    {"Picture_plus_blau",      {"Zerdo : Plus blau",    "Zerdo : Plus blue",     "Zerdo : Plus blauw"}},
    {"Picture_rund_blau_x(3)", {"Kreis blau",     "Circle blue",    "Rond blauw"}},
    {"Picture_vier_lila_x(0)", {"Quadrat lila",   "Quadrat lila",   "Vierkant lila"}},
    {"Picture_rund_schw(2)",   {"Kreis",          "Circle",         "Rond"}},
    {"Picture_vier_schw(0)",   {"Quadrat",        "Quadrat",        "Vierkant"}},
    {"Picture_klex_vert(1)",   {"Grün",           "Green",          "Groen"}},
    {"Picture_klex_lila(3)",   {"Lila",           "Lila",           "Lila"}},
};
// clang-format on

class LanguageTables : public ::testing::TestWithParam<int> {};

TEST_P(LanguageTables, MenuCaptionsAndCheckMark) {
  const auto code = static_cast<Int>(GetParam());
  MenuModel m = language_menus();
  // Start from another language so every slot really changes.
  apply_menu_captions(m, static_cast<Int>((code + 1) % 3));
  apply_menu_captions(m, code);
  for (const Slot& s : kMenuSlots) {
    ASSERT_NE(m.find(s.name), nullptr) << s.name;
    EXPECT_EQ(s.text[static_cast<std::size_t>(code)], m.find(s.name)->caption) << s.name;
  }
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(i == code,
              m.find(command_name(kLanguageCommands[static_cast<std::size_t>(i)]))->checked)
        << i;
}

TEST_P(LanguageTables, BoardAndPictureTooltips) {
  const auto code = static_cast<Int>(GetParam());
  BoardView view;
  apply_board_tooltips(view, static_cast<Int>((code + 2) % 3));
  apply_board_tooltips(view, code);
  for (const Slot& s : kBoardSlots) {
    const Control* c = view.controls().find(s.name);
    ASSERT_NE(c, nullptr) << s.name;
    EXPECT_EQ(s.text[static_cast<std::size_t>(code)], c->tooltip) << s.name;
  }
  const std::array<const char*, 3> board{"Spielfeld", "Field", "veld"};
  EXPECT_EQ(board[static_cast<std::size_t>(code)], *view.field(0).caption);
}

INSTANTIATE_TEST_SUITE_P(Deutsch_English_Vlaams, LanguageTables, ::testing::Values(0, 1, 2));

TEST(LanguageTables, EveryBoardControlGetsATooltip) {
  BoardView view;
  apply_board_tooltips(view, 2);
  for (const Control& c : view.controls().all()) {
    if (c.name == "Frame_Zerdos" || c.name == "FrameTip") continue;  // not language slots
    EXPECT_FALSE(c.tooltip.empty()) << c.full_name();
  }
}

TEST(LanguageTables, StoredNameToCode) {
  EXPECT_EQ(0, language_code_of("Deutsch"));
  EXPECT_EQ(1, language_code_of("English"));
  EXPECT_EQ(2, language_code_of("Vlaams"));
  EXPECT_EQ(0, language_code_of("Klingon"));
  EXPECT_EQ(0, language_code_of("english"));
  EXPECT_EQ(0, language_code_of(""));
}

TEST(LanguageTables, LocaleToFirstLanguage) {
  const std::pair<const char*, int> cases[] = {
      {"en_GB.UTF-8", 1}, {"en", 1},      {"en_US@euro", 1}, {"en.UTF-8", 1},
      {"nl_BE.UTF-8", 2}, {"nl_NL", 2},   {"nl", 2},         {"de_DE.UTF-8", 0},
      {"C", 0},           {"C.UTF-8", 0}, {"POSIX", 0},      {"", 0},
      {"eo", 0},          {"enx_US", 0},  {"fr_BE", 0},      {"nds_DE", 0},
  };
  for (const auto& [locale, code] : cases)
    EXPECT_EQ(code, language_code_for_locale(locale)) << locale;
}

}  // namespace
}  // namespace zerdo
