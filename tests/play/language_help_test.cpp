// Languages, tip of the day, help and About through the main window.
#include <gtest/gtest.h>

#include <string>

#include "play/fake_platform.h"
#include "play/frm_main.h"

namespace zerdo {
namespace {

using testing::FakePlatform;

// A platform whose system has a system-information tool.
class PlatformWithSysInfo : public FakePlatform {
 public:
  std::optional<std::string> program;
  bool launches = true;
  std::optional<std::string> system_info_program() override { return program; }
  bool launch(const std::string& p) override {
    help_calls.push_back("launch " + p);
    return launches;
  }
};

class LanguageAndHelp : public ::testing::Test {
 protected:
  void SetUp() override { w.start_up(); }
  std::string tooltip(const std::string& control) { return w.controls().find(control)->tooltip; }
  std::string caption(const std::string& item) { return w.menus().find(item)->caption; }

  PlatformWithSysInfo platform;
  FrmMain w{platform};
};

TEST_F(LanguageAndHelp, LanguageMenuSwitchesEveryKindOfSlot) {
  const std::string status_before = w.panels()[1].text;
  const std::string caption_before = w.window().caption;
  ASSERT_TRUE(w.choose_menu("mnuFileSetupLanguageEnglish"));
  EXPECT_EQ(1, w.state().language_code);
  EXPECT_EQ("English", w.state().language_name);
  EXPECT_EQ("&German", caption("mnuFileSetupLanguageDeutsch"));
  EXPECT_EQ("&English", caption("mnuFileSetupLanguageEnglish"));
  EXPECT_EQ("&Dutch", caption("mnuFileSetupLanguageVlaams"));
  EXPECT_FALSE(w.menus().find("mnuFileSetupLanguageDeutsch")->checked);
  EXPECT_TRUE(w.menus().find("mnuFileSetupLanguageEnglish")->checked);
  EXPECT_EQ("&Contents", caption("mnuHelpContents"));
  EXPECT_EQ("&Info", caption("mnuHelpAbout"));
  EXPECT_EQ("Time", w.panels()[4].tooltip);
  EXPECT_EQ("Field 5", tooltip("spielfeld(5)"));
  EXPECT_EQ("Zerdo : Quadrat red", tooltip("Picture_vier_rood"));
  // Texts already shown keep their language until they are rebuilt.
  EXPECT_EQ(status_before, w.panels()[1].text);
  EXPECT_EQ(caption_before, w.window().caption);

  ASSERT_TRUE(w.choose_menu("mnuFileSetupLanguageVlaams"));
  EXPECT_EQ("Vlaams", w.state().language_name);
  EXPECT_EQ("&Vlaams", caption("mnuFileSetupLanguageVlaams"));
  EXPECT_EQ("&Duits", caption("mnuFileSetupLanguageDeutsch"));
  EXPECT_EQ("Uur", w.panels()[4].tooltip);
  EXPECT_EQ("Zerdo-Status", w.panels()[1].tooltip);
  EXPECT_EQ("Versie", w.panels()[3].tooltip);
  EXPECT_EQ("Nr 3, veld 7", tooltip("Frame_1_7(2)"));
  EXPECT_EQ("Lila", tooltip("Picture_klex_lila(0)"));

  ASSERT_TRUE(w.choose_menu("mnuFileSetupLanguageDeutsch"));
  EXPECT_EQ(0, w.state().language_code);
  EXPECT_EQ("&Deutsch", caption("mnuFileSetupLanguageDeutsch"));
  EXPECT_EQ("&Hilfe", caption("mnuHelpContents"));
  EXPECT_EQ("Modus", w.panels()[2].tooltip);
  EXPECT_EQ("Feld gesperrt", tooltip("kreuz(0)"));
}

TEST(LanguageAtStartUp, StoredLanguageIsAppliedAndWrittenBack) {
  const std::pair<const char*, const char*> cases[] = {
      {"English", "English"}, {"Vlaams", "Vlaams"}, {"Klingon", "Deutsch"}, {"", "Deutsch"}};
  for (const auto& [stored, applied] : cases) {
    PlatformWithSysInfo platform;
    platform.store["Language"] = stored;
    FrmMain w{platform};
    w.start_up();
    EXPECT_EQ(applied, w.state().language_name) << stored;
    EXPECT_TRUE(w.menus().find("mnuFileSetupLanguage" + std::string(applied))->checked) << stored;
    EXPECT_FALSE(w.controls().find("spielfeld(1)")->tooltip.empty());
    w.shut_down();
    EXPECT_EQ(applied, platform.store["Language"]) << stored;
  }
}

// With no language stored, the locale picks it, and it is written back so that
// the next start keeps it; a stored language wins over any locale.
TEST(LanguageAtStartUp, NewPlayerStartsInTheLocalesLanguageStoredOneWins) {
  struct Case {
    const char* stored;  // nullptr: no language in the store
    const char* locale;
    const char* applied;
  };
  const Case cases[] = {
      {nullptr, "en_GB.UTF-8", "English"},
      {nullptr, "nl_BE.UTF-8", "Vlaams"},
      {nullptr, "C", "Deutsch"},
      {nullptr, "fr_FR", "Deutsch"},
      {nullptr, "", "Deutsch"},
      {"Deutsch", "en_US.UTF-8", "Deutsch"},
      {"Vlaams", "en_US.UTF-8", "Vlaams"},
      {"English", "C", "English"},
  };
  for (const Case& c : cases) {
    PlatformWithSysInfo platform;
    platform.locale = c.locale;
    if (c.stored) platform.store["Language"] = c.stored;
    FrmMain w{platform};
    w.start_up();
    EXPECT_EQ(c.applied, w.state().language_name) << c.locale;
    w.shut_down();
    EXPECT_EQ(c.applied, platform.store["Language"]) << c.locale;
  }
}

TEST_F(LanguageAndHelp, LanguageItemsSitUnderSetupBeforeTheRange) {
  const MenuItem& setup = *w.menus().find("mnuFileSetup");
  ASSERT_GE(setup.children.size(), 2u);
  EXPECT_EQ("mnuFileSetupLanguage", w.menus()[setup.children[0]].name);
  EXPECT_EQ("mnuFileSetupRange", w.menus()[setup.children[1]].name);
  std::vector<std::string> help;
  for (int i : w.menus().find("mnuHelp")->children) help.push_back(w.menus()[i].name);
  EXPECT_EQ(
      (std::vector<std::string>{"mnuHelpContents", "mnuHelpSearchForHelpOn", "mnuHelpResultEnable",
                                "mnuHelpHint", "mnuHelpStatistics", "mnuHelpAbout"}),
      help);
}

TEST_F(LanguageAndHelp, ContentsOpensTheTopicOfTheLanguage) {
  const std::pair<const char*, const char*> cases[] = {
      {"mnuFileSetupLanguageEnglish", "open zerdo.hlp 1210"},
      {"mnuFileSetupLanguageVlaams", "open zerdo.hlp 1220"},
      {"mnuFileSetupLanguageDeutsch", "open zerdo.hlp 1200"},
  };
  for (const auto& [language, call] : cases) {
    platform.help_calls.clear();
    w.choose_menu(language);
    ASSERT_TRUE(w.choose_menu("mnuHelpContents"));
    EXPECT_EQ(std::vector<std::string>{call}, platform.help_calls);
  }
  platform.help_calls.clear();
  ASSERT_TRUE(w.choose_menu("mnuHelpSearchForHelpOn"));
  EXPECT_EQ(std::vector<std::string>{"search zerdo.hlp "}, platform.help_calls);
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(LanguageAndHelp, WithoutAHelpFileTheMenuSaysSo) {
  w.set_help_file("");
  struct Case {
    const char* language;
    const char* item;
    const char* text;
  };
  const Case cases[] = {
      {"mnuFileSetupLanguageDeutsch", "mnuHelpContents",
       "Info Inhalt: es ist keine Hilfedatei auffindbar."},
      {"mnuFileSetupLanguageDeutsch", "mnuHelpSearchForHelpOn",
       "Info Suche: es ist keine Hilfedatei auffindbar."},
      {"mnuFileSetupLanguageEnglish", "mnuHelpSearchForHelpOn",
       "Unable to display Help Contents. There is no Help associated with this project."},
      {"mnuFileSetupLanguageVlaams", "mnuHelpContents",
       "Kan de Hulp inhoud niet tonen. Er is geen Hulp geassocieert met het projekt."},
  };
  for (const Case& c : cases) {
    platform.boxes.clear();
    w.choose_menu(c.language);
    w.choose_menu(c.item);
    ASSERT_EQ(1u, platform.boxes.size()) << c.item;
    EXPECT_EQ(c.text, platform.boxes[0].text);
    EXPECT_EQ(w.window().caption, platform.boxes[0].title);
    EXPECT_EQ(Icon::Information, platform.boxes[0].icon);
    EXPECT_EQ(Buttons::Ok, platform.boxes[0].buttons);
  }
  EXPECT_TRUE(platform.help_calls.empty());
}

TEST_F(LanguageAndHelp, ExitClosesTheHelpViewer) {
  platform.help_calls.clear();
  w.shut_down();
  EXPECT_EQ(std::vector<std::string>{"close"}, platform.help_calls);
}

TEST_F(LanguageAndHelp, AboutWindow) {
  ASSERT_TRUE(w.choose_menu("mnuHelpAbout"));
  const Form* about = w.last_form("frmAbout");
  ASSERT_NE(nullptr, about);
  EXPECT_EQ("Zerdo Info", about->caption);
  const std::pair<const char*, const char*> labels[] = {{"lblTitle", "Zerdo"},
                                                        {"lblVersion", "Version 1.2.0"},
                                                        {"cmdOK", "OK"},
                                                        {"cmdSysInfo", "&System Info..."}};
  for (const auto& [name, text] : labels) {
    const Control* c = about->controls.find(name);
    ASSERT_NE(nullptr, c) << name;
    EXPECT_EQ(text, c->caption.value_or("-")) << name;
  }
  for (const char* name : {"lblDescription", "lblDisclaimer"})
    EXPECT_FALSE(about->controls.find(name)->caption.value_or("").empty()) << name;
  EXPECT_EQ(ControlKind::Picture, about->controls.find("picIcon")->kind);
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(LanguageAndHelp, SystemInfoLaunchesTheToolOrSaysItIsNotReady) {
  const char* const kNotReady = "System Information ist momentan nicht bereit.";
  // No tool on this system: the German message in every language.
  w.choose_menu("mnuFileSetupLanguageEnglish");
  platform.form_clicks.push_back("cmdSysInfo");
  w.choose_menu("mnuHelpAbout");
  ASSERT_EQ(1u, platform.boxes.size());
  EXPECT_EQ(kNotReady, platform.boxes[0].text);
  EXPECT_EQ(Buttons::Ok, platform.boxes[0].buttons);

  // A tool that starts.
  platform.boxes.clear();
  platform.help_calls.clear();
  platform.program = "/usr/bin/kinfocenter";
  platform.form_clicks.push_back("cmdSysInfo");
  w.choose_menu("mnuHelpAbout");
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(std::vector<std::string>{"launch /usr/bin/kinfocenter"}, platform.help_calls);

  // A tool that fails to start.
  platform.launches = false;
  platform.form_clicks.push_back("cmdSysInfo");
  w.choose_menu("mnuHelpAbout");
  ASSERT_EQ(1u, platform.boxes.size());
  EXPECT_EQ(kNotReady, platform.boxes[0].text);
}

TEST_F(LanguageAndHelp, TipFrameShowsTheRangeStatistics) {
  w.show_statistics();
  ASSERT_EQ(1u, platform.boxes.size());
  const MessageBox& b = platform.boxes[0];
  EXPECT_EQ("Zerdo : Tip vom Tage und Statistik", b.title);
  EXPECT_EQ(0u, b.text.find("Bereich = 3x3\rLeider kein Tip\r\r   A = ---"));
  EXPECT_EQ(Icon::None, b.icon);
  EXPECT_EQ(Buttons::Ok, b.buttons);

  w.choose_menu("mnuFileSetupLanguageVlaams");
  w.choose_menu("mnuFileSetupRange4x4");
  w.show_statistics();
  ASSERT_EQ(2u, platform.boxes.size());
  EXPECT_EQ("Zerdo : tip van de dag en statistiek", platform.boxes[1].title);
  EXPECT_EQ(0u, platform.boxes[1].text.find("Bereik = 4x4\rSpijtig, geen tip\r"));
}

}  // namespace
}  // namespace zerdo
