#include "model/tables.h"

#include <utility>

#include "model/assert.h"

namespace zerdo {

void FixedTables::fill() {
  field_bit[1] = 1;
  for (std::size_t k = 2; k <= 16; ++k) field_bit[k] = 2 * field_bit[k - 1];
  for (std::size_t k = 1; k <= kPieceIds; ++k) {
    picture_attr[k][1] = static_cast<Int>(kPictures[k].colour);
    picture_attr[k][2] = static_cast<Int>(kPictures[k].shape);
  }
  picture_of_piece = kPictureOfPiece;
  for (int k = 1; k <= kPieceIds; ++k) {
    const auto K = static_cast<std::size_t>(k);
    piece_of_picture[kRange3x3][K] = k >= 10 ? Int{0} : getplatz(*this, kRange3x3, k);
    piece_of_picture[kRange4x4][K] = getplatz(*this, kRange4x4, k);
  }
  // Piece numbers and picture ids are one-to-one on each board.
  for (const auto& [range, n] : {std::pair{kRange3x3, 9}, std::pair{kRange4x4, 16}})
    for (int p = 1; p <= n; ++p) {
      const Int id = picture_of_piece[range][static_cast<std::size_t>(p)];
      ZERDO_ASSERT(id >= 1 && id <= kPieceIds && piece_of_picture[range][id] == p);
    }
}

Int getplatz(const FixedTables& t, int range, int id) {
  for (std::size_t p = 1; p <= 16; ++p)
    if (t.picture_of_piece[static_cast<std::size_t>(range)][p] == id) return static_cast<Int>(p);
  return 0;
}

}  // namespace zerdo
