#include "cli/day_report.h"

#include <algorithm>
#include <array>

#include "cli/language.h"

namespace kelotarhu::cli {

std::string DashIfEmpty(const std::string& text) { return text.empty() ? "-" : text; }

std::string JoinedFeasts(const std::vector<std::string>& feasts) {
  std::string joined;
  for (const std::string& feast : feasts) {
    if (!joined.empty()) joined += calendar::kFeastSeparator;
    joined += feast;
  }
  return joined;
}

std::vector<std::string> FeastsIn(const CalendarDay& day, FeastNameColumn column) {
  std::vector<std::string> feasts;
  for (const FeastNames& feast : day.feasts) feasts.emplace_back(feast.*column);
  return feasts;
}

std::string_view WeekdayName(const CalendarDay& day, const Texts& texts) {
  return texts.weekdays[static_cast<std::size_t>(IsoWeekday(day.date) - 1)];
}

std::size_t WeekdayColumns(const Texts& texts) {
  std::size_t widest = 0;
  for (const std::string_view weekday : texts.weekdays) widest = std::max(widest, Columns(weekday));
  return widest;
}

std::string MarkLegend(const Texts& texts, const Style& style, CalendarKind calendar) {
  const std::string red = style.RedDayMark(true) + ' ' + std::string(texts.red_day) + "   ";
  if (calendar == CalendarKind::kPlugin) {
    return red + style.FlagDayMark(true) + ' ' + std::string(texts.flag_day);
  }
  return red + style.FlagDayMark(true) + ' ' + std::string(texts.official_flag_day) + "   " +
         style.FlagDayMark(true, kCustomaryFlagDayMark) + ' ' +
         std::string(texts.customary_flag_day);
}

namespace {

bool IsCustomaryFlagDay(const CalendarDay& day) {
  return day.almanac && day.almanac->flag_kind == almanac::FlagKind::kCustomary;
}

}  // namespace

std::string_view FlagDayText(const CalendarDay& day, const Texts& texts) {
  if (!day.almanac) return texts.flag_day;
  return IsCustomaryFlagDay(day) ? texts.customary_flag_day : texts.official_flag_day;
}

std::string FlagMark(const CalendarDay& day, const Style& style) {
  return style.FlagDayMark(day.flag_day,
                           IsCustomaryFlagDay(day) ? kCustomaryFlagDayMark : kFlagDayMark);
}

std::string DateText(calendar::Date date, const Texts& texts) {
  if (!texts.month_names_in_dates) return FinnishDateText(date);
  return std::to_string(date.day) + ' ' +
         std::string(texts.months[static_cast<std::size_t>(date.month - 1)]) + ' ' +
         std::to_string(date.year);
}

std::string DayKind(const CalendarDay& day, const Texts& texts, const Style& style) {
  if (day.red_day && day.flag_day) {
    return style.Red(Capitalised(texts.red_day)) + ' ' + std::string(texts.and_word) + ' ' +
           std::string(FlagDayText(day, texts));
  }
  if (day.red_day) return style.Red(Capitalised(texts.red_day));
  if (day.flag_day) return Capitalised(FlagDayText(day, texts));
  return {};
}

std::string NameDayLine(const NameDay& day, const Texts& texts) {
  const std::string date =
      texts.month_names_in_dates
          ? std::to_string(day.day) + ' ' +
                std::string(texts.months[static_cast<std::size_t>(day.month - 1)])
          : std::to_string(day.day) + '.' + std::to_string(day.month) + '.';
  const std::string_view lists = day.lists.size() == 2                     ? texts.both_lists
                                 : day.lists.front() == NameList::kFinnish ? texts.finnish_list
                                                                           : texts.swedish_list;
  return day.name + "  " + date + "  " + std::string(lists);
}

std::string NextDayTitle(KindOfDay kind, int days_away, const Texts& texts) {
  const std::array<std::string_view, 5> kinds = {texts.red_day, texts.public_holiday,
                                                 texts.flag_day, texts.feast_day, texts.name_day};
  const std::string when = days_away == 0   ? std::string(texts.today)
                           : days_away == 1 ? std::string(texts.tomorrow)
                                            : Fill(texts.in_days, {std::to_string(days_away)});
  return Fill(texts.next_day, {kinds[static_cast<std::size_t>(kind)], when});
}

namespace {

void WriteNames(std::ostream& out, std::string_view label, const std::string& names) {
  if (!names.empty()) out << Capitalised(label) << ": " << names << '\n';
}

}  // namespace

void WriteDayReport(std::ostream& out, const CalendarDay& day, const Texts& texts,
                    const Style& style) {
  out << Capitalised(WeekdayName(day, texts)) << ' ' << DateText(day.date, texts) << ", "
      << texts.week << ' ' << IsoWeekNumber(day.date) << '\n';
  const std::string feasts = JoinedFeasts(FeastsIn(day, texts.feast_name));
  if (!feasts.empty()) out << (day.red_day ? style.Red(feasts) : feasts) << '\n';
  const std::string kind = DayKind(day, texts, style);
  if (!kind.empty()) out << kind << '\n';
  WriteNames(out, texts.finnish_names, day.finnish_names);
  WriteNames(out, texts.swedish_names, day.swedish_names);
}

}  // namespace kelotarhu::cli
