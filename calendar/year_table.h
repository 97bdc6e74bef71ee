// The year day table: what every day of one year means in the Finnish calendar,
// built once per start of the plug-in and then only read, one record per lookup.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/date.h"
#include "calendar/text.h"

namespace kelotarhu::calendar {

// One day. Weekday and the name-day texts refer to constants that live as long as the
// library; Feasts is built up by the placement rules and owned by the record.
struct TNewDay {
  std::string_view Weekday;
  Text Feasts;  // several names joined by " / ", in the order they were placed
  std::uint8_t FlagDay = 0;
  std::uint8_t RedDay = 0;
  std::string_view FinnishNames;
  std::string_view SwedishNames;
};

inline constexpr std::string_view kFeastSeparator = " / ";

// Months 0-13 by days 0-32; only months 1-12 and days 1-31 are used, every month with
// all 31 records. The spare rows and columns stay empty for ever, so a lookup with any
// month or day the clock can report stays inside the table.
class YearTable {
 public:
  static constexpr int kMonths = 14;
  static constexpr int kDays = 33;

  // Months 0-13, days 0-32; anything else is out of the table.
  static constexpr bool Contains(int month, int day) noexcept {
    return month >= 0 && month < kMonths && day >= 0 && day < kDays;
  }

  // The record of a month and day, or an always-empty record outside the table.
  const TNewDay& Lookup(int month, int day) const;

  // The year the table holds: 0 while nothing has been built or after a build that ran
  // out of memory.
  std::uint16_t year() const { return year_; }

 private:
  // No braced initialiser: every record starts empty through TNewDay's own initialisers,
  // and clang 14 crashes on a braced initialiser of a static table this size.
  std::array<std::array<TNewDay, kDays>, kMonths> days_;
  std::uint16_t year_ = 0;

  // Only a build writes the records.
  friend class YearTableWriter;
};

// Rebuilds every used record of the table for a Gregorian year (1-9999) from scratch.
// False when memory ran out and the table is only partly built; a later build starts
// from scratch again.
bool BuildYearTable(YearTable& table, std::uint16_t year);

}  // namespace kelotarhu::calendar
