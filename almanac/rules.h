// The rules of the Finnish almanac, one per named day and era, as almanac/almanac.tsv
// states them (generated into a table at build time by tools/gen_almanac.py).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kelotarhu::almanac {

// The almanac is known from this year on; no rule holds before it.
inline constexpr int kFirstAlmanacYear = 1900;

// Weaker first: where two rules meet on one day, the stronger kind stands.
enum class FlagKind : std::uint8_t { kNone, kCustomary, kOfficial };

// A day a rule keeps off: when its date falls on easter_offset days from Easter Sunday,
// it moves by shift days.
struct Exception {
  std::int16_t easter_offset;
  std::int8_t shift;
};
inline constexpr std::size_t kMostExceptions = 2;

// Where a rule puts its day in a year.
struct DateRule {
  enum class Anchor : std::uint8_t {
    kFixed,          // month and day
    kEaster,         // easter_offset days from Easter Sunday
    kWeekdayInSpan,  // the weekday within the seven days from month and day on
  };
  Anchor anchor;
  std::uint8_t month;
  std::uint8_t day;
  std::int16_t easter_offset;
  std::uint8_t weekday;  // ISO 8601: Monday = 1 ... Sunday = 7
  // The first exception_count; the first whose day the date falls on moves it.
  std::uint8_t exception_count;
  std::array<Exception, kMostExceptions> exceptions;
};

// UTF-8 names as the almanac wrote them in the rule's era.
struct Rule {
  std::string_view key;
  std::string_view finnish;
  std::string_view swedish;
  std::string_view english;
  DateRule date;
  bool public_holiday;  // red by law, whatever the weekday
  FlagKind flag;
  std::uint16_t first_year;  // the era, both ends included; 9999 while the rule holds
  std::uint16_t last_year;
};

// Every row of the data file, in its order.
std::span<const Rule> AlmanacRules();

}  // namespace kelotarhu::almanac
