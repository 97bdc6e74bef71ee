// The build of a year table: weekdays first, then every placement rule in the binding
// order, then the name-day lists.
#include "calendar/feast_rules.h"
#include "calendar/load_names.h"
#include "calendar/year_table.h"

namespace kelotarhu::calendar {
namespace {

// Empties every used record and names its weekday; every Sunday is a red day. Days a
// month lacks keep an empty weekday and so are never red and never match a rule.
void ClearAndNameWeekdays(YearTableWriter& table, std::uint16_t year) {
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

// Every placement step of a valid year, in the binding order: where two placements
// meet on one day, a later joining one stands behind the earlier text and a later
// replacing one replaces it. Stops at the first step that runs out of memory.
bool PlaceFeastsAndNames(YearTableWriter& table, std::uint16_t year) {
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
  LoadFinnishNames(table);
  LoadSwedishNames(table);
  return true;
}

}  // namespace

bool BuildYearTable(YearTable& table, std::uint16_t year) {
  YearTableWriter writer(table);
  writer.set_year(year);
  ClearAndNameWeekdays(writer, year);
  if (!DateIsValid(year, 1, 1) || PlaceFeastsAndNames(writer, year)) return true;
  writer.set_year(0);  // only partly built: the next build starts from scratch
  return false;
}

}  // namespace kelotarhu::calendar
