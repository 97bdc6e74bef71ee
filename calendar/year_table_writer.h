// The build's hold on a year table: the only way to write its records. The placement
// rules and the name loading take a writer, so nothing that merely reads a table can
// change it.
#pragma once

#include <cstdint>
#include <string_view>

#include "calendar/date.h"
#include "calendar/year_table.h"

namespace kelotarhu::calendar {

// How a rule puts its name on a day: AddFeast joins, SetFeast replaces.
enum class Placement { kAdd, kSet };

// Flags a rule sets on its day; flags are only ever set here, never cleared.
struct Marks {
  bool flag_day = false;
  bool red_day = false;
};
inline constexpr Marks kNoMarks{};
inline constexpr Marks kFlagDay{true, false};
inline constexpr Marks kRedDay{false, true};
inline constexpr Marks kFlagAndRedDay{true, true};

class YearTableWriter {
 public:
  explicit YearTableWriter(YearTable& table) : table_(table) {}

  // Months 1-12 and days 1-31 (or the spare rows and columns, which a build never fills).
  TNewDay& Day(int month, int day) {
    return table_.days_[static_cast<std::size_t>(month)][static_cast<std::size_t>(day)];
  }
  const TNewDay& Day(int month, int day) const {
    return table_.days_[static_cast<std::size_t>(month)][static_cast<std::size_t>(day)];
  }

  // Joining placement: the name alone on an empty day, else " / " and the name appended.
  // False when memory ran out.
  [[nodiscard]] bool AddFeast(int month, int day, std::string_view name);
  // Replacing placement: the day's feast text becomes the name alone. Flags stay.
  // False when memory ran out.
  [[nodiscard]] bool SetFeast(int month, int day, std::string_view name);
  // Places a name on a day in the given way, then sets the rule's flags. False when
  // memory ran out.
  [[nodiscard]] bool PlaceFeast(int month, int day, std::string_view name, Placement placement,
                                Marks marks);

  // The weekday tests of the placement rules compare the day's weekday text whole.
  bool IsSunday(int month, int day) const { return Day(month, day).Weekday == kSunday; }
  bool IsSaturday(int month, int day) const { return Day(month, day).Weekday == kSaturday; }

  // Set as a build starts (its rules read it), and 0 after a build that ran out of memory.
  std::uint16_t year() const { return table_.year_; }
  void set_year(std::uint16_t year) { table_.year_ = year; }

 private:
  YearTable& table_;
};

}  // namespace kelotarhu::calendar
