// The placement rules of the Finnish year, each one step of BuildYearTable. They
// expect the weekday texts in the table and must run in the build's order, since
// where two placements meet on one day the later one joins or replaces.
#pragma once

#include <cstdint>
#include <string_view>

#include "calendar/year_table.h"

namespace kelotarhu::calendar {

// How a rule puts its name on a day: AddFeast joins, SetFeast replaces.
enum class Placement { kAdd, kSet };

// Flags a rule sets on its day; flags are only ever set here, never cleared.
struct Marks {
  bool flag_day = false;
  bool red_day = false;
};
inline constexpr Marks kNoMarks{};
inline constexpr Marks kFlagDay{true, false};
inline constexpr Marks kRedDay{false, true};
inline constexpr Marks kFlagAndRedDay{true, true};

// Places a name on a day in the given way, then sets the rule's flags.
void PlaceFeast(YearTable& table, int month, int day, std::string_view name, Placement placement,
                Marks marks);

// Fixed-date holidays, feasts, flag days and theme days of months first..last.
void PlaceFixedFeasts(YearTable& table, int first_month, int last_month);

// Weekday-anchored feasts: the one Sunday or Saturday of a seven-day window.
void PlaceCandlemas(YearTable& table);
void PlaceMothersDayAndMemorialDay(YearTable& table);
void PlaceMidsummerDay(YearTable& table);
void PlaceMichaelmas(YearTable& table);
void PlaceFathersDay(YearTable& table);
void PlaceAllSaintsDay(YearTable& table);
// Needs the Easter step's texts on the Sundays of 22 to 28 March.
void PlaceAnnunciation(YearTable& table);

// Easter Sunday and the seven feasts that move with it.
void PlaceMovableFeasts(YearTable& table, std::uint16_t year);

}  // namespace kelotarhu::calendar
