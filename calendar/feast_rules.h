// The placement rules of the Finnish year, each one step of BuildYearTable. They
// expect the weekday texts in the table and must run in the build's order, since
// where two placements meet on one day the later one joins or replaces.
#pragma once

#include <cstdint>
#include <string_view>

#include "calendar/windows_1252.h"
#include "calendar/year_table_writer.h"

namespace kelotarhu::calendar {

// Placed by the Easter step and read by the Annunciation rule, which keeps off them.
inline constexpr std::string_view kEasterSunday = "Pääsiäispäivä"_cp1252;
inline constexpr std::string_view kPalmSunday = "Palmusunnuntai";

// Fixed-date holidays, feasts, flag days and theme days of months first..last.
[[nodiscard]] bool PlaceFixedFeasts(YearTableWriter& table, int first_month, int last_month);

// Weekday-anchored feasts: the one Sunday or Saturday of a seven-day window.
[[nodiscard]] bool PlaceCandlemas(YearTableWriter& table);
[[nodiscard]] bool PlaceMothersDayAndMemorialDay(YearTableWriter& table);
[[nodiscard]] bool PlaceMidsummerDay(YearTableWriter& table);
[[nodiscard]] bool PlaceMichaelmas(YearTableWriter& table);
[[nodiscard]] bool PlaceFathersDay(YearTableWriter& table);
[[nodiscard]] bool PlaceAllSaintsDay(YearTableWriter& table);
// Needs the Easter step's texts on the Sundays of 22 to 28 March.
[[nodiscard]] bool PlaceAnnunciation(YearTableWriter& table);

// Easter Sunday and the seven feasts that move with it.
[[nodiscard]] bool PlaceMovableFeasts(YearTableWriter& table, std::uint16_t year);

}  // namespace kelotarhu::calendar
