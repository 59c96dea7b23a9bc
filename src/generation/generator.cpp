#include "generation/generator.h"

#include <array>
#include <string>

#include "model/levels.h"

namespace zerdo {

namespace {

// The puzzle ids of generated puzzles, "Ax" .. "Ix", built once.
const std::string& generated_id(Int level) {
  static const std::array<std::string, 10> ids = {"",   "Ax", "Bx", "Cx", "Dx",
                                                  "Ex", "Fx", "Gx", "Hx", "Ix"};
  return ids[static_cast<std::size_t>(level)];
}

// What the levels with the common start apply after it, in this order; crosses
// go on cards n+1..N, every other operation on every card. G and I have their
// own recipe.
struct Recipe {
  bool grey_box, klex, disabled, gesperrt, minimum;
};
// clang-format off
constexpr std::array<Recipe, 10> kRecipes{{
    //  grey box  klex   disabled gesperrt minimum
    {},
    {false, false, false, false, false},  // A
    {true,  false, false, false, false},  // B
    {true,  false, true,  false, true},   // C
    {true,  true,  false, false, false},  // D
    {true,  true,  true,  false, true},   // E
    {true,  true,  false, true,  false},  // F
    {},                                   // G: generate_mixed_puzzle
    {true,  true,  false, true,  true},   // H
    {},                                   // I: generate_mixed_puzzle
}};
// clang-format on

}  // namespace

void Generator::common_start() {
  calc_a_row_1_n(sn_field, shape_.field_count);
  calc_a_row_1_n(sn_Loesung, shape_.field_count);
  kopiere(sn_, shape_.field_count, sn_Loesung, sn_pict);
}

const Puzzle& Generator::generate(Int level) {
  alerts_.clear();
  anchor_check_.reset();
  const int count = shape_.field_count;
  for (int r = 1; r <= count && r <= kRecords; ++r) {
    for (int c = 0; c < kColumns; ++c) sn_(r, c) = 0;
    sn_(r, sn_nr) = r;
    sn_(r, sn_titel) = kTrue;
  }

  if (level == 7 || level == 9) {
    generate_mixed_puzzle(level == 9);
  } else if (level >= 1 && level <= kLevels) {
    const Recipe& recipe = kRecipes[static_cast<std::size_t>(level)];
    common_start();
    if (recipe.grey_box) kopiere(sn_, count, sn_field, sn_vorgabe);
    if (recipe.klex) klex_every_card(sn_rsv_1);
    if (recipe.disabled)
      for (int r = 1; r <= count; ++r) calc_disabled(static_cast<Int>(r), 0);
    if (recipe.gesperrt) gesperrt_from(shape_.side + 1);
    if (recipe.minimum) minimum_every_card();
    // The colour and shape codes waited in sn_rsv_1 because the operations
    // above read the plain pieces in sn_pict.
    if (recipe.klex) kopiere(sn_, count, sn_rsv_1, sn_pict);
  }

  const bool known = level >= 1 && level <= kLevels;
  // Filled in place: the card table alone is some 1,200 bytes, and a copy of
  // it for each puzzle cost the quick 3x3 levels a tenth of their time.
  if (&sn_ != &puzzle_.sn) puzzle_.sn = sn_;
  puzzle_.level = level;
  if (known) {
    puzzle_.id = generated_id(level);
  } else {
    puzzle_.id.clear();
  }
  puzzle_.anchors = anchor_check_;
  puzzle_.alerts = alerts_;
  return puzzle_;
}

void Generator::generate_mixed_puzzle(bool anchors) {
  const int count = shape_.field_count;
  anchor_check_ = anchors;
  calc_a_row_1_n(sn_field, shape_.field_count);
  calc_a_row_1_n(sn_Loesung, shape_.field_count);
  kopiere(sn_, count, sn_Loesung, sn_pict);
  kopiere(sn_, count, sn_field, sn_vorgabe);
  klex_every_card(sn_rsv_1);

  // One clue kind per card; the first two cards have no earlier card to anchor to.
  // No clue operation moves a card's field, so the fields taken grow card by card.
  Long taken = 0;
  for (int i = 1; i <= count; ++i) {
    const Int r = static_cast<Int>(i);
    taken |= field_bit_of(i);
    if (chance(33))
      calc_disabled(r, 0);
    else if (chance(50))
      gesperrt_with(r, taken);
    else if (anchors && r >= 3)
      calc_anker(r, 0);
    else if (chance(50))
      calc_disabled(r, 0);
    else
      gesperrt_with(r, taken);
  }

  // From here on sn_anker tells whether the card itself carries an anchor.
  if (anchors)
    for (int r = 1; r <= count; ++r)
      sn_(r, sn_anker) = -static_cast<Long>(sn_(r, sn_pict_4) != 0 && sn_(r, sn_field_4) != 0);

  minimum_every_card();
  kopiere(sn_, count, sn_rsv_1, sn_pict);
  min_anker(3);
  verdrehen();
  for (int r = 1; r <= count; ++r) sn_(r, sn_titel) = kFalse;
}

void Generator::verdrehen() {
  const int count = shape_.field_count;
  if (count < 1 || count > kRecords) return;
  const CardTable copy = sn_;
  calc_a_row_1_n(sn_rsv_1, shape_.field_count);
  // Record r takes the card that was record sn_rsv_1(r); sn_nr stays r.
  for (int r = 1; r <= count; ++r) {
    const Long from = sn_(r, sn_rsv_1);
    if (from < 1 || from > kRecords) continue;
    for (int c = sn_field; c <= sn_anker; ++c) sn_(r, c) = copy(from, c);
  }
}

}  // namespace zerdo
