#include "view/board_reader.h"

#include <array>

#include "model/pictures.h"
#include "texts/access.h"
#include "texts/paper.h"

namespace zerdo {

namespace {

namespace w = reader_words;

std::string word(const Texts& t, Int code) { return std::string(in(t, code)); }

// English names the colour first ("purple triangle"); German and Flemish
// the shape, as the tool tips do.
constexpr std::array<bool, kLanguages> kColourFirst{false, true, false};

// The words of a picture on a card: a piece, only a colour (a blot), only a
// shape (a black figure); "" for none.
std::string picture_words(Long id, Int code) {
  if (id >= 1 && id <= kPieceIds) return piece_words(static_cast<int>(id), code);
  if (id <= kPieceIds || id >= kCrossId) return {};
  const PictureInfo& p = kPictures[static_cast<std::size_t>(id)];
  if (p.colour != 0)
    return word(w::kColourOnly, code) + " " +
           word(w::kColours[static_cast<std::size_t>(p.colour)], code);
  return word(w::kShapeOnly, code) + " " +
         word(w::kShapes[static_cast<std::size_t>(p.shape)], code);
}

// "1, 4, 7": the cells of mask (field bits) in order.
std::string cell_list(Long mask, int field_count) {
  std::string out;
  for (int k = 1; k <= field_count; ++k)
    if (mask & (Long{1} << (k - 1))) out += (out.empty() ? "" : ", ") + std::to_string(k);
  return out;
}

int count_cells(Long mask, int field_count) {
  int n = 0;
  for (int k = 1; k <= field_count; ++k) n += (mask & (Long{1} << (k - 1))) != 0;
  return n;
}

int side_of(int field_count) { return field_count == 16 ? 4 : 3; }

// The field bits of row r or column c (1-based) of the board.
Long row_mask(int r, int side) {
  Long m = 0;
  for (int c = 1; c <= side; ++c) m |= Long{1} << ((r - 1) * side + c - 1);
  return m;
}
Long column_mask(int c, int side) {
  Long m = 0;
  for (int r = 1; r <= side; ++r) m |= Long{1} << ((r - 1) * side + c - 1);
  return m;
}

// Where the card's piece may stand, from the signs on its small board.
std::string where_words(const CardRecord& c, int field_count, Int code) {
  const int side = side_of(field_count);
  const Long all = (Long{1} << field_count) - 1;
  const bool board_clue = c.sperre != 0 || c.kreuze != 0 || c.vorgabe >= 1;
  if (!board_clue)
    return c.field >= 1 && c.field <= field_count
               ? word(w::kOnField, code) + " " + std::to_string(c.field)
               : std::string();
  const Long open = all & ~c.sperre & ~c.kreuze;
  if (c.vorgabe >= 1 && c.vorgabe <= field_count) {
    const int row = static_cast<int>((c.vorgabe - 1) / side) + 1;
    const int column = static_cast<int>((c.vorgabe - 1) % side) + 1;
    // A strip of one column tells the row of the grey box and hides its
    // column (the strip may stand in any column); a strip of one row the
    // column.
    if (c.kreuze == 0 && open == column_mask(column, side))
      return word(w::kInRow, code) + " " + std::to_string(row);
    if (c.kreuze == 0 && open == row_mask(row, side))
      return word(w::kInColumn, code) + " " + std::to_string(column);
    return word(w::kOnField, code) + " " + std::to_string(c.vorgabe);
  }
  // Crosses and cells without border: the shorter of the fields left and the
  // fields ruled out.
  const int left = count_cells(open, field_count);
  if (left <= field_count - left)
    return word(w::kOnlyOn, code) + " " + cell_list(open, field_count);
  return word(w::kNotOn, code) + " " + cell_list(all & ~open, field_count);
}

}  // namespace

std::string piece_words(int picture, Int code) {
  if (picture < 1 || picture > kPieceIds) return {};
  const PictureInfo& p = kPictures[static_cast<std::size_t>(picture)];
  const std::string shape = word(w::kShapes[static_cast<std::size_t>(p.shape)], code);
  const std::string colour = word(w::kColours[static_cast<std::size_t>(p.colour)], code);
  return kColourFirst[language_index(code)] ? colour + " " + shape : shape + " " + colour;
}

std::string card_words(const CardRecord& c, int field_count, Int code) {
  std::string out = picture_words(c.pict, code);
  const auto add = [&out](const std::string& part, const char* joint) {
    if (part.empty()) return;
    if (!out.empty()) out += joint;
    out += part;
  };
  add(where_words(c, field_count, code), " ");
  if (out.empty()) out = word(w::kNoClue, code);
  const auto on_cell = [&](Long pict, Long cell) {
    const std::string what = picture_words(pict, code);
    if (what.empty() || cell < 1 || cell > field_count) return std::string();
    return what + " " + word(w::kOnField, code) + " " + std::to_string(cell);
  };
  for (const auto& [pict, cell] : {std::pair{c.pict_2, c.field_2}, std::pair{c.pict_3, c.field_3}})
    add(on_cell(pict, cell).empty() ? "" : word(w::kAlsoShown, code) + " " + on_cell(pict, cell),
        "; ");
  // The anchor: the piece the card's pattern hangs on.
  const std::string anchor = on_cell(c.pict_4, c.field_4);
  if (!anchor.empty()) {
    add(word(w::kAnchor, code) + " " + anchor, "; ");
    add(word(w::kShifted, code), ", ");
  }
  return out;
}

std::vector<ReaderItem> read_board(const BoardReading& b) {
  std::vector<ReaderItem> items;
  const auto item = [&items](ReaderItem::Kind kind, int index, const Control& c) -> ReaderItem& {
    ReaderItem& r = items.emplace_back();
    r.kind = kind;
    r.index = index;
    r.left = c.left, r.top = c.top, r.width = c.width, r.height = c.height;
    return r;
  };
  // Each piece looked up once: the fields ask after every piece.
  std::array<const Control*, kPieceIds + 1> pieces{};
  for (int k = 1; k <= kPieceIds; ++k) {
    const Control* p = b.set.find_picture(Role::Piece, k);
    pieces[static_cast<std::size_t>(k)] = p && p->visible ? p : nullptr;
  }
  const auto shown = [&pieces](int k) { return pieces[static_cast<std::size_t>(k)]; };
  for (int k = 1; k <= kPieceIds; ++k) {
    const Control* p = shown(k);
    if (!p) continue;
    const Int f = b.field_of[static_cast<std::size_t>(k)];
    ReaderItem& r = item(ReaderItem::Kind::Piece, k, *p);
    r.name = piece_words(k, b.code);
    r.description = k == b.carried ? word(w::kCarried, b.code)
                    : f > 0        ? word(w::kOnField, b.code) + " " + std::to_string(f)
                                   : word(w::kInStock, b.code);
  }
  for (int f = 1; f <= b.field_count; ++f) {
    const Control* c = b.set.find(Role::BoardField, f);
    if (!c || !c->visible) continue;
    std::string on = word(w::kEmpty, b.code);
    for (int k = 1; k <= kPieceIds; ++k)
      if (shown(k) && k != b.carried && b.field_of[static_cast<std::size_t>(k)] == f)
        on = piece_words(k, b.code);
    ReaderItem& r = item(ReaderItem::Kind::Field, f, *c);
    r.name = word(w::kField, b.code) + " " + std::to_string(f);
    r.description = on;
  }
  for (int i = 1; i <= b.field_count; ++i) {
    const Control* c = b.set.find(Role::Card, i - 1);
    if (!c || !c->visible) continue;
    ReaderItem& card = item(ReaderItem::Kind::Card, i, *c);
    card.name = word(w::kCard, b.code) + " " + std::to_string(i);
    if (c->marked) card.name += ", " + std::string(in(msg::kCardMarked, b.code));
    card.description = card_words(record_of(b.cards, i), b.field_count, b.code);
  }
  return items;
}

}  // namespace zerdo
