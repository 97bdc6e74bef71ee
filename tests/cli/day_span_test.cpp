// Spans of days read through the tool's calendar: their lengths and ends checked
// against the Gregorian rules and against each other.
#include "cli/days/day_span.h"

#include <gtest/gtest.h>

namespace kelotarhu::cli {
namespace {

struct SpanCase {
  calendar::Date first;
  int count;
  std::size_t days;
  calendar::Date last;
};

TEST(DaySpan, RunsAcrossYearsAndStopsWhereTheCalendarEnds) {
  const SpanCase kCases[] = {
      {{2026, 12, 30}, 3, 3, {2027, 1, 1}},   {{2024, 2, 28}, 2, 2, {2024, 2, 29}},
      {{2100, 2, 28}, 2, 2, {2100, 3, 1}},  // a century that is no leap year
      {{9999, 12, 30}, 5, 2, {9999, 12, 31}}, {{1, 1, 1}, 1, 1, {1, 1, 1}},
  };
  for (const CalendarKind calendar : {CalendarKind::kAlmanac, CalendarKind::kPlugin}) {
    for (const SpanCase& c : kCases) {
      const std::vector<CalendarDay> days = DaysFrom(c.first, c.count, calendar);
      ASSERT_EQ(days.size(), c.days);
      EXPECT_EQ(days.front().date, c.first);
      EXPECT_EQ(days.back().date, c.last);
    }
  }
  EXPECT_TRUE(DaysFrom({2026, 1, 1}, 0, CalendarKind::kAlmanac).empty());
}

TEST(DaySpan, MonthsAndYearsHoldTheirDays) {
  EXPECT_EQ(DaysOfYear(2024, CalendarKind::kAlmanac).size(), 366u);
  EXPECT_EQ(DaysOfYear(1900, CalendarKind::kPlugin).size(), 365u);
  EXPECT_EQ(DaysOfYear(2000, CalendarKind::kPlugin).size(), 366u);
  const std::vector<CalendarDay> february = DaysOfMonth({2, 2028}, CalendarKind::kAlmanac);
  ASSERT_EQ(february.size(), 29u);
  EXPECT_EQ(february.back().date, (calendar::Date{2028, 2, 29}));
  const std::vector<CalendarDay> year = DaysOfYear(2026, CalendarKind::kAlmanac);
  EXPECT_EQ(year[31 + 28].date, (calendar::Date{2026, 3, 1}));
}

TEST(DaySpan, FindsTheNextDayOfAKindOrNone) {
  const std::optional<NextDay> independence =
      FindNext({2026, 12, 1}, CalendarKind::kAlmanac,
               [](const CalendarDay& day) { return day.date.month == 12 && day.date.day == 6; });
  ASSERT_TRUE(independence.has_value());
  EXPECT_EQ(independence->days_away, 5);
  EXPECT_FALSE(
      FindNext({9999, 12, 1}, CalendarKind::kPlugin, [](const CalendarDay&) { return false; }));
}

}  // namespace
}  // namespace kelotarhu::cli
