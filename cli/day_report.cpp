#include "cli/day_report.h"

namespace kelotarhu::cli {
std::string DashIfEmpty(const std::string& text) { return text.empty() ? "-" : text; }

std::string JoinedFeasts(const CalendarDay& day) {
  std::string joined;
  for (const std::string& feast : day.feasts) {
    if (!joined.empty()) joined += calendar::kFeastSeparator;
    joined += feast;
  }
  return joined;
}

std::string MarkedFeasts(const CalendarDay& day, const Style& style) {
  std::string feasts = DashIfEmpty(JoinedFeasts(day));
  if (!day.red_day) return feasts;
  return style.Red(feasts + " (red day)");
}

void WriteDayReport(std::ostream& out, const CalendarDay& day, const Style& style) {
  out << day.weekday << ' ' << FinnishDateText(day.date) << ", week " << IsoWeekNumber(day.date)
      << '\n'
      << "Feasts:         " << MarkedFeasts(day, style) << '\n'
      << "Flag day:       " << (day.flag_day ? "yes " + style.FlagMark() : "no") << '\n'
      << "Finnish names:  " << DashIfEmpty(day.finnish_names) << '\n'
      << "Swedish names:  " << DashIfEmpty(day.swedish_names) << '\n';
}

}  // namespace kelotarhu::cli
