// Today's feasts with the red-day period, and the flag path on flag days.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calendar/windows_1252.h"
#include "fake_platform.h"
#include "plugin/plugin.h"

using namespace kelotarhu::calendar::literals;

namespace {

using kelotarhu::plugin::Plugin;
using kelotarhu::testing::FakePlatform;

struct HolidayCase {
  std::uint16_t year, month, day;
  const char* answer;
  const char* expected;
  friend void PrintTo(const HolidayCase& c, std::ostream* os) {
    *os << c.day << '.' << c.month << '.' << c.year << " answer " << (c.answer ? c.answer : "null");
  }
};

class Holiday : public ::testing::TestWithParam<HolidayCase> {};

TEST_P(Holiday, AnswersForTheDay) {
  const HolidayCase& c = GetParam();
  FakePlatform clock(c.year, c.month, c.day);
  Plugin plugin;
  plugin.Startup();
  EXPECT_STREQ(plugin.GetHoliday(c.answer), c.expected);
}

constexpr const char* kNewYear = "Uudenvuodenpäivä"_cp1252;
constexpr const char* kNewYearRed = "Uudenvuodenpäivä."_cp1252;

INSTANTIATE_TEST_SUITE_P(
    Days, Holiday,
    ::testing::Values(
        HolidayCase{2026, 1, 1, "K", kNewYearRed}, HolidayCase{2026, 1, 1, "k", kNewYearRed},
        HolidayCase{2026, 1, 1, "E", kNewYear}, HolidayCase{2026, 1, 1, "1", kNewYear},
        HolidayCase{2026, 1, 1, " K", kNewYear}, HolidayCase{2026, 1, 1, "K ", kNewYear},
        HolidayCase{2026, 1, 1, "Kyllä"_cp1252, kNewYear}, HolidayCase{2026, 1, 1, "", kNewYear},
        HolidayCase{2026, 1, 1, nullptr, kNewYear},
        // A flag day that is no red day: 5 February 2026 is a Thursday.
        HolidayCase{2026, 2, 5, "K", "J. L. Runebergin päivä"_cp1252},
        // Red Sundays without a feast never give a lone period.
        HolidayCase{2026, 12, 13, "K", "Pyhän Lucian päivä."_cp1252},
        HolidayCase{2026, 12, 20, "K", ""}, HolidayCase{2026, 12, 8, "K", ""},
        // One period after several joined names.
        HolidayCase{2008, 5, 1, "K", "Vappu / Helatorstai."},
        HolidayCase{2024, 4, 1, "K", "Aprillipäivä / 2. pääsiäispäivä."_cp1252}));

struct FlagCase {
  std::uint16_t year, month, day;
  const char* path;
  const char* expected;
  friend void PrintTo(const FlagCase& c, std::ostream* os) {
    *os << c.day << '.' << c.month << '.' << c.year << " path " << (c.path ? c.path : "null");
  }
};

class Flag : public ::testing::TestWithParam<FlagCase> {};

TEST_P(Flag, PathOnlyOnFlagDays) {
  const FlagCase& c = GetParam();
  FakePlatform clock(c.year, c.month, c.day);
  Plugin plugin;
  plugin.Startup();
  EXPECT_STREQ(plugin.GetFlag(c.path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Days, Flag,
    ::testing::Values(FlagCase{2026, 12, 6, "C:\\Host\\plugins\\flag.gif",
                               "C:\\Host\\plugins\\flag.gif"},
                      FlagCase{2026, 12, 6, "  a path\twith blanks  ", "  a path\twith blanks  "},
                      FlagCase{2026, 12, 6, "", ""}, FlagCase{2026, 12, 6, nullptr, ""},
                      FlagCase{2026, 2, 5, "f.gif", "f.gif"},
                      // Red days that are no flag days.
                      FlagCase{2026, 1, 1, "f.gif", ""}, FlagCase{2026, 12, 20, "f.gif", ""},
                      FlagCase{2026, 12, 8, "f.gif", ""}));

}  // namespace
