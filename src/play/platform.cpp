#include "play/platform.h"

#include <cstdio>

namespace zerdo {

namespace {

constexpr std::int64_t kNoon = 12LL * 3600 * 1000;

class StillClock : public Clock {
 public:
  std::int64_t now_ms() override { return kNoon; }
  std::int64_t time_of_day_ms() override { return kNoon; }
  std::string time_of_day_text() override { return clock_text(kNoon); }
};

}  // namespace

std::string clock_text(std::int64_t time_of_day_ms) {
  const std::int64_t s = time_of_day_ms / 1000;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(s / 3600 % 24),
                static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
  return text;
}

Clock& still_clock() {
  static StillClock clock;
  return clock;
}

}  // namespace zerdo
