#include "calendar/today.h"

#include "platform/platform.h"

namespace kelotarhu::calendar {

void RefreshCurrentDate(Date& current_date) {
  const platform::LocalDate today = platform::LocalToday();
  current_date = {today.year, today.month, today.day};
}

}  // namespace kelotarhu::calendar
