#include <cstdint>

#include "generation/board_masks.h"
#include "generation/generator.h"

namespace zerdo {

void Generator::calc_anker(Int r, int /*column*/) {
  const int count = shape_.field_count;
  // The fields of the cards before r, as bis_jetzt_gespielt marks them (bit
  // f for field f); r beyond N then counts as N. The records without an
  // anchor yet as bit i. Both over all records without branches: which
  // records count is a matter of chance, which the processor cannot guess.
  std::uint32_t taken = 0, free_records = 0;
  for (int i = 1; i <= kRecords; ++i) {
    const Long f = sn_(i, sn_field);
    const std::uint32_t counts = (i < r) & (f >= 0) & (f <= kRecords);
    taken |= counts << (static_cast<std::uint32_t>(f) & 31u);
    free_records |= static_cast<std::uint32_t>(sn_(i, sn_anker) == 0) << i;
  }
  if (r > count) r = static_cast<Int>(count);
  if (r < 1 || r > kRecords || count < 1) return;
  // The first number i below N that is a taken field and a record other than
  // r without an anchor; N itself (the last record) is the fallback.
  const std::uint32_t below_n = (std::uint32_t{1} << count) - 2;  // bits 1..N-1
  const std::uint32_t candidates = taken & free_records & below_n & ~(std::uint32_t{1} << r);
  const int i = candidates != 0 ? __builtin_ctz(candidates) : count;
  sn_(r, sn_field_4) = sn_(i, sn_field);
  sn_(r, sn_pict_4) = sn_(i, sn_Loesung);
  sn_(i, sn_anker) = 1;
}

void Generator::min_anker(Int first) {
  for (int r = first < 1 ? 1 : first; r <= shape_.field_count && r <= kRecords; ++r) {
    if (sn_(r, sn_anker) == 0) continue;
    if (shape_.is_4x4())
      sn_field_check_4x4(static_cast<Int>(r));
    else
      sn_field_check_3x3(static_cast<Int>(r));
  }
}

void Generator::sn_field_check_3x3(Int r) { sn_field_check(r, kBoard3x3, 3); }
void Generator::sn_field_check_4x4(Int r) { sn_field_check(r, kBoard4x4, 4); }

Long Generator::anchor_sperre(Long box, Long anchor) const {
  // A cell pair off the board has no entry: no borderless cells.
  if (!shape_.is_4x4()) {
    if (box < 1 || box > 9 || anchor < 1 || anchor > 9) return 0;
    return anchors_.sperre_3x3[static_cast<std::size_t>(box)][static_cast<std::size_t>(anchor)];
  }
  if (box < 1 || box > 16 || anchor < 1 || anchor > 16) return 0;
  return anchors_.sperre_4x4[static_cast<std::size_t>(box)][static_cast<std::size_t>(anchor)];
}

void Generator::sn_field_check(Int r, const BoardMasks& m, int n) {
  if (r < 1 || r > kRecords) return;
  const Int codes[3] = {443, 444, 445};
  for (int step = 0; step < 3; ++step) {
    ask_for(sn_(r, sn_vorgabe) == sn_(r, sn_field_4), codes[step], r);
    sn_(r, sn_sperre) = anchor_sperre(sn_(r, sn_vorgabe), sn_(r, sn_field_4));
    if (step == 0) ankerversatz_r(r, m.row[1], m.row[static_cast<std::size_t>(n)]);
    if (step == 1) ankerversatz_c(r, m.col[1], m.col[static_cast<std::size_t>(n)]);
  }
}

void Generator::ankerversatz_r(Int r, Long top, Long bottom) {
  ankerversatz(r, top, bottom, shape_.side);
}
void Generator::ankerversatz_c(Int r, Long left, Long right) { ankerversatz(r, left, right, 1); }

void Generator::ankerversatz(Int r, Long first_line, Long last_line, Long step) {
  if (!chance(75)) return;
  if (r < 1 || r > kRecords) return;
  // Move the grey box and the anchor together by one line towards an outer
  // line that is wholly borderless, so only their relative place is told.
  const Long sperre = sn_(r, sn_sperre);
  Long delta = 0;
  if ((sperre & first_line) == first_line)
    delta = -step;
  else if ((sperre & last_line) == last_line)
    delta = step;
  if (delta == 0) return;
  sn_(r, sn_vorgabe) += delta;
  sn_(r, sn_field_4) += delta;
}

}  // namespace zerdo
