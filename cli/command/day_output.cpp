#include "cli/command/day_output.h"

#include "cli/export/formats.h"
#include "cli/show/listing.h"

namespace kelotarhu::cli {

void WriteDays(std::ostream& out, const std::vector<CalendarDay>& days, OutputFormat format,
               const DayOutputOptions& options, const Texts& texts) {
  const ExportFields fields{options.calendar, options.days_away};
  switch (format) {
    case OutputFormat::kText:
      WriteListing(out, days, options.calendar, options.text_width, texts);
      return;
    case OutputFormat::kCsv:
      WriteCsv(out, days, fields);
      return;
    case OutputFormat::kSpreadsheet:
      WriteSpreadsheet(out, days, fields, texts);
      return;
    case OutputFormat::kJson:
      WriteJson(out, days, fields);
      return;
    case OutputFormat::kIcs:
      WriteIcs(out, days, options.ics, texts);
      return;
  }
}

}  // namespace kelotarhu::cli
