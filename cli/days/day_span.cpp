#include "cli/days/day_span.h"

namespace kelotarhu::cli {

// Day by day in the calendar's day counts, a year of the calendar built when its first
// day comes.
void VisitDays(calendar::Date first, CalendarKind calendar,
               const std::function<bool(const CalendarDay&)>& visit) {
  std::optional<CalendarYear> year;
  for (std::int32_t count = DayCountOf(first); count <= kLastDayCount; ++count) {
    const calendar::Date date = calendar::DateOfDayCount(count);
    if (!year || year->year() != date.year) year.emplace(date.year, calendar);
    if (!visit(year->Day(date.month, date.day))) return;
  }
}

std::vector<CalendarDay> DaysFrom(calendar::Date first, int count, CalendarKind calendar) {
  std::vector<CalendarDay> days;
  if (count <= 0) return days;
  VisitDays(first, calendar, [&](const CalendarDay& day) {
    days.push_back(day);
    return static_cast<int>(days.size()) < count;
  });
  return days;
}

std::vector<CalendarDay> DaysOfMonth(calendar::MonthOfYear month, CalendarKind calendar) {
  return DaysFrom({month.year, month.month, 1}, calendar::MonthLength(month), calendar);
}

std::vector<CalendarDay> DaysOfYear(std::uint16_t year, CalendarKind calendar) {
  return DaysFrom({year, 1, 1}, calendar::YearIsLeap(year) ? 366 : 365, calendar);
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
  VisitDays(first, calendar, [&](const CalendarDay& day) {
    if (!wanted(day)) return true;
    next = NextDay{day, DayCountOf(day.date) - DayCountOf(first)};
    return false;
  });
  return next;
}

}  // namespace kelotarhu::cli
