#pragma once
#include <optional>
#include <string>
#include <vector>

#include "generation/anchor_tables.h"
#include "model/board_shape.h"
#include "model/card_table.h"
#include "model/tables.h"
#include "model/types.h"

namespace zerdo {

struct BoardMasks;

// The random source the generator draws from.
class UniformSource {
 public:
  virtual ~UniformSource() = default;
  // One uniform number in [0, 1), single precision.
  virtual float draw_uniform() = 0;
  // The next count numbers at once (a whole arrangement draws N of them), in
  // the order count calls of draw_uniform would give them.
  virtual void draw_uniforms(float* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = draw_uniform();
  }
};

// An internal error found while generating (ask_for): the player is told the
// numbers a and b in a box with one OK button.
struct InternalAlert {
  Int a = 0;
  Int b = 0;
  bool operator==(const InternalAlert& o) const { return a == o.a && b == o.b; }
};

// A generated puzzle: the cards, records 1..field_count of the board it was
// made for, with its level and id, and what the player is to be told.
struct Puzzle {
  CardTable sn;
  Int level = 0;
  std::string id;  // "Ax".."Ix"; empty for a level without a recipe
  // Levels G and I: whether the cards may carry anchors (the anchor item's
  // check mark); the other levels leave the mark alone.
  std::optional<bool> anchors;
  std::vector<InternalAlert> alerts;  // in the order they were found
};

// The random puzzle generator with its chance primitives and clue operations.
// Everything works on a card table, records 1..field_count; the records
// beyond are left alone.
class Generator {
 public:
  // Works on the caller's card table, which holds the cards after generate.
  Generator(CardTable& sn, const BoardShape& shape, const FixedTables& tables,
            const AnchorTables& anchors, UniformSource& random)
      : sn_(sn), shape_(shape), t_(tables), anchors_(anchors), random_(random) {}
  // Works on the table of the puzzle it returns: the cards are not copied.
  Generator(const BoardShape& shape, const FixedTables& tables, const AnchorTables& anchors,
            UniformSource& random)
      : sn_(puzzle_.sn), shape_(shape), t_(tables), anchors_(anchors), random_(random) {}
  Generator(const Generator&) = delete;
  Generator& operator=(const Generator&) = delete;

  // Makes a random puzzle of the given level (1..9 = A..I) in the card table
  // and returns it; the puzzle stays as it is until the next generate.
  const Puzzle& generate(Int level);

  // Chance primitives.
  bool prozent(Int& p);
  Int fifty_fifty(Int a, Int b);
  void calc_a_row_1_n(int column, Int n);
  void ask_for(bool condition, Int a, Int b);

  // Clue derivation.
  void bis_jetzt_gespielt(Int& r);
  void calc_klex_and_figur(Int r, int column);
  void calc_gesperrt(Int r, int column);
  void calc_disabled(Int r, int column);

  // Minimal clues and anchors.
  void calc_minimum(Int r);
  void calc_anker(Int r, int column);
  void min_anker(Int first);
  // Finish one anchored card: borderless cells from the anchor table, then a
  // chance to move the pattern by one row and by one column.
  void sn_field_check_3x3(Int r);
  void sn_field_check_4x4(Int r);
  // Move an anchored card's grey box and anchor by one row (one column) towards
  // an outer line that is wholly borderless, in three cases of four.
  void ankerversatz_r(Int r, Long top, Long bottom);
  void ankerversatz_c(Int r, Long left, Long right);

  // Level recipes that only the generator uses.
  void generate_mixed_puzzle(bool anchors);
  void verdrehen();

  // The internal errors found since generate began (or since the generator
  // was made).
  const std::vector<InternalAlert>& alerts() const { return alerts_; }

  // Results of the last bis_jetzt_gespielt, for tests.
  Int attr_count(int kind, int code) const { return attr_count_[kind][code]; }
  Int cur_attr(int kind) const { return cur_attr_[kind]; }
  bool field_taken(int f) const { return field_taken_[f]; }

 private:
  bool chance(Int p);  // prozent on a constant
  // The fields (1..16) of cards 1..r-1 as field bits: what bis_jetzt_gespielt
  // finds taken, for the operations that need nothing else of it.
  Long fields_taken_before(int r) const;
  Long field_bit_of(int r) const;
  // The clue operations on the counts and fields of the earlier cards, given
  // by the caller: a pass over all cards keeps them as it goes instead of
  // counting the earlier cards again for every card.
  void set_klex(Int r, int column, Int colour, Int shape, Int colour_count, Int shape_count);
  void gesperrt_with(Int r, Long taken_through_r);
  void minimum_with(Int r, Long taken_before_r);
  void klex_every_card(int column);
  void gesperrt_from(int first);
  void minimum_every_card();
  void verschiebe(Int r, bool rows, int own);
  void sn_field_check(Int r, const BoardMasks& m, int n);
  void ankerversatz(Int r, Long first_line, Long last_line, Long step);
  Long anchor_sperre(Long box, Long anchor) const;
  void common_start();

  Puzzle puzzle_;  // the last puzzle made
  CardTable& sn_;
  const BoardShape& shape_;
  const FixedTables& t_;
  const AnchorTables& anchors_;
  UniformSource& random_;
  std::vector<InternalAlert> alerts_;
  std::optional<bool> anchor_check_;

  Int attr_count_[3][5] = {};
  Int cur_attr_[3] = {};
  bool field_taken_[17] = {};
};

}  // namespace zerdo
