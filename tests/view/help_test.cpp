// The help topics of the three languages and their keyword index.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "view/help_index.h"

namespace zerdo {
namespace {

std::string read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The topics the resource list carries, by language folder.
std::map<std::string, std::vector<std::string>> resource_topics() {
  const std::string qrc = read(std::string(ZERDO_HELP_DIR) + "/help.qrc");
  std::map<std::string, std::vector<std::string>> out;
  const std::regex file("<file>(de|en|nl)/([a-z_]+\\.html)</file>");
  for (std::sregex_iterator it(qrc.begin(), qrc.end(), file), end; it != end; ++it)
    out[(*it)[1]].push_back((*it)[2]);
  return out;
}

std::vector<HelpTopic> topics_of(const std::string& folder) {
  std::vector<HelpTopic> topics;
  const auto all = resource_topics();
  for (const std::string& name : all.at(folder)) {
    const std::string file = folder + "/" + name;
    topics.push_back(parse_help_topic(file, read(std::string(ZERDO_HELP_DIR) + "/" + file)));
  }
  return topics;
}

TEST(HelpContent, EveryLanguageHasTheSameTopicsWithTitleAndKeywords) {
  const auto topics = resource_topics();
  ASSERT_EQ(3u, topics.size());
  const std::set<std::string> german(topics.at("de").begin(), topics.at("de").end());
  EXPECT_TRUE(german.count("index.html"));
  for (const char* folder : {"en", "nl"})
    EXPECT_EQ(german, std::set<std::string>(topics.at(folder).begin(), topics.at(folder).end()))
        << folder;
  for (const char* folder : {"de", "en", "nl"})
    for (const HelpTopic& t : topics_of(folder)) {
      EXPECT_FALSE(t.title.empty()) << t.file;
      EXPECT_GE(t.keywords.size(), 3u) << t.file;
    }
}

TEST(HelpContent, LinksAndPicturesResolve) {
  const std::regex link("href=\"([^\"]+)\"");
  const std::regex image("src=\"([^\"]+)\"");
  for (const auto& [folder, names] : resource_topics()) {
    const std::set<std::string> known(names.begin(), names.end());
    for (const std::string& name : names) {
      const std::string html = read(std::string(ZERDO_HELP_DIR) + "/" + folder + "/" + name);
      for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it)
        EXPECT_TRUE(known.count((*it)[1])) << folder << "/" << name << ": " << (*it)[1];
      for (std::sregex_iterator it(html.begin(), html.end(), image), end; it != end; ++it) {
        const std::string src = (*it)[1];
        if (src.rfind("zerdo-card:", 0) == 0) {
          EXPECT_TRUE(parse_card_sketch(src.substr(11))) << folder << "/" << name << ": " << src;
        } else if (src.rfind("zerdo-marked:", 0) == 0) {
          // Only pieces and blots carry the pattern of a colour.
          const int id = std::stoi(src.substr(13));
          EXPECT_TRUE(id >= 1 && id <= 20) << folder << "/" << name << ": " << src;
        } else {
          ASSERT_EQ(0u, src.rfind("zerdo-picture:", 0)) << src;
          const int id = std::stoi(src.substr(14));
          EXPECT_TRUE(id >= 1 && id <= 25) << folder << "/" << name << ": " << src;
        }
      }
    }
  }
}

TEST(HelpIndex, ContentsTopicPerContext) {
  EXPECT_EQ("de/index.html", help_contents_topic(1200));
  EXPECT_EQ("en/index.html", help_contents_topic(1210));
  EXPECT_EQ("nl/index.html", help_contents_topic(1220));
  EXPECT_EQ("de/index.html", help_contents_topic(0));
  EXPECT_EQ("nl", help_folder(2));
  EXPECT_EQ("de", help_folder(7));
}

TEST(HelpIndex, ParsesTitleAndKeywords) {
  const HelpTopic t = parse_help_topic(
      "de/x.html",
      "<html><head><title> Karten </title>\n"
      "<meta name=\"keywords\" content=\"Kreuz; Feld gesperrt ;; Anker\"></head></html>");
  EXPECT_EQ("Karten", t.title);
  EXPECT_EQ((std::vector<std::string>{"Kreuz", "Feld gesperrt", "Anker"}), t.keywords);
  EXPECT_TRUE(parse_help_topic("de/y.html", "<p>no head</p>").keywords.empty());
}

TEST(HelpIndex, SearchFindsTopicsRegardlessOfCase) {
  const std::vector<HelpTopic> topics{
      {"de/a.html", "A", {"Kreuz", "Übersicht", "Zug"}},
      {"de/b.html", "B", {"Feld gesperrt", "Spielfeld", "Züge"}},
  };
  const auto index = keyword_index(topics);
  ASSERT_EQ(6u, index.size());
  EXPECT_EQ("Feld gesperrt", index.front().keyword);

  auto keywords = [&](std::string_view text) {
    std::vector<std::string> out;
    for (const IndexEntry& e : find_keyword(index, text)) out.push_back(e.keyword + "@" + e.file);
    return out;
  };
  EXPECT_EQ((std::vector<std::string>{"Feld gesperrt@de/b.html", "Spielfeld@de/b.html"}),
            keywords("feld"));
  EXPECT_EQ((std::vector<std::string>{"Übersicht@de/a.html"}), keywords("übers"));
  EXPECT_EQ((std::vector<std::string>{"Zug@de/a.html"}), keywords(" ZUG "));
  EXPECT_EQ(6u, find_keyword(index, "").size());
  EXPECT_TRUE(find_keyword(index, "Drache").empty());
}

TEST(HelpIndex, RealIndexAnswersCommonWords) {
  const std::pair<const char*, const char*> cases[] = {
      {"de", "kreuz"},    {"de", "tip vom"},  {"en", "anchor"},
      {"en", "F9"},       {"nl", "rekord"},   {"nl", "kruis"},
      {"de", "tastatur"}, {"en", "keyboard"}, {"nl", "toetsenbord"}};
  for (const auto& [folder, word] : cases) {
    const auto index = keyword_index(topics_of(folder));
    EXPECT_FALSE(find_keyword(index, word).empty()) << folder << " " << word;
  }
}

// Every feature of the game has a keyword of its own in each language, and
// each keyword leads to a topic the help carries.
TEST(HelpIndex, EveryFeatureHasAKeywordInEveryLanguage) {
  const std::map<std::string, std::vector<const char*>> features{
      {"de", {"Drucken",   "PDF",        "Abhaken",     "Markieren",
              "Zoom",      "Rückgängig", "Wiederholen", "Fortsetzen",
              "Verlauf",   "Hinweis",    "Tastatur",    "Leertaste",
              "Esc",       "Statistik",  "Bestenliste", "Farben mit Mustern",
              "Speichern", "Laden",      "Anker",       "Stufe"}},
      {"en", {"print",   "PDF",        "mark",         "tick",
              "zoom",    "undo",       "redo",         "continue",
              "history", "hint",       "keyboard",     "Space",
              "Escape",  "statistics", "hall of fame", "colour patterns",
              "save",    "load",       "anchor",       "level"}},
      {"nl",
       {"afdrukken",
        "PDF",
        "afvinken",
        "markeren",
        "zoom",
        "ongedaan maken",
        "opnieuw uitvoeren",
        "verderzetten",
        "geschiedenis",
        "hint",
        "toetsenbord",
        "spatie",
        "Escape",
        "statistiek",
        "erelijst",
        "kleuren met patronen",
        "schrijven",
        "lezen",
        "anker",
        "groep"}},
  };
  for (const auto& [folder, words] : features) {
    const std::vector<HelpTopic> topics = topics_of(folder);
    std::set<std::string> files;
    for (const HelpTopic& t : topics) files.insert(t.file);
    const auto index = keyword_index(topics);
    for (const char* word : words) {
      const HelpSearch search = search_help(index, word,
                                            folder == "de"   ? 0
                                            : folder == "en" ? 1
                                                             : 2);
      ASSERT_FALSE(search.found.empty()) << folder << ": " << word;
      EXPECT_TRUE(search.nothing_found.empty()) << folder << ": " << word;
      // The first entry is the keyword itself, and its topic is there.
      const IndexEntry& first = search.found.front();
      EXPECT_EQ(find_keyword({first}, word).size(), 1u) << folder << ": " << word;
      EXPECT_EQ(first.keyword.size(), std::string(word).size()) << folder << ": " << first.keyword;
      EXPECT_TRUE(files.count(first.file)) << folder << ": " << word << " -> " << first.file;
    }
  }
}

// A search that finds nothing says so, in the player's language, with the
// text typed; an empty search lists everything and says nothing.
TEST(HelpIndex, NothingFoundIsSaid) {
  const struct {
    const char* folder;
    int code;
    const char* said;
  } cases[] = {
      {"de", 0,
       "Kein Stichwort passt zu \xE2\x80\x9E"
       "Drache\xE2\x80\x9C"},
      {"en", 1,
       "No keyword matches \xE2\x80\x9E"
       "Drache\xE2\x80\x9C"},
      {"nl", 2,
       "Geen trefwoord past bij \xE2\x80\x9E"
       "Drache\xE2\x80\x9C"},
  };
  for (const auto& c : cases) {
    const auto index = keyword_index(topics_of(c.folder));
    const HelpSearch none = search_help(index, "  Drache ", c.code);
    EXPECT_TRUE(none.found.empty());
    EXPECT_EQ(c.said, none.nothing_found);
    const HelpSearch all = search_help(index, "", c.code);
    EXPECT_EQ(index.size(), all.found.size());
    EXPECT_TRUE(all.nothing_found.empty());
  }
}

TEST(CardSketch, ParsesCellsAndRefusesBadOnes) {
  const auto card = parse_card_sketch("3;2;-,-,-,g,-,-,4,-,x");
  ASSERT_TRUE(card);
  EXPECT_EQ(3, card->side);
  EXPECT_EQ(2, card->picture);
  ASSERT_EQ(9u, card->cells.size());
  EXPECT_FALSE(card->cells[0].border);
  EXPECT_TRUE(card->cells[3].grey);
  EXPECT_TRUE(card->cells[3].border);
  EXPECT_EQ(4, card->cells[6].picture);
  EXPECT_TRUE(card->cells[8].cross);
  EXPECT_EQ(16u, parse_card_sketch("4;0;.,.,.,.,.,.,.,.,.,.,.,.,.,.,.,17")->cells.size());
  for (const char* bad :
       {"", "3;2", "5;0;.", "3;0;.,.,.", "3;0;.,.,.,.,.,.,.,.,.,.", "3;30;.,.,.,.,.,.,.,.,.",
        "3;0;.,.,.,.,.,.,.,.,25", "3;0;.,.,.,.,.,.,.,.,q"})
    EXPECT_FALSE(parse_card_sketch(bad)) << bad;
}

}  // namespace
}  // namespace zerdo
