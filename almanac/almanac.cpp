#include "almanac/almanac.h"

#include <algorithm>
#include <optional>

#include "calendar/date.h"
#include "calendar/easter.h"

namespace kelotarhu::almanac {
namespace {

using calendar::DayCount;
using calendar::IsoWeekdayOfDayCount;

// The day count of the rule's date in a year, before any exception; nothing when the
// date is 29 February of a common year.
std::optional<std::int32_t> AnchoredDayCount(const DateRule& rule, int year, std::int32_t easter) {
  if (rule.anchor == DateRule::Anchor::kEaster) return easter + rule.easter_offset;
  if (!calendar::DateIsValid(year, rule.month, rule.day)) return std::nullopt;
  const std::int32_t anchor = DayCount(year, rule.month, rule.day);
  if (rule.anchor == DateRule::Anchor::kFixed) return anchor;
  return anchor + (rule.weekday - IsoWeekdayOfDayCount(anchor) + 7) % 7;
}

std::optional<std::int32_t> RuleDayCount(const DateRule& rule, int year, std::int32_t easter) {
  const std::optional<std::int32_t> day_count = AnchoredDayCount(rule, year, easter);
  if (!day_count) return day_count;
  for (std::size_t i = 0; i < rule.exception_count; ++i) {
    const Exception& exception = rule.exceptions[i];
    if (*day_count == easter + exception.easter_offset) return *day_count + exception.shift;
  }
  return day_count;
}

void Place(AlmanacDay& day, std::uint16_t index, const Rule& rule) {
  if (day.rules_met < day.rules.size()) day.rules[day.rules_met] = index;
  if (day.rules_met < UINT8_MAX) ++day.rules_met;
  day.public_holiday = day.public_holiday || rule.public_holiday;
  day.red = day.red || rule.public_holiday;
  day.flag = std::max(day.flag, rule.flag);
}

}  // namespace

const AlmanacDay& AlmanacYear::Day(int month, int day) const {
  return days[static_cast<std::size_t>(calendar::DayOfYear(year, month, day) - 1)];
}

AlmanacYear BuildAlmanacYear(int year) {
  AlmanacYear almanac;
  almanac.year = year;
  const std::int32_t new_year = DayCount(year, 1, 1);
  const std::int32_t length = DayCount(year, 12, 31) - new_year + 1;
  const int first_sunday = (7 - calendar::WeekdayOfDayCount(new_year)) % 7;
  for (std::int32_t day = first_sunday; day < length; day += 7) {
    almanac.days[static_cast<std::size_t>(day)].red = true;
  }
  const calendar::Date easter_sunday = calendar::EasterSunday(static_cast<std::uint16_t>(year));
  const std::int32_t easter = DayCount(year, easter_sunday.month, easter_sunday.day);
  const std::span<const Rule> rules = AlmanacRules();
  for (std::size_t index = 0; index < rules.size(); ++index) {
    const Rule& rule = rules[index];
    if (year < rule.first_year || year > rule.last_year) continue;
    const std::optional<std::int32_t> day_count = RuleDayCount(rule.date, year, easter);
    if (!day_count || *day_count < new_year || *day_count - new_year >= length) continue;
    Place(almanac.days[static_cast<std::size_t>(*day_count - new_year)],
          static_cast<std::uint16_t>(index), rule);
  }
  return almanac;
}

}  // namespace kelotarhu::almanac
