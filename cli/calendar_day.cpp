#include "cli/calendar_day.h"

#include <cstdio>

#include "cli/text_encoding.h"

namespace kelotarhu::cli {

CalendarYear::CalendarYear(std::uint16_t year)
    : year_(year), table_(std::make_unique<calendar::YearTable>()) {
  calendar::BuildYearTable(*table_, year);
}

CalendarDay CalendarYear::Day(int month, int day) const {
  const calendar::TNewDay& record = table_->Lookup(month, day);
  return {{year_, static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(day)},
          Utf8FromWindows1252(record.Weekday),
          SplitAt(Utf8FromWindows1252(record.Feasts), calendar::kFeastSeparator),
          record.FlagDay == 1,
          record.RedDay == 1,
          Utf8FromWindows1252(record.FinnishNames),
          Utf8FromWindows1252(record.SwedishNames)};
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
