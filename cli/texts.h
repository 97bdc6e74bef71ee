// The labels of the name search, of the next day of a kind and of the events of calendar
// files, in one place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/day_range.h"
#include "cli/name_search.h"

namespace kelotarhu::cli {

struct ToolTexts {
  std::string_view ics_language;  // the language of PRODID, "EN"

  // Event summaries of a calendar file.
  std::string FlagDayEvent(const std::vector<std::string>& feasts) const;
  std::string FinnishNamesEvent(const std::string& names) const;
  std::string SwedishNamesEvent(const std::string& names) const;

  // "Anna  9.12.  Finnish and Swedish list".
  std::string NameDayLine(const NameDay& day) const;

  // "Next flag day in 3 days:", "Next red day today:".
  std::string NextDayTitle(DayKind kind, int days_away) const;
};

const ToolTexts& Texts();

}  // namespace kelotarhu::cli
