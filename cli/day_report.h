// One day as a few lines for a person to read.
#pragma once

#include <ostream>

#include "cli/calendar_day.h"
#include "cli/style.h"

namespace kelotarhu::cli {

// "-" in place of an empty text.
std::string DashIfEmpty(const std::string& text);

// Feasts of a day joined for a line of text, as the calendar joins them.
std::string JoinedFeasts(const CalendarDay& day);

// The feasts ("-" for none), on a red day followed by " (red day)" and painted red.
std::string MarkedFeasts(const CalendarDay& day, const Style& style);

void WriteDayReport(std::ostream& out, const CalendarDay& day, const Style& style);

}  // namespace kelotarhu::cli
