#include "cli/export/formats.h"

#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/text/language.h"

namespace kelotarhu::cli {
namespace {

// Opens a UTF-8 file for a spreadsheet, which would otherwise guess the code page.
constexpr std::string_view kByteOrderMark = "\uFEFF";

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
void WriteCsvRows(std::ostream& out, const std::vector<CalendarDay>& days,
                  const ExportFields& fields, char separator, const CsvHeader& names) {
  const std::optional<int> days_away = fields.days_away;
  std::vector<std::string> header = names.fields;
  if (fields.calendar == CalendarKind::kAlmanac) {
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

}  // namespace

void WriteJson(std::ostream& out, const std::vector<CalendarDay>& days,
               const ExportFields& fields) {
  const std::optional<int> days_away = fields.days_away;
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

void WriteCsv(std::ostream& out, const std::vector<CalendarDay>& days, const ExportFields& fields) {
  WriteCsvRows(out, days, fields, ',', ProgramHeader());
}

void WriteSpreadsheet(std::ostream& out, const std::vector<CalendarDay>& days,
                      const ExportFields& fields, const Texts& texts) {
  out << kByteOrderMark;
  WriteCsvRows(out, days, fields, ';', SpreadsheetHeader(texts));
}

}  // namespace kelotarhu::cli
