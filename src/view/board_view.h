#pragma once
#include <array>

#include "model/card_table.h"
#include "model/main_window.h"
#include "model/types.h"
#include "view/controls.h"

namespace zerdo {

// Layout values of one board range, in twips.
struct Layout {
  Int clue_inset;
  Int board_left, board_top;
  Int field_width, field_height;
  Int card_left0, card_top0;
  Int card_step_x, card_step_y;
  Int cell_left0;
  Int cell_step_x, cell_step_y;
  Int stock_left, stock_top;
  Int stock_step_x, stock_step_y;
  // Frame_Zerdos and spielfeld(0)
  Int stock_frame_left, stock_frame_top, stock_frame_width, stock_frame_height;
  Int board_frame_left, board_frame_top, board_frame_width, board_frame_height;
  Int field_frame_left0, field_frame_top0, field_frame_width, field_frame_height;
  Int card_width, card_height;
  Int cell_width, cell_height;
  Int tip_left, tip_top;
  Int window_width, window_height;
};

// clang-format off
//                         3x3            4x4
constexpr Layout kLayout3x3{
    32, 180, 4020, 960, 960, 3360, 120, 2880, 2400, 590, 660, 600, 240, 540, 960, 960,
    60, 120, 3015, 3255,   60, 3720, 3015, 3255,   180, 3960, 855, 975,
    2595, 2055, 555, 615, 8820, 4620, kDefaultWindowWidth, kDefaultWindowHeight};
constexpr Layout kLayout4x4{
    85, 180, 4800, 960, 960, 4200, 120, 2700, 2200, 590, 490, 460, 240, 540, 960, 960,
    60, 120, 4000, 4260,   60, 4520, 4000, 4260,   180, 4800, 855, 975,
    2595, 2050, 425, 470, 9320, 4370, 15165, 9945};
// clang-format on

// The background colour of the main window, its frames and the solution window.
constexpr std::uint32_t kWindowColour = 13160660;  // red 212, green 208, blue 200

// The stock, the board and the clue cards of the main window as controls, and
// the drawing of a card record onto them.
class BoardView {
 public:
  BoardView();

  // Lays the window out for range 1 (3x3) or 2 (4x4); returns the layout used.
  const Layout& lay_out_board(int range_code);
  void frames_visible(bool visible);
  void clear_card_faces();
  // Draws card nr from the thirteen values of its record (the solution is the caller's).
  void draw_card(int nr, const CardRecord& c);
  void set_picture(int id, long left, long top);
  void set_kreuz(long base_x, long base_y, int cell);

  // The draggable piece of picture id k (1..16).
  Control& piece(int k) {
    ZERDO_ASSERT(k >= 1 && k <= 16);
    return controls_[piece_[static_cast<std::size_t>(k)]];
  }
  // spielfeld(k), k = 0..16.
  Control& field(int k) {
    ZERDO_ASSERT(k >= 0 && k <= 16);
    return controls_[spielfeld_ + static_cast<std::size_t>(k)];
  }
  // Frame_1_0(i), i = 0..15.
  Control& card(int i) {
    ZERDO_ASSERT(i >= 0 && i < 16);
    return controls_[card_ + static_cast<std::size_t>(i)];
  }
  // Cell j (1..16) of card card_index (0..15).
  Control& cell(int j, int card_index) {
    ZERDO_ASSERT(j >= 1 && j <= 16 && card_index >= 0 && card_index < 16);
    return controls_[cells_[static_cast<std::size_t>(j)] + static_cast<std::size_t>(card_index)];
  }

  const Layout& layout() const { return *layout_; }
  int field_count() const { return field_count_; }
  int side() const { return side_; }
  const std::array<Int, 26>& pict_used() const { return pict_used_; }
  void clear_pict_used() { pict_used_ = {}; }
  ControlSet& controls() { return controls_; }
  const ControlSet& controls() const { return controls_; }

  // Positions of card k and of cell k within a card; 0 for a number outside 0..16.
  Int card_left(int k) const { return at(card_left_, k); }
  Int card_top(int k) const { return at(card_top_, k); }
  Int cell_x(int k) const { return at(cell_x_, k); }
  Int cell_y(int k) const { return at(cell_y_, k); }

  // Instances of each clue picture and of the crosses.
  static constexpr int kInstances = 4;
  static constexpr int kCrosses = 123;

 private:
  static Int at(const std::array<Int, 17>& t, int k) {
    return k >= 0 && k <= 16 ? t[static_cast<std::size_t>(k)] : Int{0};
  }

  ControlSet controls_;
  const Layout* layout_ = &kLayout3x3;
  int field_count_ = 9, side_ = 3;
  ControlSet::Id stock_frame_ = 0, spielfeld_ = 0, card_ = 0, kreuz_ = 0, grau_ = 0, tip_ = 0;
  std::array<ControlSet::Id, 17> cells_{};     // first id of cell array j = 1..16
  std::array<ControlSet::Id, 17> piece_{};     // draggable piece of picture id 1..16
  std::array<ControlSet::Id, 26> clue_pic_{};  // first instance of clue picture id 1..24
  std::array<Int, 26> pict_used_{};
  std::array<Int, 17> card_left_{}, card_top_{}, cell_x_{}, cell_y_{};
};

}  // namespace zerdo
