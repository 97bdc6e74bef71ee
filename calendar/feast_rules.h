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

// Places a name on a day in the given way, then sets the rule's flags. Every rule
// returns false when memory ran out.
[[nodiscard]] bool PlaceFeast(YearTable& table, int month, int day, std::string_view name,
                              Placement placement, Marks marks);

// Fixed-date holidays, feasts, flag days and theme days of months first..last.
[[nodiscard]] bool PlaceFixedFeasts(YearTable& table, int first_month, int last_month);

// Weekday-anchored feasts: the one Sunday or Saturday of a seven-day window.
[[nodiscard]] bool PlaceCandlemas(YearTable& table);
[[nodiscard]] bool PlaceMothersDayAndMemorialDay(YearTable& table);
[[nodiscard]] bool PlaceMidsummerDay(YearTable& table);
[[nodiscard]] bool PlaceMichaelmas(YearTable& table);
[[nodiscard]] bool PlaceFathersDay(YearTable& table);
[[nodiscard]] bool PlaceAllSaintsDay(YearTable& table);
// Needs the Easter step's texts on the Sundays of 22 to 28 March.
[[nodiscard]] bool PlaceAnnunciation(YearTable& table);

// Easter Sunday and the seven feasts that move with it.
[[nodiscard]] bool PlaceMovableFeasts(YearTable& table, std::uint16_t year);

}  // namespace kelotarhu::calendar
