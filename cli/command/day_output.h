// Days in the format the command chose: a listing for a person, or bytes for a program.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/days/calendar_day.h"
#include "cli/export/ics_export.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

enum class OutputFormat { kText, kCsv, kSpreadsheet, kJson, kIcs };

struct DayOutputOptions {
  CalendarKind calendar = CalendarKind::kAlmanac;  // the days' calendar
  IcsContent ics;
  // With the next day of a kind: how many days away it is, as one more field.
  std::optional<int> days_away;
  // The widest line of a text listing, in columns; without it, lines as long as they are.
  std::optional<std::size_t> text_width;
};

// Text: WriteListing. CSV, spreadsheet and JSON: WriteCsv, WriteSpreadsheet, WriteJson.
// iCalendar: WriteIcs.
void WriteDays(std::ostream& out, const std::vector<CalendarDay>& days, OutputFormat format,
               const DayOutputOptions& options, const Texts& texts);

}  // namespace kelotarhu::cli
