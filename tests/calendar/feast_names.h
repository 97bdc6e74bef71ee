// Helpers that read a built year table: joined feast texts as separate names, empty
// records, the days of each feast name. The names themselves: reference_year.h.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/year_table.h"
#include "tests/calendar/reference_calendar.h"
#include "tests/calendar/reference_year.h"

namespace kelotarhu::test {

// The names of a day's feast text, in the order they were placed.
inline std::vector<std::string> SplitFeasts(std::string_view feasts) {
  std::vector<std::string> names;
  if (feasts.empty()) return names;
  for (;;) {
    const std::size_t separator = feasts.find(kFeastSeparator);
    names.emplace_back(feasts.substr(0, separator));
    if (separator == std::string_view::npos) return names;
    feasts.remove_prefix(separator + kFeastSeparator.size());
  }
}

// An empty record: four empty texts and both flags 0.
inline bool RecordIsEmpty(const calendar::TNewDay& record) {
  return record.Weekday.empty() && record.Feasts.empty() && record.FlagDay == 0 &&
         record.RedDay == 0 && record.FinnishNames.empty() && record.SwedishNames.empty();
}

// Every feast name of a built table with the used days (months 1-12, days 1-31) whose
// feast text holds it, in date order.
class FeastIndex {
 public:
  FeastIndex(const calendar::YearTable& table, int year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        for (std::string& name : SplitFeasts(table.Lookup(month, day).Feasts)) {
          days_[std::move(name)].push_back({year, month, day});
        }
      }
    }
  }

  std::vector<CivilDate> DaysOf(std::string_view name) const {
    const auto found = days_.find(name);
    return found == days_.end() ? std::vector<CivilDate>{} : found->second;
  }

 private:
  std::map<std::string, std::vector<CivilDate>, std::less<>> days_;
};

}  // namespace kelotarhu::test
