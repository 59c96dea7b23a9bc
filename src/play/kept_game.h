#pragma once
// The game in progress as it is kept between runs, so that the player can
// continue it after closing the window, a logout or a crash.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "play/game.h"

namespace zerdo {

// The file in the game's own folder that holds the kept game.
constexpr std::string_view kKeptGameFile = "last-game";
// The most a kept game file may hold; a game of a million releases fits.
constexpr std::size_t kMaxKeptGameBytes = 16 * 1024 * 1024;
// The longest play time a kept game may carry (ms): a year.
constexpr std::int64_t kMaxKeptPlayMs = std::int64_t{366} * 24 * 3600 * 1000;

// A game in progress with what the window adds to it: the play time so far
// and whether the clock runs.
struct KeptGame {
  Game game;
  std::int64_t play_ms = 0;
  bool running = true;
};

// The kept game as text: a head line, one "key=value" line per item (the
// cards as the card table's columns 1..16) and a last line with a check value
// over everything before it, so that a damaged or hand-edited file is found.
std::string write_kept_game(const KeptGame& kept);

// body with the check line that closes a kept game added: what
// write_kept_game does last.
std::string sign_kept_game(std::string body);

// The kept game read back, or nullopt when the bytes are not one written by
// write_kept_game: a wrong head, key or check value, a number outside its
// range, cards the puzzle-file reader refuses, a solution that is not the
// cards', moves that do not lead to the placement, a won board. Safe on any
// bytes.
std::optional<KeptGame> read_kept_game(std::string_view bytes);

}  // namespace zerdo
