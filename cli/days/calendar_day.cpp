#include "cli/days/calendar_day.h"

#include <cstdio>

#include "cli/text/utf8.h"
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

std::vector<std::string> FeastsIn(const CalendarDay& day, FeastNameColumn column) {
  std::vector<std::string> feasts;
  for (const FeastNames& feast : day.feasts) feasts.emplace_back(feast.*column);
  return feasts;
}

std::string_view FlagDayText(const CalendarDay& day, const Texts& texts) {
  if (!day.almanac) return texts.flag_day;
  return day.almanac->flag_kind == almanac::FlagKind::kCustomary ? texts.customary_flag_day
                                                                 : texts.official_flag_day;
}

std::string JoinedFeasts(const std::vector<std::string>& feasts) {
  std::string joined;
  for (const std::string& feast : feasts) {
    if (!joined.empty()) joined += calendar::kFeastSeparator;
    joined += feast;
  }
  return joined;
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
