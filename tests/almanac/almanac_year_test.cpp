// The almanac of a year as a whole: every rule on its one day in each year of its era,
// red days that are the Sundays and the public holidays, nothing before the almanac.
#include <gtest/gtest.h>

#include <vector>

#include "almanac/almanac.h"
#include "calendar/date.h"

namespace kelotarhu::almanac {
namespace {

bool IsSunday(int year, int month, int day) {
  return calendar::IsoWeekday({static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                               static_cast<std::uint16_t>(day)}) == 7;
}

// Calls `visit` with the month and day of every date of the year.
template <typename Visit>
void ForEveryDate(int year, Visit visit) {
  for (int month = 1; month <= 12; ++month) {
    const int length =
        calendar::MonthLength({static_cast<std::uint8_t>(month), static_cast<std::uint16_t>(year)});
    for (int day = 1; day <= length; ++day) visit(month, day);
  }
}

TEST(AlmanacYear, BeforeTheAlmanacOnlyTheSundaysAreRed) {
  for (const int year : {1, 1582, 1800, 1899}) {
    const AlmanacYear almanac = BuildAlmanacYear(year);
    ForEveryDate(year, [&](int month, int day) {
      const AlmanacDay& facts = almanac.Day(month, day);
      EXPECT_EQ(facts.red, IsSunday(year, month, day)) << year << '-' << month << '-' << day;
      EXPECT_TRUE(facts.Rules().empty());
      EXPECT_FALSE(facts.public_holiday);
      EXPECT_EQ(facts.flag, FlagKind::kNone);
    });
  }
}

TEST(AlmanacYear, RedDaysAreTheSundaysAndThePublicHolidays) {
  for (int year = kFirstAlmanacYear; year <= 2200; ++year) {
    const AlmanacYear almanac = BuildAlmanacYear(year);
    ForEveryDate(year, [&](int month, int day) {
      const AlmanacDay& facts = almanac.Day(month, day);
      ASSERT_EQ(facts.red, IsSunday(year, month, day) || facts.public_holiday)
          << year << '-' << month << '-' << day;
    });
  }
}

// A rule names one day in each year of its era (a 29 February only in leap years), and
// no day holds more rules than it has room for.
TEST(AlmanacYear, EveryRuleNamesOneDayInEachYearOfItsEra) {
  const std::span<const Rule> rules = AlmanacRules();
  for (int year = kFirstAlmanacYear; year <= 9999; ++year) {
    const AlmanacYear almanac = BuildAlmanacYear(year);
    std::vector<int> placed(rules.size());
    for (const AlmanacDay& day : almanac.days) {
      ASSERT_LE(day.rules_met, kMostNamedDaysOnADate) << year;
      for (const std::uint16_t index : day.Rules()) ++placed[index];
    }
    for (std::size_t index = 0; index < rules.size(); ++index) {
      const Rule& rule = rules[index];
      const bool in_era = year >= rule.first_year && year <= rule.last_year;
      const bool leap_day = rule.date.anchor != DateRule::Anchor::kEaster && rule.date.month == 2 &&
                            rule.date.day == 29;
      const int expected = in_era && (!leap_day || calendar::YearIsLeap(year)) ? 1 : 0;
      ASSERT_EQ(placed[index], expected) << rule.key << " in " << year;
    }
  }
}

}  // namespace
}  // namespace kelotarhu::almanac
