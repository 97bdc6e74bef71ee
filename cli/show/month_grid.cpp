#include "cli/show/month_grid.h"

#include <string_view>

#include "cli/days/day_span.h"
#include "cli/show/day_report.h"
#include "cli/text/language.h"

namespace kelotarhu::cli {
namespace {

// Week lines: the week number, then a cell per day of blank, day number (right-aligned
// under the weekday's abbreviation), red-day mark and flag-day mark.
constexpr std::size_t kWeekColumns = 3;
constexpr std::size_t kNumberColumns = 2;
constexpr std::size_t kCellColumns = 1 + kNumberColumns + kRedDayMark.size() + kFlagDayMark.size();
static_assert(kCellColumns == 5);
constexpr std::size_t kGridColumns = kWeekColumns + 7 * kCellColumns;

// A line without the blanks after its last mark.
void WriteLine(std::ostream& out, std::string line) {
  line.erase(line.find_last_not_of(' ') + 1);
  out << line << '\n';
}

void WriteTitle(std::ostream& out, int month, std::uint16_t year, const Texts& texts) {
  const std::string title =
      Capitalised(texts.months[static_cast<std::size_t>(month - 1)]) + ' ' + YearText(year);
  out << std::string((kGridColumns - Columns(title)) / 2, ' ') << title << '\n';
  std::string header = PadLeft(texts.week_abbreviation, kWeekColumns);
  for (const std::string_view weekday : texts.weekday_abbreviations) {
    header += ' ' + PadLeft(weekday, kNumberColumns) + "  ";
  }
  WriteLine(out, header);
}

std::string DayNumber(int day) { return PadLeft(std::to_string(day), kNumberColumns); }

// A red day's number and mark are painted in one piece: fewer escapes in a line.
std::string Cell(const CalendarDay& day, bool today, const Style& style) {
  const std::string number = DayNumber(day.date.day);
  std::string shown;
  if (today) {
    shown = style.Today(number, day.red_day) + style.RedDayMark(day.red_day);
  } else if (day.red_day) {
    shown = style.Red(number + std::string(kRedDayMark));
  } else {
    shown = number + style.RedDayMark(false);
  }
  return ' ' + shown + FlagMark(day, style);
}

std::string WeekNumberCell(calendar::Date date) {
  return PadLeft(std::to_string(IsoWeekNumber(date)), kWeekColumns);
}

// `today`: the day of the month to highlight, or 0.
void WriteWeeks(std::ostream& out, const std::vector<CalendarDay>& days, int today,
                const Style& style) {
  int column = IsoWeekday(days.front().date) - 1;  // Monday = 0
  std::string line = WeekNumberCell(days.front().date) + std::string(column * kCellColumns, ' ');
  for (const CalendarDay& day : days) {
    if (column == 7) {
      WriteLine(out, line);
      line = WeekNumberCell(day.date);
      column = 0;
    }
    line += Cell(day, day.date.day == today, style);
    ++column;
  }
  WriteLine(out, line);
}

// The marks in words; and today's number as it stands out, when it is in the grid.
void WriteLegend(std::ostream& out, int today, const Texts& texts, const Style& style,
                 CalendarKind calendar) {
  out << MarkLegend(texts, style, calendar);
  if (today != 0) out << "   " << style.Today(DayNumber(today), false) << ' ' << texts.today;
  out << '\n';
}

// "6.12." in Finnish, "6.12" in Swedish; in English the day alone, as the title names the
// month.
std::string DayOfMonthText(calendar::Date date, const Texts& texts) {
  if (texts.month_names_in_dates) return std::to_string(date.day);
  return DayAndMonthText(date.day, date.month, texts);
}

void WriteFeastList(std::ostream& out, const std::vector<CalendarDay>& days, const Texts& texts,
                    const Style& style) {
  const std::size_t weekday_columns = WeekdayColumns(texts);
  const std::size_t date_columns = Columns(DayOfMonthText(days.back().date, texts));
  for (const CalendarDay& day : days) {
    if (day.feasts.empty() && !day.flag_day) continue;
    const std::string feasts = JoinedFeasts(FeastsIn(day, texts.feast_name));
    out << PadLeft(DayOfMonthText(day.date, texts), date_columns) << ' '
        << PadRight(WeekdayName(day, texts), weekday_columns) << ' ' << DayMarks(day, style) << ' '
        << (day.red_day ? style.Red(feasts) : feasts) << '\n';
  }
}

}  // namespace

void WriteMonth(std::ostream& out, calendar::MonthOfYear month, CalendarKind calendar,
                calendar::Date today, const Texts& texts, const Style& style) {
  const std::vector<CalendarDay> days = DaysOfMonth(month, calendar);
  const int highlighted =
      style.highlight_today() && today.year == month.year && today.month == month.month ? today.day
                                                                                        : 0;
  WriteTitle(out, month.month, month.year, texts);
  WriteWeeks(out, days, highlighted, style);
  WriteLegend(out, highlighted, texts, style, calendar);
  out << '\n';
  WriteFeastList(out, days, texts, style);
}

}  // namespace kelotarhu::cli
