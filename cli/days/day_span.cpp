#include "cli/days/day_span.h"

namespace kelotarhu::cli {
namespace {

constexpr int kLastYear = 9999;  // 31.12.9999 ends the calendar

}  // namespace

void VisitDays(calendar::Date first, CalendarKind calendar,
               const std::function<bool(const CalendarDay&)>& visit) {
  calendar::Date date = first;
  for (int year = first.year; year <= kLastYear; ++year) {
    const CalendarYear days(static_cast<std::uint16_t>(year), calendar);
    for (; date.month <= 12; ++date.month, date.day = 1) {
      const int length = calendar::MonthLength({static_cast<std::uint8_t>(date.month), date.year});
      for (; date.day <= length; ++date.day) {
        if (!visit(days.Day(date.month, date.day))) return;
      }
    }
    date = {static_cast<std::uint16_t>(year + 1), 1, 1};
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
