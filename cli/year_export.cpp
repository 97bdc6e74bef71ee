#include "cli/year_export.h"

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

// A legend of the marks and the name columns, then a line per day.
void WriteText(std::ostream& out, const std::vector<CalendarDay>& days, CalendarKind calendar,
               const Texts& texts) {
  const Style plain(false, false);
  out << MarkLegend(texts, plain, calendar) << "   " << texts.finnish_names << " | "
      << texts.swedish_names << '\n';
  const std::size_t weekday_columns = WeekdayColumns(texts);
  for (const CalendarDay& day : days) {
    out << IsoDateText(day.date) << "  " << PadRight(WeekdayName(day, texts), weekday_columns)
        << "  " << plain.RedDayMark(day.red_day) << FlagMark(day, plain) << "  "
        << DashIfEmpty(JoinedFeasts(FeastsIn(day, texts.feast_name))) << "  |  "
        << DashIfEmpty(day.finnish_names) << "  |  " << DashIfEmpty(day.swedish_names) << '\n';
  }
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

void WriteCsv(std::ostream& out, const std::vector<CalendarDay>& days, CalendarKind calendar,
              char separator, std::optional<int> days_away) {
  std::vector<std::string> header = {"date",    "weekday",       "feasts",       "flag_day",
                                     "red_day", "finnish_names", "swedish_names"};
  if (calendar == CalendarKind::kAlmanac) {
    header.insert(header.end(), {"flag_kind", "public_holiday"});
  }
  if (days_away) header.emplace_back("days_away");
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
      WriteText(out, days, options.calendar, texts);
      return;
    case ExportFormat::kCsv:
      WriteCsv(out, days, options.calendar, ',', options.days_away);
      return;
    case ExportFormat::kSpreadsheet:
      out << kByteOrderMark;
      WriteCsv(out, days, options.calendar, ';', options.days_away);
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
