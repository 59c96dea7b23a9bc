#include "model/card_table.h"

namespace zerdo {

CardRecord record_of(const CardTable& sn, int r) {
  CardRecord c;
  c.field = sn(r, sn_field);
  c.loesung = sn(r, sn_Loesung);
  c.pict = sn(r, sn_pict);
  c.vorgabe = sn(r, sn_vorgabe);
  c.sperre = sn(r, sn_sperre);
  c.titel = sn(r, sn_titel) != 0;
  c.kreuze = sn(r, sn_kreuze);
  c.pict_2 = sn(r, sn_pict_2);
  c.field_2 = sn(r, sn_field_2);
  c.pict_3 = sn(r, sn_pict_3);
  c.field_3 = sn(r, sn_field_3);
  c.pict_4 = sn(r, sn_pict_4);
  c.field_4 = sn(r, sn_field_4);
  return c;
}

void kopiere(CardTable& sn, int n, int from, int to) {
  // A select rather than a branch: which entries are positive is chance.
  for (int r = 1; r <= n; ++r) {
    const Long v = sn(r, from);
    sn(r, to) = v > 0 ? v : sn(r, to);
  }
}

}  // namespace zerdo
