// Feasts that fall on the one Sunday or Saturday of a fixed seven-day window.
#include <cstdint>
#include <string_view>

#include "calendar/feast_rules.h"

namespace kelotarhu::calendar {
namespace {

struct MonthDay {
  int month;
  int day;
};

// The day of the seven-day window starting at `first` whose weekday text is `weekday`.
// Every window spans seven real dates, so exactly one day matches; a window that runs
// over a month's end continues on day 1 of the next month.
MonthDay FindInWindow(const YearTable& table, MonthDay first, std::string_view weekday) {
  std::int32_t day_count = DayCount(table.year(), first.month, first.day);
  for (int offset = 0; offset < 7; ++offset, ++day_count) {
    const Date date = DateOfDayCount(day_count);
    if (table.Day(date.month, date.day).Weekday == weekday) return {date.month, date.day};
  }
  return first;  // unreachable for a built table: seven dates hold every weekday
}

bool Place(YearTable& table, MonthDay day, std::string_view name, Placement placement,
           Marks marks) {
  return PlaceFeast(table, day.month, day.day, name, placement, marks);
}

}  // namespace

bool PlaceCandlemas(YearTable& table) {
  const MonthDay sunday = FindInWindow(table, {2, 2}, kSunday);
  return Place(table, sunday, "Kynttil\xE4np\xE4iv\xE4", Placement::kAdd, kNoMarks);
}

bool PlaceMothersDayAndMemorialDay(YearTable& table) {
  const MonthDay mothers_day = FindInWindow(table, {5, 8}, kSunday);
  // Memorial Day is the Sunday a week later, 15 to 21 May.
  return Place(table, mothers_day, "\xC4itienp\xE4iv\xE4", Placement::kAdd, kFlagDay) &&
         Place(table, {5, mothers_day.day + 7}, "Kaatuneiden muistop\xE4iv\xE4", Placement::kAdd,
               kFlagDay);
}

bool PlaceMidsummerDay(YearTable& table) {
  const MonthDay saturday = FindInWindow(table, {6, 20}, kSaturday);
  return Place(table, saturday, "Juhannusp\xE4iv\xE4", Placement::kSet, kFlagAndRedDay);
}

bool PlaceMichaelmas(YearTable& table) {
  const MonthDay sunday = FindInWindow(table, {9, 29}, kSunday);
  return Place(table, sunday, "Mikkelinp\xE4iv\xE4", Placement::kSet, kRedDay);
}

bool PlaceFathersDay(YearTable& table) {
  const MonthDay sunday = FindInWindow(table, {11, 8}, kSunday);
  return Place(table, sunday, "Is\xE4np\xE4iv\xE4", Placement::kSet, kFlagAndRedDay);
}

bool PlaceAllSaintsDay(YearTable& table) {
  // On 31 October it replaces Halloween; in November it joins Svenska dagen (6.11).
  constexpr std::string_view kAllSaints = "Pyh\xE4inp\xE4iv\xE4";
  const MonthDay saturday = FindInWindow(table, {10, 31}, kSaturday);
  const Placement placement = saturday.month == 10 ? Placement::kSet : Placement::kAdd;
  return Place(table, saturday, kAllSaints, placement, kRedDay);
}

bool PlaceAnnunciation(YearTable& table) {
  // Kept off Easter Day and Palm Sunday: moved two weeks or one week earlier.
  const MonthDay sunday = FindInWindow(table, {3, 22}, kSunday);
  const std::string_view feasts = table.Day(sunday.month, sunday.day).Feasts;
  int day = sunday.day;
  if (feasts == "P\xE4\xE4si\xE4isp\xE4iv\xE4") {
    day -= 14;
  } else if (feasts == "Palmusunnuntai") {
    day -= 7;
  }
  return PlaceFeast(table, 3, day, "Marian ilmestysp\xE4iv\xE4", Placement::kSet, kRedDay);
}

}  // namespace kelotarhu::calendar
