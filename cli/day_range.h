// Runs of days across years: the next N days, and the next day of a kind.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "cli/calendar_day.h"

namespace kelotarhu::cli {

// `count` days from `first` on, fewer where the calendar ends (31.12.9999).
std::vector<CalendarDay> DaysFrom(calendar::Date first, int count, CalendarKind calendar);

// In this order wherever the kinds are listed. Only the almanac knows public holidays.
enum class KindOfDay { kRed, kHoliday, kFlag, kFeast, kNames };

bool IsOfKind(const CalendarDay& day, KindOfDay kind);

struct NextDay {
  CalendarDay day;
  int days_away;  // 0 when `first` itself is of the kind
};

// The first day from `first` on (itself included) that `wanted` accepts; nothing when
// none comes before the calendar ends.
std::optional<NextDay> FindNext(calendar::Date first, CalendarKind calendar,
                                const std::function<bool(const CalendarDay&)>& wanted);

}  // namespace kelotarhu::cli
