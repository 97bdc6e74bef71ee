#include "cli/year_export.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/day_report.h"
#include "cli/language.h"

namespace kelotarhu::cli {
namespace {

// The name lists put ", " between the names of a day.
constexpr std::string_view kNameSeparator = ", ";
// Opens a UTF-8 file for a spreadsheet, which would otherwise guess the code page.
constexpr std::string_view kByteOrderMark = "\uFEFF";

// A column of a listing: its heading and a cell per day.
struct ListingColumn {
  std::string heading;
  std::vector<std::string> cells;
};

// Each column as wide as its widest cell or heading, two blanks between columns; the
// last is left ragged, and no line ends in blanks.
void WriteColumns(std::ostream& out, const std::vector<ListingColumn>& columns) {
  constexpr std::string_view kGap = "  ";
  std::vector<std::size_t> widths;
  for (const ListingColumn& column : columns) {
    std::size_t width = Columns(column.heading);
    for (const std::string& cell : column.cells) width = std::max(width, Columns(cell));
    widths.push_back(width);
  }
  const auto write_line = [&](auto cell_of) {
    std::string line;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const std::string& cell = cell_of(columns[i]);
      line.append(i == 0 ? "" : kGap)
          .append(i + 1 < columns.size() ? PadRight(cell, widths[i]) : cell);
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  };
  write_line([](const ListingColumn& column) -> const std::string& { return column.heading; });
  const std::size_t rows = columns.empty() ? 0 : columns.front().cells.size();
  for (std::size_t row = 0; row < rows; ++row) {
    write_line(
        [row](const ListingColumn& column) -> const std::string& { return column.cells[row]; });
  }
}

// A legend of the marks, then the days as an almanac lists them: date, weekday, marks,
// the day's names in the almanac, and the name days of both lists, under headings. The
// Finnish names come last, as the longest.
void WriteText(std::ostream& out, const std::vector<CalendarDay>& days, const Texts& texts) {
  const Style plain(false, false);
  std::vector<ListingColumn> columns = {
      {std::string(texts.date_heading), {}},
      {std::string(texts.weekday_heading), {}},
      {std::string(), {}},
      {std::string(texts.feasts_heading), {}},
      {Capitalised(texts.swedish_names), {}},
      {Capitalised(texts.finnish_names), {}},
  };
  for (const CalendarDay& day : days) {
    const std::string cells[] = {DateText(day.date, texts), std::string(WeekdayName(day, texts)),
                                 DayMarks(day, plain),      JoinedFeasts(FeastsIn(day, texts)),
                                 day.swedish_names,         day.finnish_names};
    for (std::size_t i = 0; i < columns.size(); ++i) columns[i].cells.push_back(cells[i]);
  }
  out << MarkLegend(texts, plain) << '\n';
  WriteColumns(out, columns);
}

// RFC 4180: a field holding the separator, a quote, CR or LF is quoted, its quotes
// doubled.
std::string CsvField(std::string_view text, char separator) {
  const char special[] = {separator, '"', '\r', '\n', '\0'};
  if (text.find_first_of(special) == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

void WriteCsvRow(std::ostream& out, const std::vector<std::string>& fields, char separator) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) out << separator;
    out << CsvField(fields[i], separator);
  }
  out << "\r\n";
}

// The header row for programs: the same keys as JSON.
std::vector<std::string> CsvHeader() {
  return {"date",    "weekday",       "feasts",        "flag_day",
          "red_day", "finnish_names", "swedish_names", "days_away"};
}

// The header row for people, in their language.
std::vector<std::string> SpreadsheetHeader(const Texts& texts) {
  return {std::string(texts.date_heading),   std::string(texts.weekday_heading),
          std::string(texts.feasts_heading), Capitalised(texts.flag_day),
          Capitalised(texts.red_day),        Capitalised(texts.finnish_names),
          Capitalised(texts.swedish_names),  std::string(texts.days_away_heading)};
}

// `header` names every field, days_away last; it is left out without days away.
void WriteCsv(std::ostream& out, const std::vector<CalendarDay>& days, char separator,
              std::optional<int> days_away, std::vector<std::string> header) {
  if (!days_away) header.pop_back();
  WriteCsvRow(out, header, separator);
  for (const CalendarDay& day : days) {
    std::vector<std::string> row = {IsoDateText(day.date),    day.weekday,
                                    JoinedFeasts(day.feasts), day.flag_day ? "1" : "0",
                                    day.red_day ? "1" : "0",  day.finnish_names,
                                    day.swedish_names};
    if (days_away) row.push_back(std::to_string(*days_away));
    WriteCsvRow(out, row, separator);
  }
}

void WriteJson(std::ostream& out, const std::vector<CalendarDay>& days,
               std::optional<int> days_away) {
  nlohmann::ordered_json array = nlohmann::ordered_json::array();
  for (const CalendarDay& day : days) {
    nlohmann::ordered_json object = {{"date", IsoDateText(day.date)},
                                     {"weekday", day.weekday},
                                     {"feasts", day.feasts},
                                     {"flag_day", day.flag_day},
                                     {"red_day", day.red_day},
                                     {"finnish_names", SplitAt(day.finnish_names, kNameSeparator)},
                                     {"swedish_names", SplitAt(day.swedish_names, kNameSeparator)}};
    if (days_away) object["days_away"] = *days_away;
    array.push_back(std::move(object));
  }
  out << array.dump(2) << '\n';
}

}  // namespace

std::vector<CalendarDay> DaysOfYear(const CalendarYear& year) {
  std::vector<CalendarDay> days;
  for (int month = 1; month <= 12; ++month) {
    for (CalendarDay& day : DaysOfMonth(year, month)) days.push_back(std::move(day));
  }
  return days;
}

void WriteDays(std::ostream& out, const std::vector<CalendarDay>& days, ExportFormat format,
               const ExportOptions& options, const Texts& texts) {
  switch (format) {
    case ExportFormat::kText:
      WriteText(out, days, texts);
      return;
    case ExportFormat::kCsv:
      WriteCsv(out, days, ',', options.days_away, CsvHeader());
      return;
    case ExportFormat::kSpreadsheet:
      out << kByteOrderMark;
      WriteCsv(out, days, ';', options.days_away, SpreadsheetHeader(texts));
      return;
    case ExportFormat::kJson:
      WriteJson(out, days, options.days_away);
      return;
    case ExportFormat::kIcs:
      WriteIcs(out, days, options.ics, texts);
      return;
  }
}

}  // namespace kelotarhu::cli
