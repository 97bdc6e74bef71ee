#include "calendar/date.h"

#include <cmath>

namespace kelotarhu::calendar {

int WeekdayIndex(double serial) noexcept {
  // A serial may carry a time of day: round to whole milliseconds first, so that a
  // value a hair below midnight does not count as the previous day, then drop the
  // fraction towards zero.
  constexpr double kMillisecondsPerDay = 86'400'000.0;
  const auto milliseconds = static_cast<std::int64_t>(std::llround(serial * kMillisecondsPerDay));
  const std::int64_t whole_days = milliseconds / static_cast<std::int64_t>(kMillisecondsPerDay);
  return WeekdayOfDayCount(whole_days + kSerialEpochDayCount);
}

}  // namespace kelotarhu::calendar
