// The Finnish almanac of one year as it stood that year: the named days, red days,
// public holidays and flag days of every date, built from the rules of its era.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "almanac/rules.h"

namespace kelotarhu::almanac {

// More rules than meet on any day of the almanac.
inline constexpr std::size_t kMostNamedDaysOnADate = 6;

struct AlmanacDay {
  // Indices into AlmanacRules(), in the order of the data file.
  std::array<std::uint16_t, kMostNamedDaysOnADate> rules{};
  // Every rule that met on the day; more than kMostNamedDaysOnADate only if the data
  // outgrew the day, and then the first ones are kept.
  std::uint8_t rules_met = 0;
  bool red = false;  // a Sunday or a public holiday
  bool public_holiday = false;
  FlagKind flag = FlagKind::kNone;

  // The rules kept, as indices into AlmanacRules().
  std::span<const std::uint16_t> Rules() const {
    return {rules.data(), rules_met < rules.size() ? rules_met : rules.size()};
  }
};

struct AlmanacYear {
  int year = 0;
  std::array<AlmanacDay, 366> days;  // by day of the year, 1 January first

  // A month (1-12) and day that exist in the year.
  const AlmanacDay& Day(int month, int day) const;
};

// The almanac of a year 1-9999. Before kFirstAlmanacYear no rule holds: only the
// Sundays are red.
AlmanacYear BuildAlmanacYear(int year);

}  // namespace kelotarhu::almanac
