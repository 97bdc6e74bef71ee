// Spans of days, across years where they run on: the one way the tool gathers days, a
// year of the calendar built at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "cli/days/calendar_day.h"

namespace kelotarhu::cli {

// Calls `visit` for every day from `first` on until it returns false or the calendar
// ends (31.12.9999).
void VisitDays(calendar::Date first, CalendarKind calendar,
               const std::function<bool(const CalendarDay&)>& visit);

// `count` days from `first` on, fewer where the calendar ends.
std::vector<CalendarDay> DaysFrom(calendar::Date first, int count, CalendarKind calendar);

// Every day of a month, of a year.
std::vector<CalendarDay> DaysOfMonth(calendar::MonthOfYear month, CalendarKind calendar);
std::vector<CalendarDay> DaysOfYear(std::uint16_t year, CalendarKind calendar);

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
