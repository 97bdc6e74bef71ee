// Every day of a year as text for a person, CSV for a spreadsheet or JSON for a program.
#pragma once

#include <ostream>

#include "cli/calendar_day.h"
#include "cli/texts.h"

namespace kelotarhu::cli {

enum class YearFormat { kText, kCsv, kJson };

// Text: for a person, in the language of `texts`.
// CSV: a header row, then one row per day; RFC 4180 quoting and CRLF line ends.
// JSON: an array of one object per day with the keys date, weekday, feasts, flag_day,
// red_day, finnish_names and swedish_names (the lists as arrays).
// CSV and JSON are the same in every language: the calendar's own Finnish texts.
void WriteYear(std::ostream& out, const CalendarYear& year, YearFormat format, const Texts& texts);

}  // namespace kelotarhu::cli
