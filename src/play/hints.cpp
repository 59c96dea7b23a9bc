// The hint: one true step towards a right board, shown on the board, in the
// status line and to the screen reader. It never moves a piece itself.
#include "model/number_text.h"
#include "play/frm_main.h"
#include "solving/solver.h"
#include "texts/messages.h"
#include "view/board_reader.h"

namespace zerdo {

namespace {

std::size_t at(Int i) { return static_cast<std::size_t>(i); }

// " (card 3)" or " (cards 3, 5)" in the player's language.
std::string cards_text(const std::vector<Int>& cards, int lang) {
  std::string s(in(cards.size() == 1 ? msg::kHintCard : msg::kHintCards, lang));
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (i > 0) s += ", ";
    s += std::to_string(cards[i]);
  }
  return s + ")";
}

}  // namespace

Hint FrmMain::find_hint() const {
  const int n = s_.shape.field_count;
  const auto picture_of = [this](Int piece) {
    return s_.tables.picture_of_piece[at(s_.shape.range_code)][at(piece)];
  };
  // The piece on each field; of two pieces on one field the later has to go.
  std::array<Int, 17> piece_on{};
  for (Int p = 1; p <= n; ++p) {
    const Int f = s_.placement[at(p)];
    if (f < 1 || f > n) continue;
    if (piece_on[at(f)] != 0) {
      Hint h;
      h.kind = Hint::Kind::Wrong;
      h.picture = picture_of(p);
      h.field = f;
      return h;
    }
    piece_on[at(f)] = p;
  }
  Arrangement placed{}, stored{};
  for (Int f = 1; f <= n; ++f) {
    placed[at(f)] = piece_on[at(f)] != 0 ? picture_of(piece_on[at(f)]) : 0;
    stored[at(f)] = s_.solution[at(f)];
  }
  return Solver(s_.sn, s_.shape).hint(placed, stored);
}

std::string FrmMain::hint_words(const Hint& h) const {
  const int lang = s_.language_code;
  if (h.kind == Hint::Kind::None) return std::string(in(msg::kHintNone, lang));
  std::string s = std::string(in(msg::kHintLead, lang)) + piece_words(h.picture, s_.language_code);
  if (h.kind == Hint::Kind::Wrong)
    return s + std::string(in(msg::kHintOnField, lang)) + std::to_string(h.field) +
           std::string(in(msg::kHintIsWrong, lang));
  s += std::string(in(msg::kHintBelongs, lang)) + std::to_string(h.field);
  if (!h.cards.empty()) return s + cards_text(h.cards, lang);
  if (h.one_of_several) return s + std::string(in(msg::kHintOneOfSeveral, lang));
  return s;
}

void FrmMain::show_hint() {
  clear_hint();
  const Hint h = find_hint();
  if (h.kind != Hint::Kind::None) {
    // A hinted game sets no best time; the status line says so from now on.
    if (s_.hints < 32767) ++s_.hints;
    view_.piece(h.picture).highlighted = true;
    view_.field(h.field).highlighted = true;
    for (const Int card : h.cards) view_.card(card - 1).highlighted = true;
  }
  s_.hint = h;
  s_.hint_words = hint_words(h);
  panels_[1].text =
      status_text(s_.puzzle_id, s_.moves, "") + std::string(msg::kHintGap) + s_.hint_words;
}

void FrmMain::clear_hint() {
  if (!s_.hint) return;
  const Hint& h = *s_.hint;
  if (h.kind != Hint::Kind::None) {
    view_.piece(h.picture).highlighted = false;
    view_.field(h.field).highlighted = false;
    for (const Int card : h.cards) view_.card(card - 1).highlighted = false;
  }
  s_.hint.reset();
  s_.hint_words.clear();
}

}  // namespace zerdo
