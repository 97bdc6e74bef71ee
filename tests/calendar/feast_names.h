// The feast names the year table is expected to hold, as Windows-1252 bytes, and a
// helper to read a day's joined feast text as its separate names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelotarhu::test {

inline constexpr std::string_view kCandlemas = "Kynttil\xE4np\xE4iv\xE4";
inline constexpr std::string_view kMothersDay = "\xC4itienp\xE4iv\xE4";
inline constexpr std::string_view kMemorialDay = "Kaatuneiden muistop\xE4iv\xE4";
inline constexpr std::string_view kMidsummerDay = "Juhannusp\xE4iv\xE4";
inline constexpr std::string_view kMichaelmas = "Mikkelinp\xE4iv\xE4";
inline constexpr std::string_view kFathersDay = "Is\xE4np\xE4iv\xE4";
inline constexpr std::string_view kAllSaintsDay = "Pyh\xE4inp\xE4iv\xE4";
inline constexpr std::string_view kAnnunciation = "Marian ilmestysp\xE4iv\xE4";

inline constexpr std::string_view kEasterSunday = "P\xE4\xE4si\xE4isp\xE4iv\xE4";
inline constexpr std::string_view kEasterMonday = "2. p\xE4\xE4si\xE4isp\xE4iv\xE4";
inline constexpr std::string_view kPalmSunday = "Palmusunnuntai";
inline constexpr std::string_view kMaundyThursday = "Kiirastorstai";
inline constexpr std::string_view kGoodFriday = "Pitk\xE4perjantai";
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

}  // namespace kelotarhu::test
