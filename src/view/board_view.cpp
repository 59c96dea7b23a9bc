#include "view/board_view.h"

#include <cstdint>

#include "model/assert.h"
#include "model/board_shape.h"
#include "model/pictures.h"
#include "texts/captions.h"

namespace zerdo {

namespace {

constexpr Int kPieceSize = 720;  // a draggable piece, 48 x 48 pixels
constexpr Int kClueSize = 360;   // a clue picture, cross or grey box, 24 x 24 pixels
constexpr Int kTipWidth = 420, kTipHeight = 330;

Control frame(Role role, std::string name, std::string caption = {}) {
  Control c = control_of(role, std::move(name));
  c.caption = std::move(caption);
  c.border = 1;
  c.back_colour = kWindowColour;
  return c;
}

}  // namespace

BoardView::BoardView() {
  stock_frame_ =
      controls_.add(frame(Role::StockFrame, "Frame_Zerdos", std::string(kStockFrameCaption)));
  spielfeld_ = controls_.add_array(frame(Role::BoardField, "spielfeld"), 17);
  // Element 0 is the frame round the fields.
  controls_[spielfeld_].role = Role::BoardFrame;
  card_ = controls_.add_array(frame(Role::Card, "Frame_1_0"), 16);
  for (int j = 1; j <= 16; ++j) {
    Control cell = frame(Role::CardCell, "Frame_1_" + std::to_string(j));
    cell.caption.reset();
    cell.visible = false;
    cells_[static_cast<std::size_t>(j)] = controls_.add_array(cell, 16);
  }
  Control grau = control_of(Role::MustField, "Text_grau");
  grau.caption = "";
  grau.border = 1;
  grau.visible = false;
  grau.enabled = false;
  grau.width = grau.height = kClueSize;
  grau_ = controls_.add_array(grau, 17);
  for (int id = 1; id <= 24; ++id) {
    Control pic = control_of(Role::CluePicture, "Picture_" + std::string(picture_name(id)) +
                                                    (id <= kPieceIds ? "_x" : ""));
    pic.picture = id;
    pic.border = 0;
    pic.visible = false;
    pic.width = pic.height = kClueSize;
    clue_pic_[static_cast<std::size_t>(id)] = controls_.add_array(pic, kInstances);
  }
  Control cross = control_of(Role::Cross, "kreuz");
  cross.caption = "";
  cross.picture = kCrossId;
  cross.border = 0;
  cross.visible = false;
  cross.width = cross.height = kClueSize;
  kreuz_ = controls_.add_array(cross, kCrosses);
  Control tip = frame(Role::Tip, "FrameTip", std::string(kTipFrameCaption));
  tip.width = kTipWidth;
  tip.height = kTipHeight;
  tip_ = controls_.add(tip);
  for (int id = 1; id <= kPieceIds; ++id) {
    Control p = control_of(Role::Piece, "Picture_" + std::string(picture_name(id)));
    p.picture = id;
    p.border = 0;
    p.width = p.height = kPieceSize;
    piece_[static_cast<std::size_t>(id)] = controls_.add(p);
  }
}

const Layout& BoardView::lay_out_board(int range_code) {
  const bool four = range_code == kRange4x4;
  layout_ = four ? &kLayout4x4 : &kLayout3x3;
  const Layout& L = *layout_;
  field_count_ = four ? 16 : 9;
  side_ = four ? 4 : 3;
  if (!four)
    for (int i = 8; i <= 15; ++i) {
      Control& g = controls_[grau_ + static_cast<std::size_t>(i)];
      g.visible = false;
      g.enabled = false;
    }
  for (int r = 0; r < side_; ++r)
    for (int c = 0; c < side_; ++c) {
      const auto k = static_cast<std::size_t>(side_ * r + c + 1);
      card_left_[k] = static_cast<Int>(L.card_left0 + L.card_step_x * c);
      card_top_[k] = static_cast<Int>(L.card_top0 + L.card_step_y * r);
      cell_x_[k] = static_cast<Int>(L.cell_left0 + L.cell_step_x * c);
      cell_y_[k] = static_cast<Int>(120 + L.cell_step_y * r);
    }
  cell_x_[0] = L.cell_step_x;
  cell_y_[0] = L.cell_step_y;

  auto place = [](Control& c, Int left, Int top, Int width, Int height) {
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
  };
  place(controls_[stock_frame_], L.stock_frame_left, L.stock_frame_top, L.stock_frame_width,
        L.stock_frame_height);
  place(field(0), L.board_frame_left, L.board_frame_top, L.board_frame_width, L.board_frame_height);
  for (int k = 1; k <= field_count_; ++k) {
    const int r = (k - 1) / side_, c = (k - 1) % side_;
    place(field(k), static_cast<Int>(L.field_frame_left0 + 960 * c),
          static_cast<Int>(L.field_frame_top0 + 960 * r), L.field_frame_width,
          L.field_frame_height);
    place(card(k - 1), card_left(k), card_top(k), L.card_width, L.card_height);
    for (int j = 1; j <= field_count_; ++j)
      place(cell(j, k - 1), static_cast<Int>(card_left(k) + cell_x(j)),
            static_cast<Int>(card_top(k) + cell_y(j)), L.cell_width, L.cell_height);
  }
  Control& tip = controls_[tip_];
  tip.left = L.tip_left;
  tip.top = L.tip_top;
  return L;
}

void BoardView::frames_visible(bool visible) {
  const int count = visible ? field_count_ : 16;
  const bool all_cells = !visible || field_count_ == 16;
  for (int i = 0; i < count; ++i) {
    field(i + 1).visible = visible;
    card(i).visible = visible;
    for (int j = 1; j <= 16; ++j)
      if (j <= 9 || all_cells) cell(j, i).visible = visible;
  }
  for (int k = 1; k <= kPieceIds; ++k)
    if (k <= 9 || all_cells) piece(k).visible = visible;
  if (!visible) return;
  for (int id = 1; id <= 24; ++id)
    for (int i = 0; i < pict_used_[static_cast<std::size_t>(id)] && i < kInstances; ++i)
      controls_[clue_pic_[static_cast<std::size_t>(id)] + static_cast<std::size_t>(i)].visible =
          true;
  for (int i = 0; i < pict_used_[kCrossId] && i < kCrosses; ++i)
    controls_[kreuz_ + static_cast<std::size_t>(i)].visible = true;
  for (int i = 0; i <= 16; ++i) {
    Control& g = controls_[grau_ + static_cast<std::size_t>(i)];
    if (g.enabled) g.visible = true;
  }
}

void BoardView::clear_card_faces() {
  for (int id = 1; id <= 24; ++id)
    for (int i = 0; i < kInstances; ++i)
      controls_[clue_pic_[static_cast<std::size_t>(id)] + static_cast<std::size_t>(i)].visible =
          false;
  for (int k = 1; k <= field_count_; ++k) {
    card(k - 1).caption = std::to_string(k);
    for (int j = 1; j <= 16; ++j) cell(j, k - 1).border = 1;
  }
  for (int i = 0; i <= 16; ++i) {
    Control& g = controls_[grau_ + static_cast<std::size_t>(i)];
    g.visible = false;
    g.enabled = false;
  }
  pict_used_ = {};
  for (int i = 0; i < kCrosses; ++i)
    controls_[kreuz_ + static_cast<std::size_t>(i)].visible = false;
}

void BoardView::draw_card(int nr, const CardRecord& c) {
  ZERDO_ASSERT(nr >= 1 && nr <= 16);
  const long base_x = card_left(nr) + 100L;
  const long base_y = card_top(nr) + 160L;
  const Int inset = layout_->clue_inset;
  if (!c.titel) card(nr - 1).caption = "?";
  long x = base_x + cell_x(static_cast<int>(c.field));
  long y = base_y + cell_y(static_cast<int>(c.field));
  if (c.sperre != 0 || c.kreuze != 0 || c.vorgabe >= 1) {
    for (int k = 1; k <= 16; ++k)
      if (c.sperre & (Long{1} << (k - 1))) cell(k, nr - 1).border = 0;
    for (int k = 1; k <= 16; ++k)
      if (c.kreuze & (Long{1} << (k - 1))) set_kreuz(base_x, base_y, k);
    if (c.vorgabe >= 1) {
      Control& g = controls_[grau_ + static_cast<std::size_t>(nr)];
      g.left = clamp16(base_x + cell_x(static_cast<int>(c.vorgabe)) - inset);
      g.top = clamp16(base_y + cell_y(static_cast<int>(c.vorgabe)) - inset);
      g.enabled = true;
    }
    x = base_x;
    y = base_y + 120;
  } else if (side_ == 4) {
    x -= inset;
    y -= inset;
  }
  if (c.pict > 0) set_picture(static_cast<int>(c.pict), x, y);
  const Long extra[3][2] = {{c.pict_2, c.field_2}, {c.pict_3, c.field_3}, {c.pict_4, c.field_4}};
  for (const auto& e : extra)
    if (e[0] > 0)
      set_picture(static_cast<int>(e[0]), base_x + cell_x(static_cast<int>(e[1])) - inset,
                  base_y + cell_y(static_cast<int>(e[1])) - inset);
}

void BoardView::set_picture(int id, long left, long top) {
  if (id < 1 || id > 24) return;
  Int& used = pict_used_[static_cast<std::size_t>(id)];
  if (used < kInstances) {
    Control& p =
        controls_[clue_pic_[static_cast<std::size_t>(id)] + static_cast<std::size_t>(used)];
    p.left = clamp16(left);
    p.top = clamp16(top);
  }
  // Counted on without end the count would wrap to a negative index.
  if (used < INT16_MAX) ++used;
}

void BoardView::set_kreuz(long base_x, long base_y, int cell) {
  Int& used = pict_used_[kCrossId];
  if (used < kCrosses) {
    Control& k = controls_[kreuz_ + static_cast<std::size_t>(used)];
    k.left = clamp16(base_x + cell_x(cell) - layout_->clue_inset);
    k.top = clamp16(base_y + cell_y(cell) - layout_->clue_inset);
  }
  if (used < INT16_MAX) ++used;
}

}  // namespace zerdo
