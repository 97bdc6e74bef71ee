// An independent reference calendar for the calendar tests: none of it calls the code
// under test. Day arithmetic, month lengths and leap years come from the standard
// library's proleptic Gregorian calendar (std::chrono), weekdays from Zeller's
// congruence, and Easter from Gauss's algorithm with its two exceptions.
#pragma once

#include <chrono>
#include <ostream>
#include <string_view>

namespace kelotarhu::test {

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;

  friend bool operator==(const CivilDate&, const CivilDate&) = default;
  friend std::ostream& operator<<(std::ostream& out, const CivilDate& date) {
    return out << date.day << '.' << date.month << '.' << date.year;
  }
};

// A day of the year without its year, as the calendar's rules name their dates.
struct MonthDay {
  int month = 0;
  int day = 0;
};

inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

// Weekday indices as the calendar numbers them: 0 = Sunday ... 6 = Saturday.
inline constexpr int kSundayIndex = 0;
inline constexpr int kSaturdayIndex = 6;

inline std::chrono::year_month_day ToChrono(CivilDate date) {
  return std::chrono::year{date.year} / std::chrono::month{static_cast<unsigned>(date.month)} /
         std::chrono::day{static_cast<unsigned>(date.day)};
}

inline CivilDate FromChrono(std::chrono::year_month_day date) {
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day()))};
}

inline bool ExistsInReference(CivilDate date) { return ToChrono(date).ok(); }

inline bool IsLeapInReference(int year) { return std::chrono::year{year}.is_leap(); }

inline int DaysInMonthInReference(int year, int month) {
  const auto last = std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                    std::chrono::last;
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

inline CivilDate AddDays(CivilDate date, int days) {
  return FromChrono(std::chrono::sys_days{ToChrono(date)} + std::chrono::days{days});
}

// Days from `from` to `to`, negative when `to` lies before `from`.
inline int DaysBetween(CivilDate from, CivilDate to) {
  return static_cast<int>(
      (std::chrono::sys_days{ToChrono(to)} - std::chrono::sys_days{ToChrono(from)}).count());
}

// Zeller's congruence for the Gregorian calendar, January and February counted as
// months 13 and 14 of the previous year; returned as 0 = Sunday ... 6 = Saturday.
inline int ZellerWeekday(CivilDate date) {
  int month = date.month;
  int year = date.year;
  if (month < 3) {
    month += 12;
    year -= 1;
  }
  const int century_year = year % 100;
  const int century = year / 100;
  const int h = (date.day + 13 * (month + 1) / 5 + century_year + century_year / 4 + century / 4 +
                 5 * century) %
                7;  // 0 = Saturday
  return (h + 6) % 7;
}

// The Finnish weekday names, Sunday first.
inline constexpr std::string_view kFinnishWeekdays[] = {
    "Sunnuntai", "Maanantai", "Tiistai", "Keskiviikko", "Torstai", "Perjantai", "Lauantai"};

// The Finnish name of a date's weekday; the empty text for a date that does not exist.
inline std::string_view ReferenceWeekdayName(CivilDate date) {
  return ExistsInReference(date) ? kFinnishWeekdays[ZellerWeekday(date)] : std::string_view{};
}

// Easter Sunday by Gauss's algorithm (with the 1816 lunar correction), including the
// two exceptions that pull 26 April back to 19 April and 25 April back to 18 April.
inline CivilDate GaussEaster(int year) {
  const int a = year % 19;
  const int b = year % 4;
  const int c = year % 7;
  const int k = year / 100;
  const int p = (13 + 8 * k) / 25;
  const int q = k / 4;
  const int big_m = (15 - p + k - q) % 30;
  const int big_n = (4 + k - q) % 7;
  const int d = (19 * a + big_m) % 30;
  const int e = (2 * b + 4 * c + 6 * d + big_n) % 7;
  if (d == 29 && e == 6) return {year, 4, 19};
  if (d == 28 && e == 6 && (11 * big_m + 11) % 30 < 19) return {year, 4, 18};
  const int march_day = 22 + d + e;
  return march_day <= 31 ? CivilDate{year, 3, march_day} : CivilDate{year, 4, march_day - 31};
}

}  // namespace kelotarhu::test
