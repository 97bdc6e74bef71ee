// What one day means, read from the calendar's year table and put in UTF-8 for output.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date.h"
#include "calendar/year_table.h"

namespace kelotarhu::cli {

struct CalendarDay {
  calendar::Date date;
  std::string weekday;
  std::vector<std::string> feasts;  // in the order the calendar placed them
  bool flag_day = false;
  bool red_day = false;
  std::string finnish_names;  // "Niilo, Niko, Niklas"; empty on a day without names
  std::string swedish_names;
};

// The year table of one year, built once and then read day by day.
class CalendarYear {
 public:
  explicit CalendarYear(std::uint16_t year);

  std::uint16_t year() const { return year_; }
  // A month (1-12) and day that exist in this year.
  CalendarDay Day(int month, int day) const;

 private:
  std::uint16_t year_;
  std::unique_ptr<calendar::YearTable> table_;
};

// Monday = 1 ... Sunday = 7, and the ISO 8601 week, from the calendar's arithmetic.
using calendar::IsoWeekday;
using calendar::IsoWeekNumber;

// The parts of `text` between the separators; nothing for the empty text.
std::vector<std::string> SplitAt(std::string_view text, std::string_view separator);

// Day counts of the calendar's dates: 1 January of year 1 is day 1.
constexpr std::int32_t DayCountOf(calendar::Date date) {
  return calendar::DayCount(date.year, date.month, date.day);
}
using calendar::kLastDayCount;

// Days of one month in order.
std::vector<CalendarDay> DaysOfMonth(const CalendarYear& year, int month);

// A year with its four digits, as every output writes it: "2026", "0026".
std::string YearText(int year);
// "6.12.2026", the way dates are written in Finland.
std::string FinnishDateText(calendar::Date date);
// "2026-12-06".
std::string IsoDateText(calendar::Date date);

}  // namespace kelotarhu::cli
