// Gregorian calendar arithmetic, carried back unchanged to year 1 (proleptic), for the
// years 1 to 9999. Serial day numbers count days since 30 December 1899 (day 0).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kelotarhu::calendar {

// Day count of 30 December 1899 when 1 January of year 1 is day 1.
inline constexpr std::int32_t kSerialEpochDayCount = 693594;
// Day count of 31 December 9999, the last day of the calendar.
inline constexpr std::int32_t kLastDayCount = 3652059;

// Days of each month in a common year; index 0 is unused so that January is 1.
inline constexpr std::array<std::int32_t, 13> MonthLengths = {0,  31, 28, 31, 30, 31, 30,
                                                              31, 31, 30, 31, 30, 31};

// Sunday first: index 0 is Sunday, matching WeekdayIndex.
inline constexpr std::array<std::string_view, 7> WeekdayNames = {
    "Sunnuntai", "Maanantai", "Tiistai", "Keskiviikko", "Torstai", "Perjantai", "Lauantai"};

inline constexpr std::string_view kSunday = WeekdayNames[0];
inline constexpr std::string_view kSaturday = WeekdayNames[6];

struct Date {
  std::uint16_t year = 0;
  std::uint16_t month = 0;
  std::uint16_t day = 0;

  friend constexpr bool operator==(const Date&, const Date&) = default;
};

struct MonthOfYear {
  std::uint8_t month;
  std::uint16_t year;
};

// Any year (negative ones too): divisible by 4, and by 400 when it is a century year.
constexpr bool YearIsLeap(int year) noexcept {
  if (year % 4 != 0) return false;
  if (year % 100 != 0) return true;
  return year % 400 == 0;
}

// Months 1-12 of any year: 28 to 31, February raised to 29 in a leap year.
constexpr int MonthLength(MonthOfYear m) noexcept {
  return m.month == 2 && YearIsLeap(m.year) ? 29 : MonthLengths[m.month];
}

// Days before each month of a common year, summed from MonthLengths; index 1 is January.
inline constexpr std::array<std::int32_t, 13> kDaysBeforeMonth = [] {
  std::array<std::int32_t, 13> before{};
  for (std::size_t month = 2; month < before.size(); ++month) {
    before[month] = before[month - 1] + MonthLengths[month - 1];
  }
  return before;
}();

// Valid dates of years 1-9999: 1 (1 January) to 365, or 366 on 31 December of a leap
// year; after February a leap year counts one day more.
constexpr std::int32_t DayOfYear(int year, int month, int day) noexcept {
  const bool after_leap_day = month > 2 && YearIsLeap(year);
  return kDaysBeforeMonth[static_cast<std::size_t>(month)] + day + (after_leap_day ? 1 : 0);
}

// Valid dates of years 1-9999: the day count, 1 (1 January of year 1) to kLastDayCount
// (31 December 9999): 365 days a year before it plus its leap days, plus the day of the
// year.
constexpr std::int32_t DayCount(int year, int month, int day) noexcept {
  const std::int32_t before = year - 1;
  return before * 365 + before / 4 - before / 100 + before / 400 + DayOfYear(year, month, day);
}

// Day counts 1 to kLastDayCount (years 1-9999): the date of that day. Howard Hinnant's
// civil_from_days on a March-based year, shifted to day 1 = 1 January of year 1.
constexpr Date DateOfDayCount(std::int32_t day_count) noexcept {
  const std::int32_t z = day_count + 305;  // days since 1 March of year 0
  const std::int32_t era = z / 146097;
  const std::int32_t day_of_era = z - era * 146097;  // [0, 146096]
  const std::int32_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) /
      365;  // [0, 399]
  const std::int32_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int32_t shifted_month = (5 * day_of_year + 2) / 153;  // [0, 11], March = 0
  const std::int32_t day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
  const std::int32_t month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
  const std::int32_t year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
  return {static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
          static_cast<std::uint16_t>(day)};
}

// Any integers: whether the date exists in the years 1 to 9999.
constexpr bool DateIsValid(int year, int month, int day) noexcept {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  return day <= MonthLength({static_cast<std::uint8_t>(month), static_cast<std::uint16_t>(year)});
}

// Valid dates of years 1-9999: the serial day number, -693593 (1 January of year 1) to
// 2958465 (31 December 9999); nothing for a date that does not exist.
constexpr std::optional<double> DateSerial(std::uint16_t year, std::uint16_t month,
                                           std::uint16_t day) noexcept {
  if (!DateIsValid(year, month, day)) return std::nullopt;
  return static_cast<double>(DayCount(year, month, day) - kSerialEpochDayCount);
}

// Any day count, before year 1 too (1 January of year 1, a Monday, is day 1):
// 0 = Sunday ... 6 = Saturday. Day counts that are multiples of 7 are Sundays.
constexpr int WeekdayOfDayCount(std::int64_t day_count) noexcept {
  return static_cast<int>(((day_count % 7) + 7) % 7);
}

// Any day count: 1 = Monday ... 7 = Sunday, as ISO 8601 numbers them.
constexpr int IsoWeekdayOfDayCount(std::int64_t day_count) noexcept {
  const int sunday_first = WeekdayOfDayCount(day_count);
  return sunday_first == 0 ? 7 : sunday_first;
}

// Valid dates of years 1-9999: 1 = Monday ... 7 = Sunday.
constexpr int IsoWeekday(Date date) noexcept {
  return IsoWeekdayOfDayCount(DayCount(date.year, date.month, date.day));
}

// Valid dates of years 1-9999: the ISO 8601 week, 1 to 53. Weeks run from Monday and
// belong to the year of their Thursday, so week 1 holds the year's first Thursday and
// 1-3 January may lie in the last week of the year before. Every Thursday looked up
// exists: 1 January of year 1 is a Monday and 31 December 9999 a Friday.
constexpr int IsoWeekNumber(Date date) noexcept {
  const std::int32_t day_count = DayCount(date.year, date.month, date.day);
  const Date thursday = DateOfDayCount(day_count - IsoWeekday(date) + 4);
  return static_cast<int>((DayOfYear(thursday.year, thursday.month, thursday.day) - 1) / 7 + 1);
}

// Any finite serial day number (a double, as the host keeps dates), its fraction of a
// day dropped after rounding to whole milliseconds: 0 = Sunday ... 6 = Saturday.
int WeekdayIndex(double serial) noexcept;

// Index 0-6: the Finnish weekday name; any other index: the empty text.
constexpr std::string_view WeekdayText(int index) noexcept {
  return index >= 0 && index < 7 ? WeekdayNames[static_cast<std::size_t>(index)]
                                 : std::string_view{};
}

// Finnish weekday name of a date; the empty text for a date that does not exist.
constexpr std::string_view WeekdayOfDate(std::uint16_t year, std::uint16_t month,
                                         std::uint16_t day) noexcept {
  return DateIsValid(year, month, day) ? WeekdayText(WeekdayOfDayCount(DayCount(year, month, day)))
                                       : std::string_view{};
}

// Known facts of the calendar.
static_assert(kSerialEpochDayCount == DayCount(1899, 12, 30));
static_assert(DateSerial(1899, 12, 30) == 0.0 && DateSerial(1900, 1, 1) == 2.0);
static_assert(DayCount(1, 1, 1) == 1 && DateOfDayCount(1) == Date{1, 1, 1});
static_assert(kLastDayCount == DayCount(9999, 12, 31));
static_assert(DateOfDayCount(kLastDayCount) == Date{9999, 12, 31});
static_assert(WeekdayOfDayCount(DayCount(1, 1, 1)) == 1);      // a Monday
static_assert(WeekdayOfDayCount(DayCount(2026, 12, 6)) == 0);  // a Sunday
static_assert(IsoWeekday({9999, 12, 31}) == 5);                // a Friday
static_assert(IsoWeekNumber({2021, 1, 3}) == 53 && IsoWeekNumber({2026, 12, 31}) == 53);
static_assert(IsoWeekNumber({2024, 12, 30}) == 1 && IsoWeekNumber({9999, 12, 31}) == 52);

}  // namespace kelotarhu::calendar
