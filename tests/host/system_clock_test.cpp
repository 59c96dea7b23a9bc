// The system's clock: a game clock that starts near 1 and never runs back,
// and the local time of day the status bar shows and the random source is
// seeded from.
#include "host/system_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>

namespace zerdo {
namespace {

TEST(ClockText, ShowsHoursMinutesAndSeconds) {
  const struct {
    std::int64_t ms;
    const char* text;
  } cases[] = {
      {0, "00:00:00"},        {999, "00:00:00"},      {43200000, "12:00:00"},
      {45296789, "12:34:56"}, {86399999, "23:59:59"},
  };
  for (const auto& c : cases) EXPECT_EQ(clock_text(c.ms), c.text) << c.ms;
}

TEST(SystemClock, GameClockStartsNearOneAndRunsForward) {
  SystemClock clock;
  const std::int64_t first = clock.now_ms();
  EXPECT_GE(first, 1);  // 0 means "not set"
  EXPECT_LT(first, 1000);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_GE(clock.now_ms(), first + 30);
}

// The time of day is the local one: in a zone five hours east of UTC it is
// five hours past UTC's.
TEST(SystemClock, TimeOfDayIsLocal) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  ::setenv("TZ", "<+05>-5", 1);
  ::tzset();
  constexpr std::int64_t kDay = 86400000, kFiveHours = 5 * 3600000;
  SystemClock clock;
  const std::int64_t utc = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::system_clock::now().time_since_epoch())
                               .count() %
                           kDay;
  const std::int64_t local = clock.time_of_day_ms();
  const std::string text = clock.time_of_day_text();
  const std::int64_t after = clock.time_of_day_ms();
  ASSERT_GE(local, 0);
  ASSERT_LT(local, kDay);
  const std::int64_t off = (local - (utc + kFiveHours) % kDay + kDay) % kDay;  // at midnight too
  EXPECT_TRUE(off < 1000 || off > kDay - 1000) << local << " " << utc;
  EXPECT_TRUE(text == clock_text(local) || text == clock_text(after)) << text;
  if (old)
    ::setenv("TZ", saved.c_str(), 1);
  else
    ::unsetenv("TZ");
  ::tzset();
}

}  // namespace
}  // namespace zerdo
