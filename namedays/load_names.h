// The last two steps of every year-table build: the name-day texts of each used day.
#pragma once

#include "calendar/year_table.h"

namespace kelotarhu::namedays {

void LoadFinnishNames(calendar::YearTable& table);
void LoadSwedishNames(calendar::YearTable& table);

}  // namespace kelotarhu::namedays
