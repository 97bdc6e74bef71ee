// Whose name day, when: a given name looked up in the Finnish and the Finland-Swedish
// name-day lists, and the names close to one that neither list holds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelotarhu::cli {

enum class NameList { kFinnish, kSwedish };

// One day on which a list holds the name, spelled as the list spells it (UTF-8).
struct NameDay {
  std::string name;
  int month;
  int day;
  std::vector<NameList> lists;  // Finnish first when both hold it on that day
};

struct NameSearch {
  std::vector<NameDay> days;       // in the order of the year; empty when none
  std::vector<std::string> close;  // when `days` is empty: the nearest names, best first
};

// Matches whole names of a day's entry ("Anna" is not in "Johanna"), whatever the case.
NameSearch FindNameDays(std::string_view name);

}  // namespace kelotarhu::cli
