#include "view/help_index.h"

#include <algorithm>

#include "texts/help.h"

namespace zerdo {

namespace {

// Lower case for ASCII and for the Latin-1 capitals written in UTF-8
// (Ä, Ö, Ü and their kin are 0xC3 0x80..0x9E; the small letters lie 0x20 higher).
std::string folded(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + 32);
    } else if (c == 0xC3 && i + 1 < out.size()) {
      auto d = static_cast<unsigned char>(out[i + 1]);
      if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 0x20);
      ++i;
    }
  }
  return out;
}

std::string trimmed(std::string_view s) {
  const auto b = s.find_first_not_of(" \t\r\n");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t\r\n");
  return std::string(s.substr(b, e - b + 1));
}

// The text between the first open and the next close after it.
std::string_view between(std::string_view s, std::string_view open, std::string_view close) {
  const auto a = s.find(open);
  if (a == std::string_view::npos) return {};
  const auto from = a + open.size();
  const auto b = s.find(close, from);
  return b == std::string_view::npos ? std::string_view{} : s.substr(from, b - from);
}

}  // namespace

std::string_view help_folder(int language_code) { return in(kHelpFolders, language_code); }

int help_language_of(int context) {
  for (std::size_t code = 0; code < kHelpContentsContext.size(); ++code)
    if (kHelpContentsContext[code] == context) return static_cast<int>(code);
  return 0;
}

std::string help_contents_topic(int context) {
  return std::string(help_folder(help_language_of(context))) + "/index.html";
}

HelpTopic parse_help_topic(std::string file, std::string_view html) {
  HelpTopic t;
  t.file = std::move(file);
  t.title = trimmed(between(html, "<title>", "</title>"));
  const std::string_view meta = between(html, "<meta name=\"keywords\" content=\"", "\"");
  std::size_t from = 0;
  while (from <= meta.size()) {
    auto to = meta.find(';', from);
    if (to == std::string_view::npos) to = meta.size();
    std::string k = trimmed(meta.substr(from, to - from));
    if (!k.empty()) t.keywords.push_back(std::move(k));
    from = to + 1;
  }
  return t;
}

std::vector<IndexEntry> keyword_index(const std::vector<HelpTopic>& topics) {
  std::vector<IndexEntry> index;
  for (const HelpTopic& t : topics)
    for (const std::string& k : t.keywords) index.push_back({k, t.file, t.title});
  std::stable_sort(index.begin(), index.end(), [](const IndexEntry& a, const IndexEntry& b) {
    return folded(a.keyword) < folded(b.keyword);
  });
  return index;
}

std::vector<IndexEntry> find_keyword(const std::vector<IndexEntry>& index, std::string_view text) {
  const std::string key = folded(trimmed(text));
  std::vector<IndexEntry> starts, contains;
  for (const IndexEntry& e : index) {
    const auto at = folded(e.keyword).find(key);
    if (at == 0)
      starts.push_back(e);
    else if (at != std::string::npos)
      contains.push_back(e);
  }
  starts.insert(starts.end(), contains.begin(), contains.end());
  return starts;
}

HelpSearch search_help(const std::vector<IndexEntry>& index, std::string_view text,
                       int language_code) {
  HelpSearch out{find_keyword(index, text), {}};
  if (out.found.empty())
    out.nothing_found = std::string(in(kNoKeywordFound, language_code)) + " \xE2\x80\x9E" +
                        trimmed(text) + "\xE2\x80\x9C";
  return out;
}

std::optional<CardSketch> parse_card_sketch(std::string_view text) {
  CardSketch card;
  const auto a = text.find(';');
  const auto b = a == std::string_view::npos ? a : text.find(';', a + 1);
  if (b == std::string_view::npos) return std::nullopt;
  const std::string side(text.substr(0, a)), picture(text.substr(a + 1, b - a - 1));
  if (side != "3" && side != "4") return std::nullopt;
  card.side = side[0] - '0';
  if (picture.empty() || picture.size() > 2 ||
      !std::all_of(picture.begin(), picture.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  card.picture = std::stoi(picture);
  if (card.picture > 24) return std::nullopt;

  std::string_view rest = text.substr(b + 1);
  while (true) {
    const auto comma = rest.find(',');
    std::string_view tok = rest.substr(0, comma);
    CardSketch::Cell cell;
    if (!tok.empty() && tok[0] == '-') {
      cell.border = false;
      tok.remove_prefix(1);
    }
    if (!tok.empty() && tok[0] == 'g') {
      cell.grey = true;
      tok.remove_prefix(1);
    }
    if (!tok.empty() && tok[0] == 'x') {
      cell.cross = true;
      tok.remove_prefix(1);
    }
    if (tok == ".") tok = {};
    if (!tok.empty()) {
      if (tok.size() > 2 ||
          !std::all_of(tok.begin(), tok.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
      cell.picture = std::stoi(std::string(tok));
      if (cell.picture < 1 || cell.picture > 24) return std::nullopt;
    }
    card.cells.push_back(cell);
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  if (card.cells.size() != static_cast<std::size_t>(card.side * card.side)) return std::nullopt;
  return card;
}

}  // namespace zerdo
