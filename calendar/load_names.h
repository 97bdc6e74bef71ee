// The last two steps of every year-table build: the name-day texts of each used day.
#pragma once

#include "calendar/year_table.h"

namespace kelotarhu::calendar {

// Copied from the name-day lists, which know nothing of the table.
void LoadFinnishNames(YearTable& table);
void LoadSwedishNames(YearTable& table);

}  // namespace kelotarhu::calendar
