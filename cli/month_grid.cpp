#include "cli/month_grid.h"

#include <array>
#include <iomanip>
#include <sstream>
#include <string_view>

#include "cli/day_report.h"

namespace kelotarhu::cli {
namespace {

// UTF-8.
constexpr std::array<std::string_view, 12> kMonthNames = {
    "Tammikuu",        "Helmikuu", "Maaliskuu", "Huhtikuu", "Toukokuu",  "Kes\xC3\xA4kuu",
    "Hein\xC3\xA4kuu", "Elokuu",   "Syyskuu",   "Lokakuu",  "Marraskuu", "Joulukuu"};

// Week number column, then Monday to Sunday.
constexpr std::string_view kHeader = " vk  ma   ti   ke   to   pe   la   su";
constexpr int kWeekColumnWidth = 3;
constexpr std::string_view kEmptyCell = "     ";
// Without colours a red day carries this mark in place of the red.
constexpr std::string_view kRedMark = "*";

// " dd" and two marks: red (plain text only) and flag; five columns in all.
std::string Cell(const CalendarDay& day, const Style& style) {
  std::ostringstream number;
  number << std::setw(2) << day.date.day;
  const std::string red_mark = day.red_day && !style.color() ? std::string(kRedMark) : " ";
  return ' ' + (day.red_day ? style.Red(number.str()) : number.str()) + red_mark +
         (day.flag_day ? style.FlagMark() : " ");
}

void WriteTitle(std::ostream& out, int month, std::uint16_t year) {
  const std::string title =
      std::string(kMonthNames[static_cast<std::size_t>(month - 1)]) + ' ' + std::to_string(year);
  const std::size_t indent = (kHeader.size() - title.size()) / 2;
  out << std::string(indent, ' ') << title << '\n' << kHeader << '\n';
}

std::string WeekNumberCell(calendar::Date date) {
  std::ostringstream cell;
  cell << std::setw(kWeekColumnWidth) << IsoWeekNumber(date);
  return cell.str();
}

// A week's line without the blanks after its last day.
void WriteWeek(std::ostream& out, std::string line) {
  line.erase(line.find_last_not_of(' ') + 1);
  out << line << '\n';
}

void WriteWeeks(std::ostream& out, const std::vector<CalendarDay>& days, const Style& style) {
  int column = IsoWeekday(days.front().date) - 1;  // Monday = 0
  std::string line = WeekNumberCell(days.front().date);
  for (int i = 0; i < column; ++i) line += kEmptyCell;
  for (const CalendarDay& day : days) {
    if (column == 7) {
      WriteWeek(out, line);
      line = WeekNumberCell(day.date);
      column = 0;
    }
    line += Cell(day, style);
    ++column;
  }
  WriteWeek(out, line);
}

void WriteLegend(std::ostream& out, const Style& style) {
  const std::string red_sample = style.color() ? style.Red("red") : std::string(kRedMark);
  out << red_sample << " red day   " << style.FlagMark() << " flag day\n";
}

void WriteFeastList(std::ostream& out, const std::vector<CalendarDay>& days, const Style& style) {
  for (const CalendarDay& day : days) {
    if (day.feasts.empty() && !day.flag_day) continue;
    const std::string date =
        std::to_string(day.date.day) + '.' + std::to_string(day.date.month) + '.';
    out << std::setw(6) << date << ' ' << std::left << std::setw(12) << day.weekday << std::right
        << MarkedFeasts(day, style);
    if (day.flag_day) out << "  " << style.FlagMark() << " flag day";
    out << '\n';
  }
}

}  // namespace

void WriteMonth(std::ostream& out, const CalendarYear& year, int month, const Style& style) {
  const std::vector<CalendarDay> days = DaysOfMonth(year, month);
  WriteTitle(out, month, year.year());
  WriteWeeks(out, days, style);
  WriteLegend(out, style);
  out << '\n';
  WriteFeastList(out, days, style);
}

}  // namespace kelotarhu::cli
