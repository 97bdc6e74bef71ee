// What one day means, read from the almanac of its year or from the plug-in's year
// table, and put in UTF-8 for output.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/almanac.h"
#include "calendar/date.h"
#include "calendar/year_table.h"
#include "cli/text/feast_names.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

// Where the tool's answers come from: the Finnish almanac as it stood in each year, or
// the plug-in's fixed calendar, the same every year.
enum class CalendarKind { kAlmanac, kPlugin };

// What the almanac tells of a day and the plug-in's calendar does not.
struct AlmanacFacts {
  almanac::FlagKind flag_kind = almanac::FlagKind::kNone;
  bool public_holiday = false;
};

struct CalendarDay {
  calendar::Date date;
  std::string weekday;
  std::vector<FeastNames> feasts;  // the named days, in the calendar's order
  bool flag_day = false;           // of either kind
  bool red_day = false;            // a Sunday or a public holiday
  std::string finnish_names;       // "Niilo, Niko, Niklas"; empty on a day without names
  std::string swedish_names;
  std::optional<AlmanacFacts> almanac;  // only from the almanac
};

// One year of a calendar, built once and then read day by day.
class CalendarYear {
 public:
  CalendarYear(std::uint16_t year, CalendarKind kind);

  std::uint16_t year() const { return year_; }
  // A month (1-12) and day that exist in this year.
  CalendarDay Day(int month, int day) const;

 private:
  CalendarDay PluginDay(int month, int day) const;
  CalendarDay AlmanacDay(int month, int day) const;

  std::uint16_t year_;
  CalendarKind kind_;
  std::unique_ptr<calendar::YearTable> table_;     // the plug-in's calendar
  std::unique_ptr<almanac::AlmanacYear> almanac_;  // the almanac
};

// Monday = 1 ... Sunday = 7, and the ISO 8601 week, from the calendar's arithmetic.
using calendar::IsoWeekday;
using calendar::IsoWeekNumber;

// Day counts of the calendar's dates: 1 January of year 1 is day 1.
constexpr std::int32_t DayCountOf(calendar::Date date) {
  return calendar::DayCount(date.year, date.month, date.day);
}
using calendar::kLastDayCount;

// The name lists put ", " between the names of a day.
inline constexpr std::string_view kNameSeparator = ", ";

// The day's feasts in a language's column of names.
std::vector<std::string> FeastsIn(const CalendarDay& day, FeastNameColumn column);

// "liputuspäivä", or from the almanac the flag day's kind: "virallinen liputuspäivä".
std::string_view FlagDayText(const CalendarDay& day, const Texts& texts);

// Feast names joined for a line of text, as the calendar joins them.
std::string JoinedFeasts(const std::vector<std::string>& feasts);

// A year with its four digits, as every output writes it: "2026", "0026".
std::string YearText(int year);
// "6.12.2026", the way dates are written in Finland.
std::string FinnishDateText(calendar::Date date);
// "2026-12-06".
std::string IsoDateText(calendar::Date date);

}  // namespace kelotarhu::cli
