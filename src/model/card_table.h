#pragma once
#include <array>

#include "model/assert.h"
#include "model/types.h"

namespace zerdo {

// Columns of the clue-card table. Column 0 is a work column of the generator
// and is never stored in a puzzle file.
enum Col : int {
  sn_nr = 1,
  sn_field = 2,
  sn_Loesung = 3,
  sn_pict = 4,
  sn_vorgabe = 5,
  sn_sperre = 6,
  sn_titel = 7,
  sn_kreuze = 8,
  sn_pict_2 = 9,
  sn_field_2 = 10,
  sn_pict_3 = 11,
  sn_field_3 = 12,
  sn_pict_4 = 13,
  sn_field_4 = 14,
  sn_anker = 15,
  sn_rsv_1 = 16,
};

constexpr int kRecords = 16;
constexpr int kColumns = 17;  // 0..16

// The clue-card table: records 1..16 (row 0 unused) by columns 0..16.
class CardTable {
 public:
  Long& operator()(int record, int column) { return v_[at(record, column)][idx(column)]; }
  Long operator()(int record, int column) const { return v_[at(record, column)][idx(column)]; }
  void clear() { v_ = {}; }
  bool operator==(const CardTable& o) const { return v_ == o.v_; }
  bool operator!=(const CardTable& o) const { return !(*this == o); }

 private:
  static std::size_t idx(int i) { return static_cast<std::size_t>(i); }
  // The row of record, once record 0..16 and column 0..16 are checked.
  static std::size_t at(int record, int column) {
    ZERDO_ASSERT(record >= 0 && record <= kRecords && column >= 0 && column < kColumns);
    return idx(record);
  }
  std::array<std::array<Long, kColumns>, kRecords + 1> v_{};
};

// The thirteen values of one card record, columns 2..14 in order.
struct CardRecord {
  Long field = 0, loesung = 0, pict = 0, vorgabe = 0, sperre = 0;
  bool titel = true;
  Long kreuze = 0, pict_2 = 0, field_2 = 0, pict_3 = 0, field_3 = 0, pict_4 = 0, field_4 = 0;
};

CardRecord record_of(const CardTable& sn, int r);

// kopiere: for records 1..n, copies column from into column to where the entry
// of column from is positive; zero and negative entries leave column to alone.
void kopiere(CardTable& sn, int n, int from, int to);

}  // namespace zerdo
