#pragma once
#include <array>
#include <cstddef>
#include <string_view>

namespace zerdo {

// Every text the player reads lives in this folder, in one shape:
//  - a text that differs by language is a Texts row, indexed by language_code;
//  - rows that belong together are a std::array of Texts indexed by a code,
//    or rows keyed by a control name;
//  - a text that is the same in every language is a plain std::string_view.
// The files are by subject: the main window's captions, message boxes,
// secondary windows, help, records, statistics, puzzle files and the command
// line.

// The three languages of the game: language_code 0 German, 1 English, 2 Flemish.
constexpr int kLanguages = 3;

// A text in the three languages, indexed by language_code.
using Texts = std::array<std::string_view, kLanguages>;

// The table index of language code lang: 0..2, German for any other code.
constexpr std::size_t language_index(int lang) {
  return lang >= 0 && lang < kLanguages ? static_cast<std::size_t>(lang) : 0;
}

// The text of language code lang; German for a code outside 0..2.
constexpr std::string_view in(const Texts& t, int lang) { return t[language_index(lang)]; }

}  // namespace zerdo
