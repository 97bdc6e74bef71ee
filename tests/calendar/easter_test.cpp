// Easter Sunday: dated cases, and every year 1 to 9999 against Gauss's method.
#include "calendar/easter.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/calendar/reference_calendar.h"

namespace kelotarhu::calendar {
namespace {

using test::CivilDate;

CivilDate EasterOf(int year) {
  const Date easter = EasterSunday(static_cast<std::uint16_t>(year));
  return {easter.year, easter.month, easter.day};
}

TEST(EasterSunday, DatedCases) {
  const CivilDate kCases[] = {
      {2005, 3, 27}, {2008, 3, 23}, {2011, 4, 24}, {2016, 3, 27}, {2019, 4, 21}, {2024, 3, 31},
      {2038, 4, 25}, {2285, 3, 22}, {2018, 4, 1},  {1983, 4, 3},  {1985, 4, 7},  {1996, 4, 7},
      {2023, 4, 9},  {2001, 4, 15}, {2017, 4, 16}, {2028, 4, 16}, {2022, 4, 17}, {2049, 4, 18},
      {2060, 4, 18}, {1962, 4, 22}, {1984, 4, 22}, {2057, 4, 22}, {2051, 4, 2},  {2006, 4, 16},
      {2007, 4, 8},  {2013, 3, 31}, {2020, 4, 12}, {1818, 3, 22}, {1943, 4, 25}, {1981, 4, 19},
      {1954, 4, 18}, {2026, 4, 5},
  };
  for (const CivilDate& expected : kCases) {
    EXPECT_EQ(EasterOf(expected.year), expected) << expected.year;
  }
}

TEST(EasterSunday, AgreesWithGaussForEveryYear) {
  for (int year = test::kFirstYear; year <= test::kLastYear; ++year) {
    ASSERT_EQ(EasterOf(year), test::GaussEaster(year)) << year;
  }
}

TEST(EasterSunday, IsASundayFrom22MarchTo25AprilInEveryYear) {
  for (int year = test::kFirstYear; year <= test::kLastYear; ++year) {
    const CivilDate easter = EasterOf(year);
    ASSERT_EQ(test::ZellerWeekday(easter), test::kSundayIndex) << easter;
    ASSERT_GE(test::DaysBetween({year, 3, 22}, easter), 0) << easter;
    ASSERT_GE(test::DaysBetween(easter, {year, 4, 25}), 0) << easter;
  }
}

}  // namespace
}  // namespace kelotarhu::calendar
