#include "cli/texts.h"

namespace kelotarhu::cli {
namespace {

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

std::string ToolTexts::NextDayTitle(DayKind kind, int days_away) const {
  const std::string next = "Next " + std::string(KindName(kind));
  if (days_away == 0) return next + " today:";
  if (days_away == 1) return next + " tomorrow:";
  return next + " in " + std::to_string(days_away) + " days:";
}

const ToolTexts& Texts() {
  static const ToolTexts english{"EN"};
  return english;
}

}  // namespace kelotarhu::cli
