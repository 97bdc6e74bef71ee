// The last two steps of every year-table build: the name-day texts of each used day.
#pragma once

#include "calendar/year_table_writer.h"

namespace kelotarhu::calendar {

// Copied from the name-day lists, which know nothing of the table.
void LoadFinnishNames(YearTableWriter& table);
void LoadSwedishNames(YearTableWriter& table);

}  // namespace kelotarhu::calendar
