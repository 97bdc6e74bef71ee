#include "cli/show/day_report.h"

#include <algorithm>
#include <array>

#include "cli/text/language.h"

namespace kelotarhu::cli {

std::string_view WeekdayName(const CalendarDay& day, const Texts& texts) {
  return texts.weekdays[static_cast<std::size_t>(IsoWeekday(day.date) - 1)];
}

std::string WeekdayAbbreviation(const CalendarDay& day, const Texts& texts) {
  return std::string(
      texts.weekday_abbreviations[static_cast<std::size_t>(IsoWeekday(day.date) - 1)]);
}

std::size_t WeekdayColumns(const Texts& texts) {
  std::size_t widest = 0;
  for (const std::string_view weekday : texts.weekdays) widest = std::max(widest, Columns(weekday));
  return widest;
}

namespace {

bool IsRedDay(const CalendarDay& day) { return day.red_day; }
bool IsFlagDay(const CalendarDay& day) { return day.flag_day; }
bool IsFlagDayOfKind(const CalendarDay& day, almanac::FlagKind kind) {
  return day.flag_day && day.almanac && day.almanac->flag_kind == kind;
}
bool IsOfficialFlagDay(const CalendarDay& day) {
  return IsFlagDayOfKind(day, almanac::FlagKind::kOfficial);
}
bool IsCustomaryFlagDay(const CalendarDay& day) {
  return IsFlagDayOfKind(day, almanac::FlagKind::kCustomary);
}

constexpr std::array<DayMark, 2> kPluginMarks = {{
    {kRedDayMark, &IsRedDay, &Texts::red_day, true},
    {kFlagDayMark, &IsFlagDay, &Texts::flag_day, false},
}};
constexpr std::array<DayMark, 3> kAlmanacMarks = {{
    {kRedDayMark, &IsRedDay, &Texts::red_day, true},
    {kFlagDayMark, &IsOfficialFlagDay, &Texts::official_flag_day, false},
    {kCustomaryFlagDayMark, &IsCustomaryFlagDay, &Texts::customary_flag_day, false},
}};

std::string MarkShown(const DayMark& mark, const Style& style) {
  return mark.red ? style.Red(mark.symbol) : std::string(mark.symbol);
}

}  // namespace

std::span<const DayMark> DayMarksOf(CalendarKind calendar) {
  if (calendar == CalendarKind::kPlugin) return kPluginMarks;
  return kAlmanacMarks;
}

namespace {

// The red mark of a day, or its flag mark, or a blank where it has none.
std::string MarkOfSlot(const CalendarDay& day, bool red, const Style& style) {
  const CalendarKind calendar = day.almanac ? CalendarKind::kAlmanac : CalendarKind::kPlugin;
  for (const DayMark& mark : DayMarksOf(calendar)) {
    if (mark.red == red && mark.carried_by(day)) return MarkShown(mark, style);
  }
  return " ";
}

}  // namespace

std::string DayMarks(const CalendarDay& day, const Style& style) {
  return MarkOfSlot(day, true, style) + FlagMark(day, style);
}

std::string FlagMark(const CalendarDay& day, const Style& style) {
  return MarkOfSlot(day, false, style);
}

std::string MarkLegend(const Texts& texts, const Style& style, CalendarKind calendar) {
  std::string legend;
  for (const DayMark& mark : DayMarksOf(calendar)) {
    legend.append(legend.empty() ? "" : "   ")
        .append(MarkShown(mark, style))
        .append(" ")
        .append(texts.*mark.meaning);
  }
  return legend;
}

std::string DateText(calendar::Date date, const Texts& texts) {
  if (!texts.month_names_in_dates) return FinnishDateText(date);
  return std::to_string(date.day) + ' ' +
         std::string(texts.months[static_cast<std::size_t>(date.month - 1)]) + ' ' +
         YearText(date.year);
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

std::string DayAndMonthText(int day, int month, const Texts& texts) {
  if (texts.month_names_in_dates) {
    return std::to_string(day) + ' ' +
           std::string(texts.months[static_cast<std::size_t>(month - 1)]);
  }
  return Fill(texts.day_and_month, {std::to_string(day), std::to_string(month)});
}

std::string NameDayLine(const NameDay& day, const Texts& texts) {
  const std::string date = DayAndMonthText(day.day, day.month, texts);
  const std::string_view lists = day.lists.size() == 2                     ? texts.both_lists
                                 : day.lists.front() == NameList::kFinnish ? texts.finnish_list
                                                                           : texts.swedish_list;
  return day.name + "  " + date + "  " + std::string(lists);
}

std::string NextDayTitle(KindOfDay kind, int days_away, const Texts& texts) {
  const std::array<std::string_view, 5> kinds = {texts.next_red_day, texts.public_holiday,
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
