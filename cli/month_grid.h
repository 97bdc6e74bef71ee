// A month as Finnish calendars draw it: weeks from Monday with their ISO week numbers,
// then the month's feasts and flag days.
#pragma once

#include <ostream>

#include "cli/calendar_day.h"
#include "cli/style.h"

namespace kelotarhu::cli {

void WriteMonth(std::ostream& out, const CalendarYear& year, int month, const Style& style);

}  // namespace kelotarhu::cli
