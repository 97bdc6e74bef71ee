// A month as Finnish calendars draw it: weeks from Monday with their ISO week numbers,
// a legend of the marks, then the month's feasts and flag days.
#pragma once

#include <ostream>

#include "cli/days/calendar_day.h"
#include "cli/show/style.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

// `today` stands out when the month holds it and the style highlights today.
void WriteMonth(std::ostream& out, calendar::MonthOfYear month, CalendarKind calendar,
                calendar::Date today, const Texts& texts, const Style& style);

}  // namespace kelotarhu::cli
