// What the tool's name search, date reading, day runs and calendar files say to the
// user: every label and message of theirs in one place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/date_argument.h"
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
  std::string UnknownName(std::string_view name) const;
  std::string CloseNames(const std::vector<std::string>& names) const;

  // "Next flag day in 3 days:", "Next red day today:".
  std::string NextDayTitle(DayKind kind, int days_away) const;
  std::string NoNextDay(DayKind kind, calendar::Date first) const;

  // "is not a date: 2027 is not a leap year", after the quoted argument.
  std::string DateProblemText(std::string_view what, const DateProblem& problem) const;
  std::string_view date_forms;
  std::string_view month_forms;
  std::string_view year_forms;

  std::string BadDayCount(std::string_view text) const;
  std::string BadSourceDateEpoch(std::string_view text) const;
  std::string CannotWrite(std::string_view path, std::string_view reason) const;
};

const ToolTexts& Texts();

// An argument as a message quotes it: in double quotes, cut after 60 characters.
std::string QuotedArgument(std::string_view text);

}  // namespace kelotarhu::cli
