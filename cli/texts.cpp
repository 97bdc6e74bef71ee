#include "cli/texts.h"

#include <array>

#include "cli/calendar_day.h"

namespace kelotarhu::cli {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr std::size_t kMostQuotedCharacters = 60;

std::string_view KindName(DayKind kind) {
  switch (kind) {
    case DayKind::kRed:
      return "red day";
    case DayKind::kFlag:
      return "flag day";
    case DayKind::kFeast:
      return "feast";
    case DayKind::kNames:
      return "name day";
  }
  return {};
}

std::string ListNames(const std::vector<NameList>& lists) {
  if (lists.size() == 2) return "Finnish and Swedish list";
  return lists.front() == NameList::kFinnish ? "Finnish list" : "Swedish list";
}

}  // namespace

std::string ToolTexts::FlagDayEvent(const std::vector<std::string>& feasts) const {
  std::string summary = "Flag day";
  for (std::size_t i = 0; i < feasts.size(); ++i) summary += (i ? " / " : ": ") + feasts[i];
  return summary;
}

std::string ToolTexts::FinnishNamesEvent(const std::string& names) const {
  return "Finnish name day: " + names;
}

std::string ToolTexts::SwedishNamesEvent(const std::string& names) const {
  return "Swedish name day: " + names;
}

std::string ToolTexts::NameDayLine(const NameDay& day) const {
  return day.name + "  " + std::to_string(day.day) + '.' + std::to_string(day.month) + ".  " +
         ListNames(day.lists);
}

std::string ToolTexts::UnknownName(std::string_view name) const {
  return "neither the Finnish nor the Swedish list holds the name " + QuotedArgument(name);
}

std::string ToolTexts::CloseNames(const std::vector<std::string>& names) const {
  std::string text = "close names: ";
  for (std::size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + names[i];
  return text;
}

std::string ToolTexts::NextDayTitle(DayKind kind, int days_away) const {
  const std::string next = "Next " + std::string(KindName(kind));
  if (days_away == 0) return next + " today:";
  if (days_away == 1) return next + " tomorrow:";
  return next + " in " + std::to_string(days_away) + " days:";
}

std::string ToolTexts::NoNextDay(DayKind kind, calendar::Date first) const {
  return "no " + std::string(KindName(kind)) + " from " + FinnishDateText(first) +
         " to the end of the calendar (31.12.9999)";
}

std::string ToolTexts::DateProblemText(std::string_view what, const DateProblem& problem) const {
  const std::string not_a = "is not a " + std::string(what);
  switch (problem.kind) {
    case DateProblem::kUnreadable:
      return not_a;
    case DateProblem::kYearOutOfRange:
      return not_a + ": the calendar holds the years 1 to 9999";
    case DateProblem::kNoSuchMonth:
      return not_a + ": there is no month " + std::to_string(problem.month);
    case DateProblem::kNoSuchDay:
      return not_a + ": " + std::string(kMonthNames[static_cast<std::size_t>(problem.month - 1)]) +
             ' ' + std::to_string(problem.year) + " has " +
             std::to_string(calendar::MonthLength({static_cast<std::uint8_t>(problem.month),
                                                   static_cast<std::uint16_t>(problem.year)})) +
             " days";
    case DateProblem::kNotLeapYear:
      return not_a + ": " + std::to_string(problem.year) + " is not a leap year";
    case DateProblem::kBeyondCalendar:
      return not_a + ": the calendar goes from 1.1.1 to 31.12.9999";
  }
  return not_a;
}

std::string ToolTexts::BadDayCount(std::string_view text) const {
  return "--days " + QuotedArgument(text) + " is not a number of days from 1 to 10000";
}

std::string ToolTexts::BadSourceDateEpoch(std::string_view text) const {
  return "SOURCE_DATE_EPOCH " + QuotedArgument(text) +
         " is not a count of seconds from 1970 to the end of 9999";
}

std::string ToolTexts::CannotWrite(std::string_view path, std::string_view reason) const {
  return "cannot write " + QuotedArgument(path) + ": " + std::string(reason);
}

const ToolTexts& Texts() {
  static const ToolTexts english{
      "EN",
      "write it as YYYY-MM-DD (2026-12-06), D.M.YYYY (6.12.2026), D.M. (this year), today, "
      "tomorrow, yesterday, or +N or -N days from today",
      "write it as YYYY-MM (2026-12), M.YYYY (12.2026) or M (this year's)",
      "write it as YYYY (2026)"};
  return english;
}

std::string QuotedArgument(std::string_view text) {
  std::size_t characters = 0;
  std::size_t end = 0;
  while (end < text.size() && characters < kMostQuotedCharacters) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    ++characters;
  }
  return '"' + std::string(text.substr(0, end)) + (end < text.size() ? "...\"" : "\"");
}

}  // namespace kelotarhu::cli
