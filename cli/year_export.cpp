#include "cli/year_export.h"

#include <array>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/day_report.h"
#include "cli/language.h"

namespace kelotarhu::cli {
namespace {

// The name lists put ", " between the names of a day.
constexpr std::string_view kNameSeparator = ", ";

std::vector<CalendarDay> DaysOfYear(const CalendarYear& year) {
  std::vector<CalendarDay> days;
  for (int month = 1; month <= 12; ++month) {
    for (CalendarDay& day : DaysOfMonth(year, month)) days.push_back(std::move(day));
  }
  return days;
}

// A legend of the marks and the name columns, then a line per day.
void WriteText(std::ostream& out, const std::vector<CalendarDay>& days, const Texts& texts) {
  const Style plain(false, false);
  out << MarkLegend(texts, plain) << "   " << texts.finnish_names << " | " << texts.swedish_names
      << '\n';
  const std::size_t weekday_columns = WeekdayColumns(texts);
  for (const CalendarDay& day : days) {
    out << IsoDateText(day.date) << "  " << PadRight(WeekdayName(day, texts), weekday_columns)
        << "  " << plain.RedDayMark(day.red_day) << plain.FlagDayMark(day.flag_day) << "  "
        << DashIfEmpty(JoinedFeasts(FeastsIn(day, texts))) << "  |  "
        << DashIfEmpty(day.finnish_names) << "  |  " << DashIfEmpty(day.swedish_names) << '\n';
  }
}

// RFC 4180: a field holding a comma, quote, CR or LF is quoted, its quotes doubled.
std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

void WriteCsvRow(std::ostream& out, const std::array<std::string, 7>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) out << (i ? "," : "") << CsvField(fields[i]);
  out << "\r\n";
}

void WriteCsv(std::ostream& out, const std::vector<CalendarDay>& days) {
  WriteCsvRow(
      out, {"date", "weekday", "feasts", "flag_day", "red_day", "finnish_names", "swedish_names"});
  for (const CalendarDay& day : days) {
    WriteCsvRow(out, {IsoDateText(day.date), day.weekday, JoinedFeasts(day.feasts),
                      day.flag_day ? "1" : "0", day.red_day ? "1" : "0", day.finnish_names,
                      day.swedish_names});
  }
}

void WriteJson(std::ostream& out, const std::vector<CalendarDay>& days) {
  nlohmann::ordered_json array = nlohmann::ordered_json::array();
  for (const CalendarDay& day : days) {
    array.push_back({{"date", IsoDateText(day.date)},
                     {"weekday", day.weekday},
                     {"feasts", day.feasts},
                     {"flag_day", day.flag_day},
                     {"red_day", day.red_day},
                     {"finnish_names", SplitAt(day.finnish_names, kNameSeparator)},
                     {"swedish_names", SplitAt(day.swedish_names, kNameSeparator)}});
  }
  out << array.dump(2) << '\n';
}

}  // namespace

void WriteYear(std::ostream& out, const CalendarYear& year, YearFormat format, const Texts& texts) {
  const std::vector<CalendarDay> days = DaysOfYear(year);
  switch (format) {
    case YearFormat::kText:
      WriteText(out, days, texts);
      return;
    case YearFormat::kCsv:
      WriteCsv(out, days);
      return;
    case YearFormat::kJson:
      WriteJson(out, days);
      return;
  }
}

}  // namespace kelotarhu::cli
