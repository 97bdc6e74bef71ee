// Days listed for a person to read, as an almanac page lists them.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/days/calendar_day.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

// A legend of the marks of the days' calendar, then aligned columns under headings, in
// the language of `texts`: weekday and date, marks, the day's names in the almanac, and
// the name days of both lists, the Finnish names last, as the longest. Where the lines
// would be wider than `width` columns, the columns of words wrap them onto lines of their
// own; without a width, lines are as long as they are.
void WriteListing(std::ostream& out, const std::vector<CalendarDay>& days, CalendarKind calendar,
                  std::optional<std::size_t> width, const Texts& texts);

}  // namespace kelotarhu::cli
