// Dates, months and years as a person writes them on the command line: whole dates,
// dates of this year, words such as "tomorrow" and day offsets from today.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "calendar/date.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

// Why a text is not a date, month or year, with the numbers as they were read.
struct DateProblem {
  enum Kind {
    kUnreadable,      // no accepted form
    kYearOutOfRange,  // the calendar holds the years 1 to 9999
    kNoSuchMonth,     // a month other than 1 to 12
    kNoSuchDay,       // a day the month does not have
    kNotLeapYear,     // 29 February of a common year
    kBeyondCalendar,  // an offset from today that leaves the years 1 to 9999
    kShortYear,       // a year of one to three digits, which could mean more than one year
  };
  Kind kind = kUnreadable;
  int year = 0;  // of a short year: the year nearest today that it could mean
  int month = 0;
  std::string written_in_full{};  // of a short year: the text with that year in full

  friend bool operator==(const DateProblem&, const DateProblem&) = default;
};

template <typename Value>
using Reading = std::variant<Value, DateProblem>;

// Today; tomorrow; yesterday (also in Finnish and Swedish, any case); +N or -N days
// from today; D.M. (this year), D.M.YYYY or YYYY-MM-DD. Every year has four digits,
// leading zeros included (0026).
Reading<calendar::Date> ReadDate(std::string_view text, calendar::Date today);

// M (this year's), M.YYYY or YYYY-MM.
Reading<calendar::MonthOfYear> ReadMonth(std::string_view text, calendar::Date today);

// YYYY, from 1 to 9999.
Reading<std::uint16_t> ReadYear(std::string_view text, calendar::Date today);

// A date, month or year that does not exist, and why: "DATE "29.2.2027" is not a date:
// 2027 is not a leap year"; `forms` when the text is none of them.
std::string DateProblemMessage(const Texts& texts, std::string_view name, std::string_view value,
                               std::string_view what, std::string_view forms,
                               const DateProblem& problem);

}  // namespace kelotarhu::cli
