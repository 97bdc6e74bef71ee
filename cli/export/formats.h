// Days for programs: CSV, a spreadsheet's CSV and JSON, with the same fields.
#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "cli/days/calendar_day.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

// What decides the fields beyond the plug-in's seven.
struct ExportFields {
  CalendarKind calendar = CalendarKind::kAlmanac;  // the almanac adds two
  // With the next day of a kind: how many days away it is, as one more field.
  std::optional<int> days_away;
};

// A header row, then one row per day; RFC 4180 quoting and CRLF line ends. The fields are
// date, weekday, feasts, flag_day, red_day, finnish_names and swedish_names; from the
// almanac also flag_kind and public_holiday. A list is joined into one field, a flag is
// 1 or 0, no flag kind is empty. The same in every language: the calendar's own Finnish
// texts.
void WriteCsv(std::ostream& out, const std::vector<CalendarDay>& days, const ExportFields& fields);

// The same CSV with ";" between the fields and a UTF-8 byte-order mark first, as Excel
// in a Finnish or Swedish locale opens it, its header row in the language of `texts`.
void WriteSpreadsheet(std::ostream& out, const std::vector<CalendarDay>& days,
                      const ExportFields& fields, const Texts& texts);

// An array of one object per day with the keys of the CSV, the lists as arrays, the
// flags true or false, no flag kind null.
void WriteJson(std::ostream& out, const std::vector<CalendarDay>& days, const ExportFields& fields);

}  // namespace kelotarhu::cli
