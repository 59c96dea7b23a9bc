#pragma once
#include <array>
#include <string_view>

#include "model/types.h"

namespace zerdo {

// Picture ids: 1..16 the pieces, 17..20 colour blots, 21..24 black shapes,
// 25 the cross. Index 0 of every table is unused.
constexpr int kPieceIds = 16;
constexpr int kPictureIds = 25;
constexpr int kCrossId = 25;

// Colour codes 1 lila, 2 rood, 3 vert, 4 blau; shape codes 1 drei, 2 rund,
// 3 vier, 4 plus.
struct PictureInfo {
  std::string_view name;
  int colour;  // 0 where the picture has none
  int shape;   // 0 where the picture has none
};

// clang-format off
constexpr std::array<PictureInfo, kPictureIds + 1> kPictures{{
    {"", 0, 0},
    {"drei_lila", 1, 1},
    {"drei_rood", 2, 1},
    {"drei_vert", 3, 1},
    {"rund_lila", 1, 2},
    {"rund_rood", 2, 2},
    {"rund_vert", 3, 2},
    {"vier_lila", 1, 3},
    {"vier_rood", 2, 3},
    {"vier_vert", 3, 3},
    {"plus_lila", 1, 4},
    {"plus_rood", 2, 4},
    {"plus_vert", 3, 4},
    {"plus_blau", 4, 4},
    {"vier_blau", 4, 3},
    {"drei_blau", 4, 1},
    {"rund_blau", 4, 2},
    {"klex_lila", 1, 0},
    {"klex_rood", 2, 0},
    {"klex_vert", 3, 0},
    {"klex_blau", 4, 0},
    {"drei_schw", 0, 1},
    {"rund_schw", 0, 2},
    {"vier_schw", 0, 3},
    {"plus_schw", 0, 4},
    {"vier_kreuz", 0, 0},
}};

// picture_of_piece(range, piece number): shape-major piece numbers of each range.
constexpr std::array<std::array<Int, 17>, 3> kPictureOfPiece{{
    {},
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 0, 0, 0, 0},
    {0, 1, 2, 3, 15, 4, 5, 6, 16, 7, 8, 9, 14, 10, 11, 12, 13},
}};
// clang-format on

inline std::string_view picture_name(int id) {
  return id >= 1 && id <= kPictureIds ? kPictures[static_cast<std::size_t>(id)].name
                                      : std::string_view{};
}

}  // namespace zerdo
