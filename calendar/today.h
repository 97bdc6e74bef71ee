// Today's local date, as the plug-in sees it.
#pragma once

#include "calendar/date.h"

namespace kelotarhu::calendar {

// Reads the machine's local date into current_date (time of day dropped).
void RefreshCurrentDate(Date& current_date);

}  // namespace kelotarhu::calendar
