// Feasts that fall on the one Sunday or Saturday of a fixed seven-day window.
#include <cstdint>
#include <string_view>

#include "calendar/feast_rules.h"
#include "calendar/windows_1252.h"

namespace kelotarhu::calendar {
namespace {

struct MonthDay {
  int month;
  int day;
};

// The day of the seven-day window starting at `first` whose weekday text is `weekday`.
// Every window spans seven real dates, so exactly one day matches; a window that runs
// over a month's end continues on day 1 of the next month.
MonthDay FindInWindow(const YearTableWriter& table, MonthDay first, std::string_view weekday) {
  std::int32_t day_count = DayCount(table.year(), first.month, first.day);
  for (int offset = 0; offset < 7; ++offset, ++day_count) {
    const Date date = DateOfDayCount(day_count);
    if (table.Day(date.month, date.day).Weekday == weekday) return {date.month, date.day};
  }
  return first;  // unreachable for a built table: seven dates hold every weekday
}

bool Place(YearTableWriter& table, MonthDay day, std::string_view name, Placement placement,
           Marks marks) {
  return table.PlaceFeast(day.month, day.day, name, placement, marks);
}

}  // namespace

bool PlaceCandlemas(YearTableWriter& table) {
  const MonthDay sunday = FindInWindow(table, {2, 2}, kSunday);
  return Place(table, sunday, "Kynttilänpäivä"_cp1252, Placement::kAdd, kNoMarks);
}

bool PlaceMothersDayAndMemorialDay(YearTableWriter& table) {
  const MonthDay mothers_day = FindInWindow(table, {5, 8}, kSunday);
  // Memorial Day is the Sunday a week later, 15 to 21 May.
  return Place(table, mothers_day, "Äitienpäivä"_cp1252, Placement::kAdd, kFlagDay) &&
         Place(table, {5, mothers_day.day + 7}, "Kaatuneiden muistopäivä"_cp1252, Placement::kAdd,
               kFlagDay);
}

bool PlaceMidsummerDay(YearTableWriter& table) {
  const MonthDay saturday = FindInWindow(table, {6, 20}, kSaturday);
  return Place(table, saturday, "Juhannuspäivä"_cp1252, Placement::kSet, kFlagAndRedDay);
}

bool PlaceMichaelmas(YearTableWriter& table) {
  const MonthDay sunday = FindInWindow(table, {9, 29}, kSunday);
  return Place(table, sunday, "Mikkelinpäivä"_cp1252, Placement::kSet, kRedDay);
}

bool PlaceFathersDay(YearTableWriter& table) {
  const MonthDay sunday = FindInWindow(table, {11, 8}, kSunday);
  return Place(table, sunday, "Isänpäivä"_cp1252, Placement::kSet, kFlagAndRedDay);
}

bool PlaceAllSaintsDay(YearTableWriter& table) {
  // On 31 October it replaces Halloween; in November it joins Svenska dagen (6.11).
  constexpr std::string_view kAllSaints = "Pyhäinpäivä"_cp1252;
  const MonthDay saturday = FindInWindow(table, {10, 31}, kSaturday);
  const Placement placement = saturday.month == 10 ? Placement::kSet : Placement::kAdd;
  return Place(table, saturday, kAllSaints, placement, kRedDay);
}

bool PlaceAnnunciation(YearTableWriter& table) {
  // Kept off Easter Day and Palm Sunday: moved two weeks or one week earlier.
  const MonthDay sunday = FindInWindow(table, {3, 22}, kSunday);
  const std::string_view feasts = table.Day(sunday.month, sunday.day).Feasts;
  int day = sunday.day;
  if (feasts == kEasterSunday) {
    day -= 14;
  } else if (feasts == kPalmSunday) {
    day -= 7;
  }
  return table.PlaceFeast(3, day, "Marian ilmestyspäivä"_cp1252, Placement::kSet, kRedDay);
}

}  // namespace kelotarhu::calendar
