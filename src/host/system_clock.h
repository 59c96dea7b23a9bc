#pragma once
#include <chrono>
#include <cstdint>
#include <string>

#include "play/platform.h"

namespace zerdo {

// The system's clock: milliseconds of a monotonic clock since the game
// started (so midnight or a clock change never runs the game clock back),
// and the local time of day.
class SystemClock : public Clock {
 public:
  std::int64_t now_ms() override;
  std::int64_t time_of_day_ms() override;
  std::string time_of_day_text() override;
  std::string local_date_time() override;

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace zerdo
