#include "solving/solver.h"

#include <utility>

#include "model/assert.h"
#include "model/pictures.h"

namespace zerdo {

namespace {

using Mask = std::uint32_t;

int bits(Mask m) { return __builtin_popcount(m); }
int lowest(Mask m) { return __builtin_ctz(m); }
Mask bit(int i) { return Mask{1} << i; }
std::size_t at(int i) { return static_cast<std::size_t>(i); }

// Whether the cards 0..count-1 can each be given a field of its own from
// homes[card] (Kuhn's augmenting paths).
bool can_match(const std::array<Mask, 16>& homes, int count) {
  std::array<int, 16> owner;
  owner.fill(-1);
  for (int card = 0; card < count; ++card) {
    std::array<bool, 16> seen{};
    const std::function<bool(int)> place = [&](int c) {
      for (Mask m = homes[static_cast<std::size_t>(c)]; m; m &= m - 1) {
        const auto f = static_cast<std::size_t>(lowest(m));
        if (seen[f]) continue;
        seen[f] = true;
        if (owner[f] < 0 || place(owner[f])) {
          owner[f] = c;
          return true;
        }
      }
      return false;
    };
    if (!place(card)) return false;
  }
  return true;
}

}  // namespace

Solver::Solver(const CardTable& sn, const BoardShape& shape)
    : n_(shape.side), count_(shape.field_count), range_(shape.range_code) {
  ZERDO_ASSERT(n_ * n_ == count_ && count_ <= 16);
  all_ = static_cast<Mask>(bit(count_) - 1);
  start_.fill(0);
  for (int f = 0; f < count_; ++f) start_[at(f)] = all_;

  const auto on_board = [&](Long cell) { return cell >= 1 && cell <= count_; };
  // The field a cell lands on when the small board is moved by (dr, dc), -1
  // off the board.
  const auto moved = [&](Long cell, int dr, int dc) {
    const int row = static_cast<int>(cell - 1) / n_ + dr,
              col = static_cast<int>(cell - 1) % n_ + dc;
    return row < 0 || row >= n_ || col < 0 || col >= n_ ? -1 : row * n_ + col;
  };

  for (int r = 1; r <= count_; ++r) {
    const CardRecord c = record_of(sn, r);
    Card card;
    const bool names_piece = c.pict >= 1 && c.pict <= 24;
    card.subject = names_piece ? pieces_like(c.pict) : all_;
    const bool small_board = c.sperre != 0 || c.kreuze != 0 || c.vorgabe >= 1;
    card.crossed = 0;
    if (small_board)
      for (int k = 1; k <= count_; ++k)
        if (c.kreuze & (Long{1} << (k - 1))) card.crossed |= bit(k - 1);
    // A card about one piece bars that piece from every crossed field.
    if (names_piece && bits(card.subject) == 1)
      for (int f = 0; f < count_; ++f)
        if (card.crossed & bit(f)) start_[at(f)] &= ~card.subject;

    // The pieces drawn on cells of the small board.
    std::vector<std::pair<Long, Mask>> drawn;
    const Long extra[3][2] = {{c.pict_2, c.field_2}, {c.pict_3, c.field_3}, {c.pict_4, c.field_4}};
    for (const auto& e : extra)
      if (e[0] >= 1 && e[0] <= 24 && on_board(e[1])) drawn.emplace_back(e[1], pieces_like(e[0]));

    Long box = 0;  // the cell that holds the card's piece, 0 when none shows it
    if (!small_board)
      box = names_piece && on_board(c.field) ? c.field : 0;
    else
      box = on_board(c.vorgabe) ? c.vorgabe : 0;

    // The ways the small board may lie: every bordered cell on the board.
    std::vector<std::pair<int, int>> shifts;
    if (!small_board || (box == 0 && drawn.empty())) {
      shifts.emplace_back(0, 0);
    } else {
      for (int dr = 1 - n_; dr < n_; ++dr)
        for (int dc = 1 - n_; dc < n_; ++dc) {
          bool stays = true;
          for (int k = 1; k <= count_ && stays; ++k)
            if (!(c.sperre & (Long{1} << (k - 1)))) stays = moved(k, dr, dc) >= 0;
          if (stays) shifts.emplace_back(dr, dc);
        }
    }

    const auto add_option = [&](int home, int dr, int dc) {
      if (card.crossed & bit(home)) return;  // the card's piece stands on no crossed field
      Option o{home, {{home, card.subject}}};
      for (const auto& [cell, allow] : drawn) {
        const int f = moved(cell, dr, dc);
        if (f < 0) return;
        bool merged = false;
        for (Need& need : o.needs)
          if (need.field == f) {
            need.allow &= allow;
            merged = true;
          }
        if (!merged) o.needs.push_back({f, allow});
      }
      card.options.push_back(std::move(o));
    };
    for (const auto& [dr, dc] : shifts) {
      if (box != 0) {
        const int home = moved(box, dr, dc);
        if (home >= 0) add_option(home, dr, dc);
      } else {
        for (int home = 0; home < count_; ++home) add_option(home, dr, dc);
      }
    }
    cards_.push_back(std::move(card));
  }
}

CardReading Solver::reading(int card) const {
  ZERDO_ASSERT(card >= 1 && card <= count_);
  const Card& c = cards_[at(card - 1)];
  CardReading out;
  for (int p = 0; p < count_; ++p)
    if (c.subject & bit(p)) out.pictures.push_back(picture_of(p));
  Mask homes = 0;
  for (const Option& o : c.options) homes |= bit(o.home);
  for (int f = 0; f < count_; ++f)
    if (homes & bit(f)) out.fields.push_back(static_cast<Int>(f + 1));
  return out;
}

int Solver::piece_index(Int picture) const {
  if (picture < 1 || picture > kPieceIds) return -1;
  for (int p = 1; p <= count_; ++p)
    if (kPictureOfPiece[static_cast<std::size_t>(range_)][static_cast<std::size_t>(p)] == picture)
      return p - 1;
  return -1;
}

Int Solver::picture_of(int piece) const {
  return kPictureOfPiece[static_cast<std::size_t>(range_)][static_cast<std::size_t>(piece + 1)];
}

Solver::Mask Solver::pieces_like(Long picture) const {
  if (picture >= 1 && picture <= kPieceIds) {
    const int p = piece_index(static_cast<Int>(picture));
    return p < 0 ? 0 : bit(p);
  }
  if (picture < 17 || picture > 24) return all_;
  const PictureInfo& clue = kPictures[static_cast<std::size_t>(picture)];
  Mask m = 0;
  for (int p = 0; p < count_; ++p) {
    const PictureInfo& piece = kPictures[static_cast<std::size_t>(picture_of(p))];
    if ((clue.colour != 0 && clue.colour == piece.colour) ||
        (clue.shape != 0 && clue.shape == piece.shape))
      m |= bit(p);
  }
  return m;
}

bool Solver::board_to_pieces(const Arrangement& board, std::array<int, 16>& piece) const {
  Mask seen = 0;
  for (int f = 0; f < count_; ++f) {
    const int p = piece_index(board[static_cast<std::size_t>(f + 1)]);
    if (p < 0 || (seen & bit(p))) return false;
    seen |= bit(p);
    piece[at(f)] = p;
  }
  return true;
}

bool Solver::fits(const Arrangement& board) const {
  std::array<int, 16> piece{};
  return board_to_pieces(board, piece) && fits_pieces(piece);
}

bool Solver::fits_pieces(const std::array<int, 16>& piece) const {
  std::array<Mask, 16> homes{};
  for (std::size_t i = 0; i < cards_.size(); ++i) {
    const Card& card = cards_[i];
    for (const Option& o : card.options) {
      bool holds = true;
      for (const Need& need : o.needs)
        holds = holds && (need.allow & bit(piece[static_cast<std::size_t>(need.field)]));
      if (holds) homes[i] |= bit(o.home);
    }
    if (!homes[i]) return false;
  }
  return can_match(homes, count_);
}

namespace {

// Every piece on one field: a field left with one piece gives it up
// elsewhere, a piece left with one field takes it. False when a field or a
// piece has no place left.
bool settle_pieces(std::array<Mask, 16>& d, int count, Mask all) {
  for (bool changed = true; changed;) {
    changed = false;
    Mask fixed = 0, seen = 0;
    for (int f = 0; f < count; ++f) {
      const Mask m = d[at(f)];
      if (!m) return false;
      if (bits(m) == 1) {
        if (fixed & m) return false;
        fixed |= m;
      }
      seen |= m;
    }
    if (seen != all) return false;
    for (int f = 0; f < count; ++f) {
      Mask& m = d[at(f)];
      if (bits(m) > 1 && (m & fixed)) {
        m &= ~fixed;
        if (!m) return false;
        changed = true;
      }
    }
    for (int p = 0; p < count; ++p) {
      int where = -1, places = 0;
      for (int f = 0; f < count && places < 2; ++f)
        if (d[at(f)] & bit(p)) {
          where = f;
          ++places;
        }
      if (places == 0) return false;
      Mask& m = d[static_cast<std::size_t>(where)];
      if (places == 1 && m != bit(p)) {
        m = bit(p);
        changed = true;
      }
    }
  }
  return true;
}

}  // namespace

bool Solver::propagate(Domains& d) const {
  const int cards = static_cast<int>(cards_.size());
  for (;;) {
    if (!settle_pieces(d, count_, all_)) return false;
    // The fields each card can still be about.
    std::array<Mask, 16> homes{};
    for (int i = 0; i < cards; ++i) {
      for (const Option& o : cards_[at(i)].options) {
        bool open = true;
        for (const Need& need : o.needs)
          open = open && (d[static_cast<std::size_t>(need.field)] & need.allow);
        if (open) homes[at(i)] |= bit(o.home);
      }
      if (!homes[at(i)]) return false;
    }
    if (!can_match(homes, cards)) return false;
    Mask taken = 0;
    for (int i = 0; i < cards; ++i)
      if (bits(homes[at(i)]) == 1) taken |= homes[at(i)];
    // Each card narrows the fields every one of its open ways speaks of.
    bool changed = false;
    for (int i = 0; i < cards; ++i) {
      const Mask own = homes[at(i)];
      const Mask others = bits(own) == 1 ? taken & ~own : taken;
      Mask spoken = all_;
      bool any = false;
      Domains seen{};
      for (const Option& o : cards_[at(i)].options) {
        if (!(own & bit(o.home)) || (others & bit(o.home))) continue;
        bool open = true;
        for (const Need& need : o.needs)
          open = open && (d[static_cast<std::size_t>(need.field)] & need.allow);
        if (!open) continue;
        any = true;
        Mask fields = 0;
        for (const Need& need : o.needs) {
          const auto f = static_cast<std::size_t>(need.field);
          fields |= bit(need.field);
          seen[f] |= d[f] & need.allow;
        }
        spoken &= fields;
      }
      if (!any) return false;
      for (Mask m = spoken; m; m &= m - 1) {
        const auto f = static_cast<std::size_t>(lowest(m));
        if (seen[f] != d[f]) {
          d[f] = seen[f];
          changed = true;
        }
      }
    }
    if (!changed) return true;
  }
}

int Solver::search(Domains d, int limit, const std::function<void(const Domains&)>& visit) const {
  int found = 0;
  const std::function<void(Domains&)> descend = [&](Domains& here) {
    if (!propagate(here)) return;
    int pick = -1;
    for (int f = 0; f < count_; ++f) {
      const int b = bits(here[at(f)]);
      if (b > 1 && (pick < 0 || b < bits(here[static_cast<std::size_t>(pick)]))) pick = f;
    }
    if (pick < 0) {
      std::array<int, 16> piece{};
      for (int f = 0; f < count_; ++f) piece[at(f)] = lowest(here[at(f)]);
      if (!fits_pieces(piece)) return;
      ++found;
      if (visit) visit(here);
      return;
    }
    for (Mask m = here[static_cast<std::size_t>(pick)]; m && found < limit; m &= m - 1) {
      Domains next = here;
      next[static_cast<std::size_t>(pick)] = bit(lowest(m));
      descend(next);
    }
  };
  if (limit > 0) descend(d);
  return found;
}

int Solver::count(int limit) const { return search(start_, limit, nullptr); }

std::vector<Arrangement> Solver::boards(int limit) const {
  std::vector<Arrangement> found;
  search(start_, limit, [&](const Domains& d) {
    Arrangement b{};
    for (int f = 0; f < count_; ++f) b[at(f + 1)] = picture_of(lowest(d[at(f)]));
    found.push_back(b);
  });
  return found;
}

bool Solver::restrict_to(Domains& d, const Arrangement& placed) const {
  for (int f = 0; f < count_; ++f) {
    const Int picture = placed[static_cast<std::size_t>(f + 1)];
    if (picture == 0) continue;
    const int p = piece_index(picture);
    if (p < 0) return false;
    d[at(f)] &= bit(p);
  }
  return true;
}

std::vector<std::pair<int, int>> Solver::forced_by(int card, const Domains& placed) const {
  const Card& c = cards_[static_cast<std::size_t>(card)];
  Mask on_board = 0;
  for (int f = 0; f < count_; ++f)
    if (bits(placed[at(f)]) == 1) on_board |= placed[at(f)];
  Domains base = placed;
  for (int f = 0; f < count_; ++f) {
    Mask& m = base[at(f)];
    if (bits(m) == 1) continue;
    m = all_ & ~on_board;
    if ((c.crossed & bit(f)) && bits(c.subject) == 1) m &= ~c.subject;
  }
  Domains seen{};
  bool any = false;
  for (const Option& o : c.options) {
    Domains d = base;
    for (const Need& need : o.needs) d[static_cast<std::size_t>(need.field)] &= need.allow;
    if (!settle_pieces(d, count_, all_)) continue;
    any = true;
    for (int f = 0; f < count_; ++f) seen[at(f)] |= d[at(f)];
  }
  std::vector<std::pair<int, int>> forced;
  if (!any) return forced;
  for (int f = 0; f < count_; ++f) {
    const Mask m = seen[at(f)];
    if (bits(placed[at(f)]) != 1 && bits(m) == 1) forced.emplace_back(lowest(m), f);
  }
  for (int p = 0; p < count_; ++p) {
    if (on_board & bit(p)) continue;
    int where = -1, places = 0;
    for (int f = 0; f < count_; ++f)
      if (seen[at(f)] & bit(p)) {
        where = f;
        ++places;
      }
    if (places != 1) continue;
    const std::pair<int, int> fact{p, where};
    bool known = false;
    for (const auto& g : forced) known = known || g == fact;
    if (!known) forced.push_back(fact);
  }
  return forced;
}

std::vector<Int> Solver::cards_forcing(const Arrangement& placed, Int picture, Int field) const {
  std::vector<Int> cards;
  Domains d{};
  for (int f = 0; f < count_; ++f) d[at(f)] = all_;
  if (!restrict_to(d, placed)) return cards;
  const std::pair<int, int> fact{piece_index(picture), field - 1};
  for (int i = 0; i < static_cast<int>(cards_.size()); ++i)
    for (const auto& g : forced_by(i, d))
      if (g == fact) {
        cards.push_back(static_cast<Int>(i + 1));
        break;
      }
  return cards;
}

bool Solver::some_right_board(const Domains& plain, const std::array<int, 16>* stored) const {
  if (search(with_cards(plain), 1, nullptr) > 0) return true;
  return stored && within(plain, *stored);
}

Solver::Domains Solver::with_cards(Domains plain) const {
  for (int f = 0; f < count_; ++f) plain[at(f)] &= start_[at(f)];
  return plain;
}

bool Solver::within(const Domains& plain, const std::array<int, 16>& pieces) const {
  for (int f = 0; f < count_; ++f)
    if (!(plain[at(f)] & bit(pieces[at(f)]))) return false;
  return true;
}

Hint Solver::hint(const Arrangement& placed, const Arrangement& stored) const {
  Hint h;
  std::array<int, 16> stored_pieces{};
  // The stored solution counts beside the boards that fit when it fits none.
  const std::array<int, 16>* odd_stored = nullptr;
  if (board_to_pieces(stored, stored_pieces) && !fits_pieces(stored_pieces))
    odd_stored = &stored_pieces;

  Domains free{};
  for (int f = 0; f < count_; ++f) free[at(f)] = all_;
  Domains plain = free;
  if (!restrict_to(plain, placed)) return h;
  Mask open = 0;
  for (int f = 0; f < count_; ++f)
    if (placed[at(f + 1)] == 0) open |= bit(f);
  const auto wrong = [&](int f) {
    h.kind = Hint::Kind::Wrong;
    h.field = static_cast<Int>(f + 1);
    h.picture = placed[at(f + 1)];
    return h;
  };

  // The right boards within plain, as far as counting goes, and each field's
  // pieces over them.
  Domains everywhere{};
  const auto gather = [&](const Domains& within_plain) {
    everywhere = {};
    int found = search(with_cards(within_plain), kCountLimit, [&](const Domains& b) {
      for (int f = 0; f < count_; ++f) everywhere[at(f)] |= b[at(f)];
    });
    if (odd_stored && within(within_plain, *odd_stored)) {
      for (int f = 0; f < count_; ++f) everywhere[at(f)] |= bit(stored_pieces[at(f)]);
      ++found;
    }
    return found;
  };

  // A placed piece that no right board has on its field.
  const int right_boards = gather(free);
  for (int f = 0; f < count_; ++f) {
    if (open & bit(f)) continue;
    const Mask piece = plain[at(f)];
    if (everywhere[at(f)] & piece) continue;
    Domains one = free;
    one[at(f)] = piece;
    if (right_boards < kCountLimit || !some_right_board(one, odd_stored)) return wrong(f);
  }

  // The right boards with every placed piece where it lies.
  const int remaining = gather(plain);
  if (remaining == 0) {
    // Each piece may stand where it lies, but not all together: the first
    // that cannot join the ones before it.
    Domains so_far = free;
    for (int f = 0; f < count_; ++f) {
      if (open & bit(f)) continue;
      so_far[at(f)] = plain[at(f)];
      if (!some_right_board(so_far, odd_stored)) return wrong(f);
    }
    return h;
  }
  if (!open) return h;  // full and right

  // Pieces whose field every remaining right board agrees on.
  std::vector<std::pair<int, int>> settled;
  for (Mask m = open; m; m &= m - 1) {
    const int f = lowest(m);
    const Mask here = everywhere[at(f)];
    if (bits(here) != 1) continue;
    if (remaining >= kCountLimit) {
      Domains other = plain;
      other[at(f)] &= ~here;
      if (some_right_board(other, odd_stored)) continue;
    }
    settled.emplace_back(lowest(here), f);
  }
  h.kind = Hint::Kind::Place;
  if (!settled.empty()) {
    std::vector<std::vector<std::pair<int, int>>> forced(cards_.size());
    for (std::size_t i = 0; i < cards_.size(); ++i)
      forced[i] = forced_by(static_cast<int>(i), plain);
    std::pair<int, int> pick = settled.front();
    std::vector<Int> deciding;
    for (const auto& fact : settled) {
      for (std::size_t i = 0; i < cards_.size(); ++i)
        for (const auto& g : forced[i])
          if (g == fact) deciding.push_back(static_cast<Int>(i + 1));
      if (!deciding.empty()) {
        pick = fact;
        break;
      }
    }
    h.picture = picture_of(pick.first);
    h.field = static_cast<Int>(pick.second + 1);
    h.cards = std::move(deciding);
    return h;
  }

  // More than one answer remains: a piece of one of them, the stored
  // solution where it still can be.
  h.one_of_several = true;
  const int f = lowest(open);
  if (board_to_pieces(stored, stored_pieces) && within(plain, stored_pieces) &&
      (odd_stored || fits_pieces(stored_pieces))) {
    h.picture = picture_of(stored_pieces[at(f)]);
  } else {
    Domains first{};
    search(with_cards(plain), 1, [&](const Domains& b) { first = b; });
    h.picture = picture_of(lowest(first[at(f)]));
  }
  h.field = static_cast<Int>(f + 1);
  return h;
}

}  // namespace zerdo
