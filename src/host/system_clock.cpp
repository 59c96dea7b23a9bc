#include "host/system_clock.h"

#include <time.h>

#include <ctime>

namespace zerdo {

std::int64_t SystemClock::now_ms() {
  // Offset by 1 because 0 means "not set".
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start_)
             .count() +
         1;
}

std::int64_t SystemClock::time_of_day_ms() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  std::tm local{};
  ::localtime_r(&now.tv_sec, &local);
  // A leap second counts as the last of its minute.
  const int second = local.tm_sec < 59 ? local.tm_sec : 59;
  return ((local.tm_hour * 60LL + local.tm_min) * 60 + second) * 1000 + now.tv_nsec / 1000000;
}

std::string SystemClock::time_of_day_text() { return clock_text(time_of_day_ms()); }

std::string SystemClock::local_date_time() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

}  // namespace zerdo
