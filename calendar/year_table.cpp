#include "calendar/year_table.h"

#include "calendar/feast_rules.h"
#include "namedays/load_names.h"

namespace kelotarhu::calendar {
namespace {

// Empties every used record and names its weekday; every Sunday is a red day. Days a
// month lacks keep an empty weekday and so are never red and never match a rule.
void ClearAndNameWeekdays(YearTable& table, std::uint16_t year) {
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      TNewDay& record = table.Day(month, day);
      record.Feasts.clear();  // keeps its buffer: a rebuild reuses the year's allocations
      record.FlagDay = 0;
      record.RedDay = 0;
      record.FinnishNames = {};
      record.SwedishNames = {};
      record.Weekday =
          WeekdayOfDate(year, static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(day));
      if (table.IsSunday(month, day)) record.RedDay = 1;
    }
  }
}

// Not a function-local static: that would need a guard, and its handle, at every load.
constinit const TNewDay kOutside{};

}  // namespace

const TNewDay& YearTable::Lookup(int month, int day) const {
  return Contains(month, day) ? Day(month, day) : kOutside;
}

bool YearTable::AddFeast(int month, int day, std::string_view name) {
  Text& feasts = Day(month, day).Feasts;
  if (feasts.empty()) return feasts.Assign(name);
  // Room for both parts first, so that a failure leaves the text as it was.
  return feasts.Reserve(feasts.size() + kFeastSeparator.size() + name.size()) &&
         feasts.Append(kFeastSeparator) && feasts.Append(name);
}

bool YearTable::SetFeast(int month, int day, std::string_view name) {
  return Day(month, day).Feasts.Assign(name);
}

bool PlaceFeast(YearTable& table, int month, int day, std::string_view name, Placement placement,
                Marks marks) {
  const bool placed = placement == Placement::kAdd ? table.AddFeast(month, day, name)
                                                   : table.SetFeast(month, day, name);
  if (!placed) return false;
  TNewDay& record = table.Day(month, day);
  if (marks.flag_day) record.FlagDay = 1;
  if (marks.red_day) record.RedDay = 1;
  return true;
}

namespace {

// Every placement step of a valid year, in the binding order: where two placements
// meet on one day, a later joining one stands behind the earlier text and a later
// replacing one replaces it. Stops at the first step that runs out of memory.
bool PlaceFeastsAndNames(YearTable& table, std::uint16_t year) {
  const bool placed = PlaceFixedFeasts(table, 1, 2) &&
                      PlaceCandlemas(table) &&  // joins J. L. Runeberg's day on 5 February
                      PlaceFixedFeasts(table, 3, 5) &&
                      PlaceMothersDayAndMemorialDay(table) &&  // joins Europe Day or Snellman
                      PlaceFixedFeasts(table, 6, 6) && PlaceMidsummerDay(table) &&
                      PlaceFixedFeasts(table, 7, 7) && PlaceMichaelmas(table) &&
                      PlaceFixedFeasts(table, 10, 11) && PlaceFathersDay(table) &&
                      PlaceAllSaintsDay(table) &&  // replaces Halloween, or joins Svenska dagen
                      PlaceFixedFeasts(table, 12, 12) &&
                      PlaceMovableFeasts(table, year) &&  // joins onto or replaces the above
                      PlaceAnnunciation(table);           // reads the Easter step's texts
  if (!placed) return false;
  namedays::LoadFinnishNames(table);
  namedays::LoadSwedishNames(table);
  return true;
}

}  // namespace

bool BuildYearTable(YearTable& table, std::uint16_t year) {
  table.set_year(year);
  ClearAndNameWeekdays(table, year);
  return !DateIsValid(year, 1, 1) || PlaceFeastsAndNames(table, year);
}

}  // namespace kelotarhu::calendar
