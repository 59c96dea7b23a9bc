#include "records/statistics.h"

#include "model/number_text.h"
#include "texts/captions.h"
#include "texts/statistics.h"

namespace zerdo {

namespace {

constexpr char kBreak = '\r';

// The verdict on the player; later rules replace earlier ones.
Texts verdict(int won, int lost) {
  namespace w = tip_words;
  const int total = won + lost;
  Texts tip = w::kNoTip;
  if (total <= 0) return tip;
  if (lost == 0) {
    tip = w::kNeverLost;
    if (won > 10) tip = w::kYouWillLose;
    if (won > 20) tip = w::kWarning;
    if (won > 30) tip = w::kChampion;
  }
  if (lost > 0) {
    if (total > 25) tip = w::kPlayer;
    if (total > 50) tip = w::kEagerPlayer;
    // A ratio of exactly 10 is not enough.
    if (static_cast<double>(won) / lost > 10.0 && won > 25) tip = w::kRealChampion;
  }
  return tip;
}

// A caption without its access key: "St&ufe" gives "Stufe".
std::string without_access_key(std::string_view caption) {
  std::string out;
  for (const char ch : caption)
    if (ch != '&') out += ch;
  return out;
}

}  // namespace

std::string tenths_text(Int tenths) {
  const int v = tenths;
  const std::string digits = std::to_string(v < 0 ? -v : v);
  return (v < 0 ? "-" : "") + digits.substr(0, digits.size() - 1) + "." + digits.back();
}

MessageText tip_of_the_day(const RangeStatsRow& stats, const RecordHoldersRow& holders,
                           std::string_view range_name, Int language_code) {
  namespace w = tip_words;
  const Int c = language_code;
  const int won = stats[kRowWon], lost = stats[kRowLost], records = stats[kRowNewRecords];
  const int total = won + lost;

  std::string text = std::string(in(w::kRangeLabel, c)) + std::string(range_name) + kBreak +
                     std::string(in(verdict(won, lost), c)) + kBreak;
  for (int level = 1; level <= kLevels; ++level) {
    const auto L = static_cast<std::size_t>(level);
    text += kBreak;
    text += "   ";
    text += static_cast<char>('A' + level - 1);
    if (stats[L] == kNoRecord) {
      text += " = ---";
      continue;
    }
    text += " = " + tenths_text(stats[L]) + " ";
    if (!holders[L].empty()) text += "[" + holders[L] + "]";
  }
  text += std::string{kBreak, kBreak} + str_num(total) + std::string(in(w::kPlayed, c));
  if (total > 0) {
    text += std::string(in(w::kAndOfThese, c)) + kBreak;
    if (won > 0) text += str_num(won) + std::string(in(w::kWon, c));
    if (lost > 0) {
      if (won > 0) text += in(w::kAndWord, c);
      text += str_num(lost) + std::string(in(w::kLost, c));
    }
    text += kBreak;
    text += records < 1 ? std::string(in(w::kNoRecord, c))
                        : str_num(records) + std::string(in(w::kRecords, c));
  }
  return {std::string(in(w::kTitle, c)), text};
}

std::vector<ReaderLine> statistics_reading(const RangeStatsRow& stats,
                                           const RecordHoldersRow& holders,
                                           std::string_view range_name, Int language_code) {
  namespace w = tip_words;
  const Int c = language_code;
  const auto word = [c](const Texts& t) { return std::string(in(t, c)); };
  const int won = stats[kRowWon], lost = stats[kRowLost];
  // The range's name from the box's label, without its " = ".
  std::string range = word(w::kRangeLabel);
  range = range.substr(0, range.find(" ="));
  std::vector<ReaderLine> lines{{range, std::string(range_name)},
                                {word(w::kTipName), word(verdict(won, lost))}};
  const std::string level = without_access_key(in(menu_words::kLevel, c));
  for (int L = 1; L <= kLevels; ++L) {
    const auto i = static_cast<std::size_t>(L);
    std::string said = word(w::kNoBestTime);
    if (stats[i] != kNoRecord) {
      said = tenths_text(stats[i]) + " " + word(w::kSeconds);
      if (!holders[i].empty()) said += ", " + holders[i];
    }
    lines.push_back({level + " " + static_cast<char>('A' + L - 1), said});
  }
  lines.push_back({word(w::kPlayedName), std::to_string(won + lost)});
  lines.push_back({word(w::kWonName), std::to_string(won)});
  lines.push_back({word(w::kLostName), std::to_string(lost)});
  lines.push_back({word(w::kRecordsName), std::to_string(stats[kRowNewRecords])});
  return lines;
}

}  // namespace zerdo
