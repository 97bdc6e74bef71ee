#include "cli/calendar_day.h"

#include <cstdio>

#include "cli/text_encoding.h"
#include "namedays/name_lists.h"

namespace kelotarhu::cli {

CalendarYear::CalendarYear(std::uint16_t year, CalendarKind kind) : year_(year), kind_(kind) {
  if (kind == CalendarKind::kAlmanac) {
    almanac_ = std::make_unique<almanac::AlmanacYear>(almanac::BuildAlmanacYear(year));
  } else {
    table_ = std::make_unique<calendar::YearTable>();
    calendar::BuildYearTable(*table_, year);
  }
}

CalendarDay CalendarYear::Day(int month, int day) const {
  return kind_ == CalendarKind::kAlmanac ? AlmanacDay(month, day) : PluginDay(month, day);
}

CalendarDay CalendarYear::PluginDay(int month, int day) const {
  const calendar::TNewDay& record = table_->Lookup(month, day);
  std::vector<FeastNames> feasts;
  for (const std::string& feast :
       SplitAt(Utf8FromWindows1252(record.Feasts), calendar::kFeastSeparator)) {
    feasts.push_back(FeastRow(feast));
  }
  return {{year_, static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(day)},
          Utf8FromWindows1252(record.Weekday),
          std::move(feasts),
          record.FlagDay == 1,
          record.RedDay == 1,
          Utf8FromWindows1252(record.FinnishNames),
          Utf8FromWindows1252(record.SwedishNames),
          std::nullopt};
}

// The named days of the almanac; the name days from the same lists as the plug-in's.
CalendarDay CalendarYear::AlmanacDay(int month, int day) const {
  const almanac::AlmanacDay& facts = almanac_->Day(month, day);
  const std::span<const almanac::Rule> rules = almanac::AlmanacRules();
  std::vector<FeastNames> feasts;
  for (const std::uint16_t index : facts.Rules()) {
    const almanac::Rule& rule = rules[index];
    feasts.push_back({rule.finnish, rule.swedish, rule.english});
  }
  const auto month16 = static_cast<std::uint16_t>(month);
  const auto day16 = static_cast<std::uint16_t>(day);
  return {{year_, month16, day16},
          std::string(calendar::WeekdayOfDate(year_, month16, day16)),
          std::move(feasts),
          facts.flag != almanac::FlagKind::kNone,
          facts.red,
          Utf8FromWindows1252(namedays::NamesOn(namedays::FinnishNameList, month, day)),
          Utf8FromWindows1252(namedays::NamesOn(namedays::SwedishNameList, month, day)),
          AlmanacFacts{facts.flag, facts.public_holiday}};
}

std::vector<std::string> SplitAt(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  while (!text.empty()) {
    const std::size_t end = text.find(separator);
    parts.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + separator.size());
  }
  return parts;
}

std::vector<CalendarDay> DaysOfMonth(const CalendarYear& year, int month) {
  std::vector<CalendarDay> days;
  const int length = calendar::MonthLength({static_cast<std::uint8_t>(month), year.year()});
  for (int day = 1; day <= length; ++day) days.push_back(year.Day(month, day));
  return days;
}

std::string YearText(int year) {
  char text[16];  // room for any int
  std::snprintf(text, sizeof text, "%04d", year);
  return text;
}

std::string FinnishDateText(calendar::Date date) {
  return std::to_string(date.day) + '.' + std::to_string(date.month) + '.' + YearText(date.year);
}

std::string IsoDateText(calendar::Date date) {
  char text[32];  // room for any 16-bit values
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned{date.year}, unsigned{date.month},
                unsigned{date.day});
  return text;
}

}  // namespace kelotarhu::cli
