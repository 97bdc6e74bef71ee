#include "cli/day_range.h"

namespace kelotarhu::cli {
namespace {

// Calls `visit` for every day from `first` on, one year table at a time, until it
// returns false or the calendar ends.
void VisitDaysFrom(calendar::Date first, CalendarKind calendar,
                   const std::function<bool(const CalendarDay&)>& visit) {
  for (int year = first.year; year <= 9999; ++year) {
    const CalendarYear table(static_cast<std::uint16_t>(year), calendar);
    for (int month = year == first.year ? first.month : 1; month <= 12; ++month) {
      for (const CalendarDay& day : DaysOfMonth(table, month)) {
        const bool before_first =
            year == first.year && month == first.month && day.date.day < first.day;
        if (!before_first && !visit(day)) return;
      }
    }
  }
}

}  // namespace

std::vector<CalendarDay> DaysFrom(calendar::Date first, int count, CalendarKind calendar) {
  std::vector<CalendarDay> days;
  if (count <= 0) return days;
  VisitDaysFrom(first, calendar, [&](const CalendarDay& day) {
    days.push_back(day);
    return static_cast<int>(days.size()) < count;
  });
  return days;
}

bool IsOfKind(const CalendarDay& day, KindOfDay kind) {
  switch (kind) {
    case KindOfDay::kRed:
      return day.red_day;
    case KindOfDay::kHoliday:
      return day.almanac && day.almanac->public_holiday;
    case KindOfDay::kFlag:
      return day.flag_day;
    case KindOfDay::kFeast:
      return !day.feasts.empty();
    case KindOfDay::kNames:
      return !day.finnish_names.empty() || !day.swedish_names.empty();
  }
  return false;
}

std::optional<NextDay> FindNext(calendar::Date first, CalendarKind calendar,
                                const std::function<bool(const CalendarDay&)>& wanted) {
  std::optional<NextDay> next;
  VisitDaysFrom(first, calendar, [&](const CalendarDay& day) {
    if (!wanted(day)) return true;
    next = NextDay{day, DayCountOf(day.date) - DayCountOf(first)};
    return false;
  });
  return next;
}

}  // namespace kelotarhu::cli
