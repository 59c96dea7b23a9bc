#include "view/board_reader.h"

#include <algorithm>
#include <array>

#include "model/pictures.h"
#include "solving/solver.h"
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

std::string field_list(const std::vector<Int>& fields) {
  std::string out;
  for (const Int f : fields) out += (out.empty() ? "" : ", ") + std::to_string(f);
  return out;
}

// Where the card's piece may stand: one field, a row or a column, or the
// shorter of the fields left and the fields ruled out.
std::string where_words(const std::vector<Int>& fields, int field_count, Int code) {
  if (fields.empty()) return word(w::kOnNoField, code);
  if (fields.size() == 1) return word(w::kOnField, code) + " " + std::to_string(fields[0]);
  const int side = field_count == 16 ? 4 : 3;
  const auto row = [side](Int f) { return (f - 1) / side + 1; };
  const auto column = [side](Int f) { return (f - 1) % side + 1; };
  const bool one_row =
      std::all_of(fields.begin(), fields.end(), [&](Int f) { return row(f) == row(fields[0]); });
  const bool one_column = std::all_of(fields.begin(), fields.end(),
                                      [&](Int f) { return column(f) == column(fields[0]); });
  if (static_cast<int>(fields.size()) == side && one_row)
    return word(w::kInRow, code) + " " + std::to_string(row(fields[0]));
  if (static_cast<int>(fields.size()) == side && one_column)
    return word(w::kInColumn, code) + " " + std::to_string(column(fields[0]));
  const int left = static_cast<int>(fields.size());
  if (left <= field_count - left) return word(w::kOnlyOn, code) + " " + field_list(fields);
  std::vector<Int> out;
  for (Int f = 1; f <= field_count; ++f)
    if (std::find(fields.begin(), fields.end(), f) == fields.end()) out.push_back(f);
  return word(w::kNotOn, code) + " " + field_list(out);
}

std::string signed_number(Long v) { return (v > 0 ? "+" : "") + std::to_string(v); }

}  // namespace

std::string piece_words(int picture, Int code) {
  if (picture < 1 || picture > kPieceIds) return {};
  const PictureInfo& p = kPictures[static_cast<std::size_t>(picture)];
  const std::string shape = word(w::kShapes[static_cast<std::size_t>(p.shape)], code);
  const std::string colour = word(w::kColours[static_cast<std::size_t>(p.colour)], code);
  return kColourFirst[language_index(code)] ? colour + " " + shape : shape + " " + colour;
}

std::string card_words(const CardRecord& c, const std::vector<Int>& fields, int field_count,
                       Int code) {
  std::string out = picture_words(c.pict, code);
  const auto add = [&out](const std::string& part, const char* joint) {
    if (part.empty()) return;
    if (!out.empty()) out += joint;
    out += part;
  };
  add(where_words(fields, field_count, code), " ");
  const auto on_cell = [&](Long pict, Long cell) {
    const std::string what = picture_words(pict, code);
    if (what.empty() || cell < 1 || cell > field_count) return std::string();
    return what + " " + word(w::kOnField, code) + " " + std::to_string(cell);
  };
  for (const auto& [pict, cell] : {std::pair{c.pict_2, c.field_2}, std::pair{c.pict_3, c.field_3}})
    if (const std::string also = on_cell(pict, cell); !also.empty())
      add(word(w::kAlsoShown, code) + " " + also, "; ");
  // The anchor: the grey box (the card's piece) told from the anchor piece.
  const std::string anchor = picture_words(c.pict_4, code);
  if (!anchor.empty() && c.field_4 >= 1 && c.field_4 <= field_count && c.vorgabe >= 1 &&
      c.vorgabe <= field_count) {
    const int side = field_count == 16 ? 4 : 3;
    const Long rows = (c.vorgabe - 1) / side - (c.field_4 - 1) / side;
    const Long columns = (c.vorgabe - 1) % side - (c.field_4 - 1) % side;
    add(word(w::kAnchor, code) + " " + anchor + ": " + word(w::kRow, code) + " " +
            signed_number(rows) + ", " + word(w::kColumn, code) + " " + signed_number(columns),
        "; ");
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
  const Solver solver(b.cards, b.field_count == 16 ? BoardShape{kRange4x4, 16, 4} : BoardShape{});
  for (int i = 1; i <= b.field_count; ++i) {
    const Control* c = b.set.find(Role::Card, i - 1);
    if (!c || !c->visible) continue;
    ReaderItem& card = item(ReaderItem::Kind::Card, i, *c);
    card.name = word(w::kCard, b.code) + " " + std::to_string(i);
    if (c->marked) card.name += ", " + std::string(in(msg::kCardMarked, b.code));
    card.description =
        card_words(record_of(b.cards, i), solver.reading(i).fields, b.field_count, b.code);
  }
  if (b.home)
    for (int k = 1; k <= kPieceIds; ++k) {
      const Control* p = shown(k);
      if (!p || (k != b.carried && b.field_of[static_cast<std::size_t>(k)] == 0)) continue;
      ReaderItem& place = item(ReaderItem::Kind::StockPlace, k, *p);
      const auto& corner = (*b.home)[static_cast<std::size_t>(k)];
      place.left = corner[0], place.top = corner[1];
      place.name = word(w::kStockPlace, b.code) + " " + piece_words(k, b.code);
      place.description = word(w::kEmpty, b.code);
    }
  return items;
}

}  // namespace zerdo
