#include "records/statistics.h"

#include "texts/messages.h"

namespace zerdo {

namespace {

// The words of the message, one row per slot: German, English, Flemish.
struct TipWords {
  Texts no_tip, never_lost, you_will_lose, warning, champion, player, eager_player, real_champion,
      range_label, played, and_of_these, won, and_word, lost, no_record, records, title;
};

// clang-format off
constexpr TipWords kTipWords{
    {"Leider kein Tip", "Sorry, no tip", "Spijtig, geen tip"},
    {"Du verlierst nicht gerne, oder?", "You're not a looser, aren't you?", "Jij bent geen verliezer, he?"},
    {"Irgendwann verlierst auch Du!", "Sometime you'll loose also!", "Ook jij komt er nogwel eens aan!"},
    {"Ich warne Dich. Irgendwann verlierst auch Du!", "I warn you. You cannot win forever!",
     "Waarschuwing: je kan niet ewig blijven winnen!"},
    {"Du bist der absolute Champion.", "You're the absolute Champ.", "Je bent de absolute kampioen."},
    {"Du bist eine Spielernatur, und gibts nicht schnell auf.", "You're a gambler, and don't giveup that fast.",
     "Je bent een spelernatuur, en je geeft niet alte vlug op."},
    {"Du bist eine echte Spielernatur, und musst aber noch viel lernen.",
     "You're a natural gambler, and you have to learn a lot.",
     "Je bent een spelernatuur, en je hebt nog veel te leren."},
    {"In Dir steckt ein Champion, aber: Du darfst als wahre Champion nie verlieren!",
     "You're a real champion, but: a real champion never looses!",
     "Je bent een echt kampioen, EN een echte verliest nooit!"},
    {"Bereich = ", "Range = ", "Bereik = "},
    {"x gespielt", " games", " spellekes"},
    {", und dabei ", ", and ", ", en "},
    {"x gewonnen", "x won", "x gewonnen"},
    {" und", " and", " en"},
    {"x verloren", "x lost", "x verloren"},
    {"Kein neuer Rekord aufgestellt", "No besttime", "Geen rekordtijd"},
    {"x ein neuer Rekord aufgestellt", "x besttime", "x rekordtijd"},
    {"Zerdo : Tip vom Tage und Statistik", "Zerdo : tip of the day and statistics",
     "Zerdo : tip van de dag en statistiek"},
};
// clang-format on

constexpr char kBreak = '\r';
constexpr Int kNoTime = 30000;

// The verdict on the player; later rules replace earlier ones.
Texts verdict(const TipWords& w, int won, int lost) {
  const int total = won + lost;
  Texts tip = w.no_tip;
  if (total <= 0) return tip;
  if (lost == 0) {
    tip = w.never_lost;
    if (won > 10) tip = w.you_will_lose;
    if (won > 20) tip = w.warning;
    if (won > 30) tip = w.champion;
  }
  if (lost > 0) {
    if (total > 25) tip = w.player;
    if (total > 50) tip = w.eager_player;
    // A ratio of exactly 10 is not enough.
    if (static_cast<double>(won) / lost > 10.0 && won > 25) tip = w.real_champion;
  }
  return tip;
}

}  // namespace

std::string tenths_text(Int tenths) {
  const int v = tenths;
  const std::string digits = std::to_string(v < 0 ? -v : v);
  return (v < 0 ? "-" : "") + digits.substr(0, digits.size() - 1) + "." + digits.back();
}

TipMessage tip_of_the_day(const std::array<Int, 21>& stats,
                          const std::array<std::string, 10>& holders, std::string_view range_name,
                          Int language_code) {
  const TipWords& w = kTipWords;
  const Int c = language_code;
  const int won = stats[11], lost = stats[12], records = stats[14];
  const int total = won + lost;

  std::string text = std::string(in(w.range_label, c)) + std::string(range_name) + kBreak +
                     std::string(in(verdict(w, won, lost), c)) + kBreak;
  for (int level = 1; level <= 9; ++level) {
    const auto L = static_cast<std::size_t>(level);
    text += kBreak;
    text += "   ";
    text += static_cast<char>('A' + level - 1);
    if (stats[L] == kNoTime) {
      text += " = ---";
      continue;
    }
    text += " = " + tenths_text(stats[L]) + " ";
    if (!holders[L].empty()) text += "[" + holders[L] + "]";
  }
  text += std::string{kBreak, kBreak} + str_num(total) + std::string(in(w.played, c));
  if (total > 0) {
    text += std::string(in(w.and_of_these, c)) + kBreak;
    if (won > 0) text += str_num(won) + std::string(in(w.won, c));
    if (lost > 0) {
      if (won > 0) text += in(w.and_word, c);
      text += str_num(lost) + std::string(in(w.lost, c));
    }
    text += kBreak;
    text += records < 1 ? std::string(in(w.no_record, c))
                        : str_num(records) + std::string(in(w.records, c));
  }
  return {std::string(in(w.title, c)), text};
}

}  // namespace zerdo
