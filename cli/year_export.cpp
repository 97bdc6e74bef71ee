#include "cli/year_export.h"

#include <algorithm>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/day_report.h"
#include "cli/help_layout.h"
#include "cli/language.h"

namespace kelotarhu::cli {
namespace {

// The name lists put ", " between the names of a day.
constexpr std::string_view kNameSeparator = ", ";
// Opens a UTF-8 file for a spreadsheet, which would otherwise guess the code page.
constexpr std::string_view kByteOrderMark = "\uFEFF";

// A column of a listing: its heading and a cell per day; a column of words may wrap them.
struct ListingColumn {
  std::string heading;
  std::vector<std::string> cells;
  bool wraps = true;
};

// The columns of each cell's words in lines; the widest word is where a column can go.
std::size_t WidestWord(const ListingColumn& column) {
  std::size_t widest = 0;
  const auto measure = [&widest](std::string_view text) {
    for (const std::string& word : WrappedWords(text, 1)) widest = std::max(widest, Columns(word));
  };
  measure(column.heading);
  for (const std::string& cell : column.cells) measure(cell);
  return widest;
}

// Each column as wide as its widest cell or heading; when the lines would be wider than
// `width`, the widest column that can still give up room gives up a column at a time,
// down to its widest word, and its cells wrap onto lines of their own.
std::vector<std::size_t> ColumnWidths(const std::vector<ListingColumn>& columns, std::size_t gap,
                                      std::size_t width) {
  std::vector<std::size_t> widths;
  std::vector<std::size_t> narrowest;
  std::size_t total = columns.empty() ? 0 : gap * (columns.size() - 1);
  for (const ListingColumn& column : columns) {
    std::size_t widest = Columns(column.heading);
    for (const std::string& cell : column.cells) widest = std::max(widest, Columns(cell));
    widths.push_back(widest);
    narrowest.push_back(column.wraps ? WidestWord(column) : widest);
    total += widest;
  }
  while (total > width) {
    std::optional<std::size_t> widest;
    for (std::size_t i = 0; i < widths.size(); ++i) {
      if (widths[i] > narrowest[i] && (!widest || widths[i] > widths[*widest])) widest = i;
    }
    if (!widest) break;  // every column at its widest word: the lines stay wider
    --widths[*widest];
    --total;
  }
  return widths;
}

// Each column as wide as ColumnWidths makes it, two blanks between columns; the last is
// left ragged, and no line ends in blanks.
void WriteColumns(std::ostream& out, const std::vector<ListingColumn>& columns, std::size_t width) {
  constexpr std::string_view kGap = "  ";
  const std::vector<std::size_t> widths = ColumnWidths(columns, kGap.size(), width);
  const auto write_row = [&](auto cell_of) {
    std::vector<std::vector<std::string>> lines;
    std::size_t height = 1;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      lines.push_back(WrappedWords(cell_of(columns[i]), widths[i]));
      height = std::max(height, lines.back().size());
    }
    for (std::size_t row = 0; row < height; ++row) {
      std::string line;
      for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string cell = row < lines[i].size() ? lines[i][row] : std::string();
        line.append(i == 0 ? "" : kGap)
            .append(i + 1 < columns.size() ? PadRight(cell, widths[i]) : cell);
      }
      line.erase(line.find_last_not_of(' ') + 1);
      out << line << '\n';
    }
  };
  write_row([](const ListingColumn& column) -> const std::string& { return column.heading; });
  const std::size_t rows = columns.empty() ? 0 : columns.front().cells.size();
  for (std::size_t row = 0; row < rows; ++row) {
    write_row(
        [row](const ListingColumn& column) -> const std::string& { return column.cells[row]; });
  }
}

// A legend of the marks, then the days as an almanac lists them: weekday and date, marks,
// the day's names in the almanac, and the name days of both lists, under headings. The
// Finnish names come last, as the longest.
void WriteText(std::ostream& out, const std::vector<CalendarDay>& days,
               const ExportOptions& options, const Texts& texts) {
  const Style plain(false, false);
  std::vector<ListingColumn> columns = {
      {std::string(texts.date_heading), {}, false}, {std::string(), {}, false},
      {std::string(texts.feasts_heading), {}},      {Capitalised(texts.swedish_names), {}},
      {Capitalised(texts.finnish_names), {}},
  };
  for (const CalendarDay& day : days) {
    const std::string cells[] = {
        WeekdayAbbreviation(day, texts) + ' ' + DateText(day.date, texts), DayMarks(day, plain),
        JoinedFeasts(FeastsIn(day, texts.feast_name)), day.swedish_names, day.finnish_names};
    for (std::size_t i = 0; i < columns.size(); ++i) columns[i].cells.push_back(cells[i]);
  }
  out << MarkLegend(texts, plain, options.calendar) << '\n';
  WriteColumns(out, columns, options.text_width.value_or(SIZE_MAX));
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

// "official", "customary", or nothing on a day that is no flag day.
std::optional<std::string> FlagKindName(almanac::FlagKind kind) {
  switch (kind) {
    case almanac::FlagKind::kOfficial:
      return "official";
    case almanac::FlagKind::kCustomary:
      return "customary";
    case almanac::FlagKind::kNone:
      break;
  }
  return std::nullopt;
}

// The names of a CSV's fields: the plug-in's seven, the almanac's two, days away.
struct CsvHeader {
  std::vector<std::string> fields;
  std::vector<std::string> almanac_fields;
  std::string days_away;
};

// The header row for programs: the same keys as JSON.
CsvHeader ProgramHeader() {
  return {{"date", "weekday", "feasts", "flag_day", "red_day", "finnish_names", "swedish_names"},
          {"flag_kind", "public_holiday"},
          "days_away"};
}

// The header row for people, in their language.
CsvHeader SpreadsheetHeader(const Texts& texts) {
  return {
      {std::string(texts.date_heading), std::string(texts.weekday_heading),
       std::string(texts.feasts_heading), Capitalised(texts.flag_day), Capitalised(texts.red_day),
       Capitalised(texts.finnish_names), Capitalised(texts.swedish_names)},
      {std::string(texts.flag_kind_heading), Capitalised(texts.public_holiday)},
      std::string(texts.days_away_heading)};
}

// The almanac's fields only from the almanac, days away only with the next day of a kind.
void WriteCsv(std::ostream& out, const std::vector<CalendarDay>& days, const ExportOptions& options,
              char separator, const CsvHeader& names) {
  const std::optional<int> days_away = options.days_away;
  std::vector<std::string> header = names.fields;
  if (options.calendar == CalendarKind::kAlmanac) {
    header.insert(header.end(), names.almanac_fields.begin(), names.almanac_fields.end());
  }
  if (days_away) header.push_back(names.days_away);
  WriteCsvRow(out, header, separator);
  for (const CalendarDay& day : days) {
    std::vector<std::string> row = {IsoDateText(day.date),
                                    day.weekday,
                                    JoinedFeasts(FeastsIn(day, &FeastNames::finnish)),
                                    day.flag_day ? "1" : "0",
                                    day.red_day ? "1" : "0",
                                    day.finnish_names,
                                    day.swedish_names};
    if (day.almanac) {
      row.push_back(FlagKindName(day.almanac->flag_kind).value_or(""));
      row.emplace_back(day.almanac->public_holiday ? "1" : "0");
    }
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
                                     {"feasts", FeastsIn(day, &FeastNames::finnish)},
                                     {"flag_day", day.flag_day},
                                     {"red_day", day.red_day},
                                     {"finnish_names", SplitAt(day.finnish_names, kNameSeparator)},
                                     {"swedish_names", SplitAt(day.swedish_names, kNameSeparator)}};
    if (day.almanac) {
      const std::optional<std::string> flag_kind = FlagKindName(day.almanac->flag_kind);
      object["flag_kind"] = flag_kind ? nlohmann::ordered_json(*flag_kind) : nullptr;
      object["public_holiday"] = day.almanac->public_holiday;
    }
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
      WriteText(out, days, options, texts);
      return;
    case ExportFormat::kCsv:
      WriteCsv(out, days, options, ',', ProgramHeader());
      return;
    case ExportFormat::kSpreadsheet:
      out << kByteOrderMark;
      WriteCsv(out, days, options, ';', SpreadsheetHeader(texts));
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
