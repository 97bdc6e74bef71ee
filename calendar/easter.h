#pragma once

#include <cstdint>

#include "calendar/date.h"

namespace kelotarhu::calendar {

// Years 1-9999: Easter Sunday, 22 March to 25 April, by the anonymous Gregorian
// algorithm (Meeus, Jones and Butcher). All operands stay non-negative.
constexpr Date EasterSunday(std::uint16_t year) noexcept {
  const int a = year % 19;  // place in the 19-year Metonic cycle
  const int b = year / 100;
  const int s = year % 100;
  const int d = b / 4;
  const int e = b % 4;
  const int f = (b + 8) / 25;
  const int g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;  // epact: days from 21 March to the full moon
  const int i = s / 4;
  const int k = s % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;  // days from the full moon to Sunday
  const int m = (a + 11 * h + 22 * l) / 451;
  const int n = h + l - 7 * m + 114;
  return {year, static_cast<std::uint16_t>(n / 31), static_cast<std::uint16_t>(n % 31 + 1)};
}

// The earliest Easter of the calendar's years, and the latest.
static_assert(EasterSunday(2285) == Date{2285, 3, 22});
static_assert(EasterSunday(2038) == Date{2038, 4, 25});

}  // namespace kelotarhu::calendar
