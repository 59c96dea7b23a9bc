#include "view/board_reader.h"

#include <string_view>

#include "model/pictures.h"
#include "texts/access.h"
#include "texts/captions.h"
#include "texts/paper.h"
#include "view/board_view.h"

namespace zerdo {

namespace {

bool centre_in(const Control& sign, const Control& box) {
  const long x = long{sign.left} + sign.width / 2, y = long{sign.top} + sign.height / 2;
  return x >= box.left && x < long{box.left} + box.width && y >= box.top &&
         y < long{box.top} + box.height;
}

// "Feld 5" from a cell's tool tip "Vorgabe 3 Feld 5": what follows the
// card's own tool tip, without the separators.
std::string cell_words(const Control& cell, const Control& card) {
  std::string_view tip = cell.tooltip;
  if (tip.substr(0, card.tooltip.size()) == card.tooltip) tip.remove_prefix(card.tooltip.size());
  while (!tip.empty() && (tip.front() == ' ' || tip.front() == ',')) tip.remove_prefix(1);
  return std::string(tip);
}

}  // namespace

std::string read_card(const ControlSet& set, int card, int field_count, Int code) {
  const Control* frame = set.find(Role::Card, card - 1);
  if (!frame) return {};
  // The card's cells in use, cell k at k - 1: each cell array is laid down
  // in cell order.
  std::vector<const Control*> cells;
  for (const Control& c : set.all())
    if (c.role == Role::CardCell && c.index == card - 1 &&
        static_cast<int>(cells.size()) < field_count)
      cells.push_back(&c);
  std::string words;
  const auto add = [&](const Control& sign, std::string_view what) {
    if (!centre_in(sign, *frame)) return;
    std::string where;
    for (const Control* cell : cells)
      if (cell->visible && centre_in(sign, *cell)) where = cell_words(*cell, *frame);
    if (!words.empty()) words += "; ";
    words += where.empty() ? std::string(what) : where + ": " + std::string(what);
  };
  // Cells without border: the piece is not there.
  for (const Control* cell : cells)
    if (cell->visible && cell->border.value_or(1) == 0)
      add(*cell, in(reader_words::kNotHere, code));
  // The signs on the card: must-field boxes, clue pictures, crosses.
  for (const Control& c : set.all())
    if ((c.role == Role::MustField || c.role == Role::CluePicture || c.role == Role::Cross) &&
        c.visible && c.width > 0)
      add(c, c.tooltip);
  return words;
}

std::vector<ReaderItem> read_board(const ControlSet& set, int field_count,
                                   const std::array<Int, 17>& field_of, Int code) {
  std::vector<ReaderItem> items;
  const auto item = [&items](ReaderItem::Kind kind, int index, const Control& c) -> ReaderItem& {
    ReaderItem& r = items.emplace_back();
    r.kind = kind;
    r.index = index;
    r.name = c.tooltip;
    r.left = c.left, r.top = c.top, r.width = c.width, r.height = c.height;
    return r;
  };
  // A piece's name without the lead of its tool tip ("Kreis rot").
  const auto piece_words = [](const Control& piece) {
    std::string_view tip = piece.tooltip;
    if (tip.substr(0, kPieceTipLead.size()) == kPieceTipLead)
      tip.remove_prefix(kPieceTipLead.size());
    return std::string(tip);
  };
  for (int k = 1; k <= kPieceIds; ++k) {
    const Control* p = set.find_picture(Role::Piece, k);
    if (!p || !p->visible) continue;
    const Int f = field_of[static_cast<std::size_t>(k)];
    item(ReaderItem::Kind::Piece, k, *p).description =
        f > 0 ? std::string(in(reader_words::kOnField, code)) + " " + std::to_string(f)
              : std::string(in(reader_words::kInStock, code));
  }
  for (int f = 1; f <= field_count; ++f) {
    const Control* c = set.find(Role::BoardField, f);
    if (!c || !c->visible) continue;
    std::string on(in(reader_words::kEmpty, code));
    for (int k = 1; k <= kPieceIds; ++k) {
      const Control* p = set.find_picture(Role::Piece, k);
      if (p && p->visible && field_of[static_cast<std::size_t>(k)] == f) on = piece_words(*p);
    }
    item(ReaderItem::Kind::Field, f, *c).description = on;
  }
  for (int i = 1; i <= field_count; ++i) {
    const Control* c = set.find(Role::Card, i - 1);
    if (!c || !c->visible) continue;
    ReaderItem& card = item(ReaderItem::Kind::Card, i, *c);
    card.description = read_card(set, i, field_count, code);
    if (c->marked) card.name += ", " + std::string(in(msg::kCardMarked, code));
  }
  return items;
}

}  // namespace zerdo
