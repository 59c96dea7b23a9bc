#pragma once
#include <algorithm>
#include <cstdint>

namespace zerdo {

// The game's clock, in milliseconds of the platform's clock: the play time
// since the first move, standing while the game is held (Stop) and going on
// from there (Run). A game held at least once is marked as such until the
// next game, since a held game enters no hall of fame.
class GameClock {
 public:
  // The first move: the play time from zero.
  void start(std::int64_t now) { base_ = now; }
  // Stop: the time stands from now.
  void hold(std::int64_t now) { held_at_ = now; }
  // Run: the pause since the last hold does not count.
  void go_on(std::int64_t now) { base_ += now - held_at_; }
  // A new or restarted game has never been held.
  void forget_hold() { held_at_ = 0; }
  // A kept game brought back: play_ms played, standing at now, as a held
  // game does.
  void resume(std::int64_t now, std::int64_t play_ms) {
    base_ = now - play_ms;
    held_at_ = now;
  }

  bool was_held() const { return held_at_ != 0; }
  // The time since the first move, pauses left out, as the status line and
  // the hall of fame count it (running on while held).
  std::int64_t elapsed_ms(std::int64_t now) const { return now - base_; }
  // The play time within 0..limit: up to now while the game runs, up to the
  // hold while it stands.
  std::int64_t play_ms(std::int64_t now, bool running, std::int64_t limit) const {
    return std::clamp<std::int64_t>((running ? now : held_at_) - base_, 0, limit);
  }

  bool operator==(const GameClock& o) const { return base_ == o.base_ && held_at_ == o.held_at_; }
  bool operator!=(const GameClock& o) const { return !(*this == o); }

 private:
  std::int64_t base_ = 0;     // the platform's time the play time counts from
  std::int64_t held_at_ = 0;  // the last hold; 0: not held in this game
};

}  // namespace zerdo
