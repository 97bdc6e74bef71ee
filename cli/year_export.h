// Days as text for a person, CSV for a program or a spreadsheet, JSON for a program,
// or iCalendar for a calendar application: a day, a run of days, a month or a year, all
// with the fields of the year export.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/calendar_day.h"
#include "cli/ics_export.h"
#include "cli/texts.h"

namespace kelotarhu::cli {

enum class ExportFormat { kText, kCsv, kSpreadsheet, kJson, kIcs };

struct ExportOptions {
  CalendarKind calendar = CalendarKind::kAlmanac;  // the days' calendar
  IcsContent ics;
  // With the next day of a kind: how many days away it is, as one more field.
  std::optional<int> days_away;
  // The widest line of a text listing, in columns; without it, lines as long as they are.
  std::optional<std::size_t> text_width;
};

// Text: a legend of the marks, column headings, then one line per day in aligned
// columns, in the language of `texts`; where the lines would be wider than text_width,
// the last columns wrap their words onto lines of their own.
// CSV: a header row, then one row per day; RFC 4180 quoting and CRLF line ends.
// Spreadsheet: the same CSV with ";" between the fields and a UTF-8 byte-order mark
// first, as Excel in a Finnish or Swedish locale opens it, its header row in the
// language of `texts`.
// JSON: an array of one object per day with the keys date, weekday, feasts, flag_day,
// red_day, finnish_names and swedish_names (the lists as arrays); from the almanac also
// flag_kind ("official", "customary" or null) and public_holiday. The CSV has the same
// columns, a list joined into one field, a flag 1 or 0 and no flag kind empty.
// CSV and JSON are the same in every language: the calendar's own Finnish texts.
// iCalendar: see WriteIcs; its events are named in the language of `texts`.
void WriteDays(std::ostream& out, const std::vector<CalendarDay>& days, ExportFormat format,
               const ExportOptions& options, const Texts& texts);

// Every day of a year, in order.
std::vector<CalendarDay> DaysOfYear(const CalendarYear& year);

}  // namespace kelotarhu::cli
