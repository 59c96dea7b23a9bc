#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zerdo {

// The help is a set of HTML topics per language, help/de, help/en and
// help/nl; each topic names its title and its keywords in the page head.

// The contents topic for a help context number: 1200 German, 1210 English,
// 1220 Flemish; any other number opens the German contents.
std::string help_contents_topic(int context);
// The language_code of a help context number: that of the contents topic
// opened for it.
int help_language_of(int context);
// The language folder ("de", "en", "nl") of language_code 0, 1, 2.
std::string_view help_folder(int language_code);

struct HelpTopic {
  std::string file;  // "de/cards.html"
  std::string title;
  std::vector<std::string> keywords;
};

// Reads <title> and <meta name="keywords" content="a; b; c"> of a topic.
HelpTopic parse_help_topic(std::string file, std::string_view html);

struct IndexEntry {
  std::string keyword;
  std::string file;
  std::string title;
};

// The keyword index of one language: every keyword of every topic, sorted
// alphabetically without regard to case.
std::vector<IndexEntry> keyword_index(const std::vector<HelpTopic>& topics);

// The entries whose keyword contains text (without regard to case); those
// that begin with it come first, each group in index order. An empty text
// lists the whole index.
std::vector<IndexEntry> find_keyword(const std::vector<IndexEntry>& index, std::string_view text);

// What the keyword search shows for text in the language language_code:
// the entries found, or, when there are none, one line that says so in the
// player's words (an empty text lists the whole index, never the line).
struct HelpSearch {
  std::vector<IndexEntry> found;
  std::string nothing_found;  // "" when something was found
};
HelpSearch search_help(const std::vector<IndexEntry>& index, std::string_view text,
                       int language_code);

// A clue card drawn in the help: "side;picture;cell,cell,..." with one cell
// per field, row by row. A cell is "." (bordered, empty), or any of: a
// leading "-" (no border), "g" (grey must-field box), "x" (a cross), a
// picture id 1..24. The picture is drawn at the card's left (0 none).
struct CardSketch {
  struct Cell {
    bool border = true;
    bool grey = false;
    bool cross = false;
    int picture = 0;
  };
  int side = 3;
  int picture = 0;
  std::vector<Cell> cells;
};
std::optional<CardSketch> parse_card_sketch(std::string_view text);

}  // namespace zerdo
