#include "calendar/year_table_writer.h"

namespace kelotarhu::calendar {

bool YearTableWriter::AddFeast(int month, int day, std::string_view name) {
  Text& feasts = Day(month, day).Feasts;
  if (feasts.empty()) return feasts.Assign(name);
  // Room for both parts first, so that a failure leaves the text as it was.
  return feasts.Reserve(feasts.size() + kFeastSeparator.size() + name.size()) &&
         feasts.Append(kFeastSeparator) && feasts.Append(name);
}

bool YearTableWriter::SetFeast(int month, int day, std::string_view name) {
  return Day(month, day).Feasts.Assign(name);
}

bool YearTableWriter::PlaceFeast(int month, int day, std::string_view name, Placement placement,
                                 Marks marks) {
  const bool placed =
      placement == Placement::kAdd ? AddFeast(month, day, name) : SetFeast(month, day, name);
  if (!placed) return false;
  TNewDay& record = Day(month, day);
  if (marks.flag_day) record.FlagDay = 1;
  if (marks.red_day) record.RedDay = 1;
  return true;
}

}  // namespace kelotarhu::calendar
