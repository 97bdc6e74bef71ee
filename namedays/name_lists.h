// The Finnish and the Finland-Swedish name-day lists: twelve months of 31 slots each,
// Windows-1252 texts, the empty text where a day has no names or does not exist.
#pragma once

#include <array>
#include <string_view>

namespace kelotarhu::namedays {

using NameList = std::array<std::array<std::string_view, 31>, 12>;

extern const NameList FinnishNameList;
extern const NameList SwedishNameList;

// The names of a month (1-12) and day (1-31) in a list.
constexpr std::string_view NamesOn(const NameList& list, int month, int day) {
  return list[static_cast<std::size_t>(month - 1)][static_cast<std::size_t>(day - 1)];
}

}  // namespace kelotarhu::namedays
