#include "records/statistics.h"

#include "ui/captions.h"

namespace zerdo {

namespace {

struct TipWords {
  std::string_view no_tip, never_lost, you_will_lose, warning, champion, player, eager_player,
      real_champion, range_label, played, and_of_these, won, and_word, lost, no_record, records,
      title;
};

// clang-format off
constexpr std::array<TipWords, kLanguages> kTipWords{{
    {   // German
        "Leider kein Tip",
        "Du verlierst nicht gerne, oder?",
        "Irgendwann verlierst auch Du!",
        "Ich warne Dich. Irgendwann verlierst auch Du!",
        "Du bist der absolute Champion.",
        "Du bist eine Spielernatur, und gibts nicht schnell auf.",
        "Du bist eine echte Spielernatur, und musst aber noch viel lernen.",
        "In Dir steckt ein Champion, aber: Du darfst als wahre Champion nie verlieren!",
        "Bereich = ",
        "x gespielt",
        ", und dabei ",
        "x gewonnen",
        " und",
        "x verloren",
        "Kein neuer Rekord aufgestellt",
        "x ein neuer Rekord aufgestellt",
        "Zerdo : Tip vom Tage und Statistik",
    },
    {   // English
        "Sorry, no tip",
        "You're not a looser, aren't you?",
        "Sometime you'll loose also!",
        "I warn you. You cannot win forever!",
        "You're the absolute Champ.",
        "You're a gambler, and don't giveup that fast.",
        "You're a natural gambler, and you have to learn a lot.",
        "You're a real champion, but: a real champion never looses!",
        "Range = ",
        " games",
        ", and ",
        "x won",
        " and",
        "x lost",
        "No besttime",
        "x besttime",
        "Zerdo : tip of the day and statistics",
    },
    {   // Flemish
        "Spijtig, geen tip",
        "Jij bent geen verliezer, he?",
        "Ook jij komt er nogwel eens aan!",
        "Waarschuwing: je kan niet ewig blijven winnen!",
        "Je bent de absolute kampioen.",
        "Je bent een spelernatuur, en je geeft niet alte vlug op.",
        "Je bent een spelernatuur, en je hebt nog veel te leren.",
        "Je bent een echt kampioen, EN een echte verliest nooit!",
        "Bereik = ",
        " spellekes",
        ", en ",
        "x gewonnen",
        " en",
        "x verloren",
        "Geen rekordtijd",
        "x rekordtijd",
        "Zerdo : tip van de dag en statistiek",
    },
}};
// clang-format on

constexpr char kBreak = '\r';
constexpr Int kNoTime = 30000;

// A number in messages: a blank in the sign place of a non-negative value.
std::string number(int v) { return (v >= 0 ? " " : "") + std::to_string(v); }

// The verdict on the player; later rules replace earlier ones.
std::string_view verdict(const TipWords& w, int won, int lost) {
  const int total = won + lost;
  std::string_view tip = w.no_tip;
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
                          const std::array<std::string, 10>& holders,
                          std::string_view range_name, Int language_code) {
  const TipWords& w = kTipWords[lang(language_code)];
  const int won = stats[11], lost = stats[12], records = stats[14];
  const int total = won + lost;

  std::string text = std::string(w.range_label) + std::string(range_name) + kBreak +
                     std::string(verdict(w, won, lost)) + kBreak;
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
  text += std::string{kBreak, kBreak} + number(total) + std::string(w.played);
  if (total > 0) {
    text += std::string(w.and_of_these) + kBreak;
    if (won > 0) text += number(won) + std::string(w.won);
    if (lost > 0) {
      if (won > 0) text += w.and_word;
      text += number(lost) + std::string(w.lost);
    }
    text += kBreak;
    text += records < 1 ? std::string(w.no_record) : number(records) + std::string(w.records);
  }
  return {std::string(w.title), text};
}

}  // namespace zerdo
