#pragma once
#include <array>
#include <optional>
#include <string_view>

#include "model/card_table.h"

namespace zerdo {

// One built-in puzzle: its id, its level and its nine cards in the catalogue's
// own notation (see builtin.cpp).
struct BuiltinPuzzle {
  std::string_view id;
  int level;
  std::array<std::string_view, 9> cards;
};

constexpr int kBuiltinCount = 40;
extern const std::array<BuiltinPuzzle, kBuiltinCount> kBuiltinPuzzles;

// The solution picture of card 1..9, the same in every built-in puzzle.
constexpr std::array<Long, 10> kBuiltinLoesung{0, 9, 6, 3, 7, 4, 1, 8, 5, 2};

// Index 0..39 of a built-in id ("A1".."G10"), nullopt for any other text.
std::optional<int> builtin_index(std::string_view id);

// Decodes card number card (1..9) of a puzzle into its record values; nullopt
// when the notation is malformed.
std::optional<CardRecord> decode_card(const BuiltinPuzzle& p, int card);

}  // namespace zerdo
