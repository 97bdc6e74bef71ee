// The feast names the year table is expected to hold, as Windows-1252 bytes, and
// helpers that read a built table: joined feast texts as separate names, empty records.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/windows_1252.h"
#include "calendar/year_table.h"
#include "tests/calendar/reference_calendar.h"

namespace kelotarhu::test {

using namespace calendar::literals;

inline constexpr std::string_view kCandlemas = "Kynttilänpäivä"_cp1252;
inline constexpr std::string_view kMothersDay = "Äitienpäivä"_cp1252;
inline constexpr std::string_view kMemorialDay = "Kaatuneiden muistopäivä"_cp1252;
inline constexpr std::string_view kMidsummerDay = "Juhannuspäivä"_cp1252;
inline constexpr std::string_view kMichaelmas = "Mikkelinpäivä"_cp1252;
inline constexpr std::string_view kFathersDay = "Isänpäivä"_cp1252;
inline constexpr std::string_view kAllSaintsDay = "Pyhäinpäivä"_cp1252;
inline constexpr std::string_view kAnnunciation = "Marian ilmestyspäivä"_cp1252;

inline constexpr std::string_view kEasterSunday = "Pääsiäispäivä"_cp1252;
inline constexpr std::string_view kEasterMonday = "2. pääsiäispäivä"_cp1252;
inline constexpr std::string_view kPalmSunday = "Palmusunnuntai";
inline constexpr std::string_view kMaundyThursday = "Kiirastorstai";
inline constexpr std::string_view kGoodFriday = "Pitkäperjantai"_cp1252;
inline constexpr std::string_view kAshWednesday = "Tuhkakeskiviikko";
inline constexpr std::string_view kShroveSunday = "Laskiaissunnuntai";
inline constexpr std::string_view kAscensionDay = "Helatorstai";

inline constexpr std::string_view kFeastSeparator = " / ";

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
        for (std::string& name : SplitFeasts(table.Day(month, day).Feasts)) {
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
