// Properties every year's table must have, checked for each year 1 to 9999 against an
// independent reference calendar: weekdays, red days and flag days day by day, where
// the weekday-anchored and movable feasts land, the spare records, and rebuilding.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

#include "calendar/windows_1252.h"
#include "calendar/year_table.h"
#include "tests/calendar/feast_names.h"
#include "tests/calendar/reference_calendar.h"

using namespace kelotarhu::calendar::literals;

namespace kelotarhu::calendar {
namespace {

using test::CivilDate;
using test::MonthDay;
using testing::AssertionFailure;
using testing::AssertionResult;
using testing::AssertionSuccess;

// Builds one table for each year 1 to 9999 in turn and stops at the first year that
// fails the check. The one table is rebuilt every time, as the plug-in rebuilds it.
template <typename Check>
void ForEveryYear(Check check) {
  auto table = std::make_unique<YearTable>();
  for (int year = test::kFirstYear; year <= test::kLastYear; ++year) {
    BuildYearTable(*table, static_cast<std::uint16_t>(year));
    ASSERT_TRUE(check(*table, year)) << "year " << year;
  }
}

// The one day from `first` through the six days after it that has the weekday.
CivilDate ReferenceDayInWindow(int year, MonthDay first, int weekday) {
  for (int offset = 0; offset < 7; ++offset) {
    const CivilDate date = test::AddDays({year, first.month, first.day}, offset);
    if (test::ZellerWeekday(date) == weekday) return date;
  }
  ADD_FAILURE() << "no weekday " << weekday << " in the window";
  return {};
}

// The weekday-anchored feasts of a year by the reference calendar alone.
struct AnchoredDays {
  CivilDate candlemas;
  CivilDate mothers_day;
  CivilDate memorial_day;
  CivilDate midsummer_day;
  CivilDate michaelmas;
  CivilDate fathers_day;
  CivilDate all_saints_day;
  CivilDate annunciation;
};

// The Annunciation: the Sunday of 22-28 March, two weeks earlier when that Sunday is
// Easter Day and one week earlier when it is Palm Sunday.
CivilDate ReferenceAnnunciation(int year) {
  const CivilDate sunday = ReferenceDayInWindow(year, {3, 22}, test::kSundayIndex);
  const CivilDate easter = test::GaussEaster(year);
  if (sunday == easter) return test::AddDays(sunday, -14);
  if (sunday == test::AddDays(easter, -7)) return test::AddDays(sunday, -7);
  return sunday;
}

AnchoredDays ReferenceAnchoredDays(int year) {
  AnchoredDays days;
  days.candlemas = ReferenceDayInWindow(year, {2, 2}, test::kSundayIndex);
  days.mothers_day = ReferenceDayInWindow(year, {5, 8}, test::kSundayIndex);
  days.memorial_day = test::AddDays(days.mothers_day, 7);
  days.midsummer_day = ReferenceDayInWindow(year, {6, 20}, test::kSaturdayIndex);
  days.michaelmas = ReferenceDayInWindow(year, {9, 29}, test::kSundayIndex);
  days.fathers_day = ReferenceDayInWindow(year, {11, 8}, test::kSundayIndex);
  days.all_saints_day = ReferenceDayInWindow(year, {10, 31}, test::kSaturdayIndex);
  days.annunciation = ReferenceAnnunciation(year);
  return days;
}

// Days as month * 100 + day, to compare sets of days of one year.
int Key(CivilDate date) { return date.month * 100 + date.day; }

std::set<int> Keys(int year, std::initializer_list<MonthDay> days) {
  std::set<int> keys;
  for (const MonthDay& day : days) keys.insert(Key({year, day.month, day.day}));
  return keys;
}

// Red: every Sunday, the red fixed dates, and the red weekday-anchored and movable
// feasts that do not fall on a Sunday anyway.
std::set<int> ReferenceRedDays(int year) {
  std::set<int> red = Keys(year, {{1, 1}, {1, 6}, {5, 1}, {11, 6}, {12, 6}, {12, 25}, {12, 26}});
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= test::DaysInMonthInReference(year, month); ++day) {
      if (test::ZellerWeekday({year, month, day}) == test::kSundayIndex) {
        red.insert(Key({year, month, day}));
      }
    }
  }
  const AnchoredDays anchored = ReferenceAnchoredDays(year);
  const CivilDate easter = test::GaussEaster(year);
  for (const CivilDate& date :
       {anchored.midsummer_day, anchored.all_saints_day, test::AddDays(easter, 1),
        test::AddDays(easter, -2), test::AddDays(easter, 39)}) {
    red.insert(Key(date));
  }
  return red;
}

std::set<int> ReferenceFlagDays(int year) {
  std::set<int> flags = Keys(year, {{2, 5},
                                    {2, 28},
                                    {4, 9},
                                    {4, 27},
                                    {5, 1},
                                    {5, 12},
                                    {6, 4},
                                    {7, 6},
                                    {10, 10},
                                    {10, 24},
                                    {11, 6},
                                    {12, 6}});
  const AnchoredDays anchored = ReferenceAnchoredDays(year);
  for (const CivilDate& date : {anchored.mothers_day, anchored.memorial_day, anchored.midsummer_day,
                                anchored.fathers_day}) {
    flags.insert(Key(date));
  }
  return flags;
}

// Compares one flag of every used record with the set of days that should carry it.
AssertionResult FlagMatches(const YearTable& table, int year, const std::set<int>& expected,
                            std::uint8_t TNewDay::*flag, const char* flag_name) {
  int count = 0;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      const std::uint8_t want = expected.count(Key({year, month, day})) ? 1 : 0;
      const std::uint8_t got = table.Lookup(month, day).*flag;
      if (got != want) {
        return AssertionFailure() << flag_name << " of " << CivilDate{year, month, day} << " is "
                                  << int{got} << ", expected " << int{want};
      }
      count += got;
    }
  }
  if (count != static_cast<int>(expected.size())) {
    return AssertionFailure() << count << " days with " << flag_name << ", expected "
                              << expected.size();
  }
  return AssertionSuccess();
}

TEST(EveryYear, RedDaysAreTheSundaysAndTheRedHolidays) {
  ForEveryYear([](const YearTable& table, int year) {
    return FlagMatches(table, year, ReferenceRedDays(year), &TNewDay::RedDay, "RedDay");
  });
}

TEST(EveryYear, FlagDaysAreTheFlagHolidays) {
  ForEveryYear([](const YearTable& table, int year) {
    return FlagMatches(table, year, ReferenceFlagDays(year), &TNewDay::FlagDay, "FlagDay");
  });
}

// Existing days carry their reference weekday; days a month lacks carry none, no flag
// and no feast but the leap day that 29 February holds in every year.
AssertionResult WeekdaysMatch(const YearTable& table, int year) {
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      const CivilDate date{year, month, day};
      const TNewDay& record = table.Lookup(month, day);
      if (test::ExistsInReference(date)) {
        if (record.Weekday != test::ReferenceWeekdayName(date)) {
          return AssertionFailure() << date << " is " << record.Weekday;
        }
        continue;
      }
      const std::string_view feasts =
          month == 2 && day == 29 ? std::string_view{"Karkauspäivä"_cp1252} : std::string_view{};
      if (!record.Weekday.empty() || record.Feasts != feasts || record.RedDay != 0 ||
          record.FlagDay != 0) {
        return AssertionFailure() << date << " does not exist but holds '" << record.Weekday
                                  << "', '" << record.Feasts << "', flags " << int{record.FlagDay}
                                  << int{record.RedDay};
      }
    }
  }
  return AssertionSuccess();
}

TEST(EveryYear, WeekdaysFollowTheCalendarAndMissingDaysStayBlank) { ForEveryYear(WeekdaysMatch); }

AssertionResult OnlyOn(const test::FeastIndex& feasts, std::string_view name, CivilDate date) {
  const std::vector<CivilDate> days = feasts.DaysOf(name);
  if (days == std::vector<CivilDate>{date}) return AssertionSuccess();
  AssertionResult failure = AssertionFailure();
  failure << name << " expected on " << date << " alone, found on";
  for (const CivilDate& day : days) failure << ' ' << day;
  return failure;
}

// Each weekday-anchored feast on the one reference day of its window (which has the
// right weekday by construction), Memorial Day a week after Mother's Day.
AssertionResult AnchoredFeastsPlaced(const YearTable& table, int year) {
  const test::FeastIndex feasts(table, year);
  const AnchoredDays days = ReferenceAnchoredDays(year);
  const struct {
    std::string_view name;
    CivilDate date;
  } kPlacements[] = {
      {test::kCandlemas, days.candlemas},         {test::kMothersDay, days.mothers_day},
      {test::kMemorialDay, days.memorial_day},    {test::kMidsummerDay, days.midsummer_day},
      {test::kMichaelmas, days.michaelmas},       {test::kFathersDay, days.fathers_day},
      {test::kAllSaintsDay, days.all_saints_day}, {test::kAnnunciation, days.annunciation},
  };
  for (const auto& placement : kPlacements) {
    if (AssertionResult placed = OnlyOn(feasts, placement.name, placement.date); !placed) {
      return placed;
    }
  }
  return AssertionSuccess();
}

TEST(EveryYear, WeekdayAnchoredFeastsFallOnTheirWeekdayInTheirWindow) {
  ForEveryYear(AnchoredFeastsPlaced);
}

struct MovableFeast {
  std::string_view name;
  int days_from_easter;
  MonthDay earliest;
  MonthDay latest;
};

constexpr MovableFeast kMovableFeasts[] = {
    {test::kEasterSunday, 0, {3, 22}, {4, 25}}, {test::kEasterMonday, 1, {3, 23}, {4, 26}},
    {test::kPalmSunday, -7, {3, 15}, {4, 18}},  {test::kMaundyThursday, -3, {3, 19}, {4, 22}},
    {test::kGoodFriday, -2, {3, 20}, {4, 23}},  {test::kAshWednesday, -46, {2, 4}, {3, 10}},
    {test::kShroveSunday, -49, {2, 1}, {3, 7}}, {test::kAscensionDay, 39, {4, 30}, {6, 3}},
};

bool Within(CivilDate date, MonthDay earliest, MonthDay latest) {
  return test::DaysBetween({date.year, earliest.month, earliest.day}, date) >= 0 &&
         test::DaysBetween(date, {date.year, latest.month, latest.day}) >= 0;
}

// Each movable feast on the one day at its distance from Easter by Gauss's method,
// inside its date range.
AssertionResult MovableFeastsPlaced(const YearTable& table, int year) {
  const test::FeastIndex feasts(table, year);
  const CivilDate easter = test::GaussEaster(year);
  for (const MovableFeast& feast : kMovableFeasts) {
    const CivilDate date = test::AddDays(easter, feast.days_from_easter);
    if (!Within(date, feast.earliest, feast.latest)) {
      return AssertionFailure() << feast.name << " on " << date << " is out of its range";
    }
    if (AssertionResult placed = OnlyOn(feasts, feast.name, date); !placed) return placed;
  }
  return AssertionSuccess();
}

TEST(EveryYear, MovableFeastsKeepTheirDistanceFromEaster) { ForEveryYear(MovableFeastsPlaced); }

AssertionResult SpareRecordsEmpty(const YearTable& table, int) {
  for (int month = 0; month < YearTable::kMonths; ++month) {
    for (int day = 0; day < YearTable::kDays; ++day) {
      const bool spare = month == 0 || month == 13 || day == 0 || day == 32;
      if (spare && !test::RecordIsEmpty(table.Lookup(month, day))) {
        return AssertionFailure() << "spare record [" << month << "][" << day << "] is written";
      }
    }
  }
  return AssertionSuccess();
}

TEST(EveryYear, SpareRecordsStayEmpty) { ForEveryYear(SpareRecordsEmpty); }

AssertionResult SameRecords(const YearTable& got, const YearTable& want) {
  for (int month = 0; month < YearTable::kMonths; ++month) {
    for (int day = 0; day < YearTable::kDays; ++day) {
      const TNewDay& a = got.Lookup(month, day);
      const TNewDay& b = want.Lookup(month, day);
      if (a.Weekday != b.Weekday || a.Feasts != b.Feasts || a.FlagDay != b.FlagDay ||
          a.RedDay != b.RedDay || a.FinnishNames != b.FinnishNames ||
          a.SwedishNames != b.SwedishNames) {
        return AssertionFailure() << "record [" << month << "][" << day << "] differs: '"
                                  << a.Feasts << "' against '" << b.Feasts << "'";
      }
    }
  }
  return AssertionSuccess();
}

// ForEveryYear rebuilds one table over the previous year's; it must equal a table
// built only once, so nothing of an earlier build survives.
TEST(EveryYear, ARebuiltTableEqualsAFreshOne) {
  ForEveryYear([](const YearTable& rebuilt, int year) {
    auto fresh = std::make_unique<YearTable>();
    BuildYearTable(*fresh, static_cast<std::uint16_t>(year));
    return SameRecords(rebuilt, *fresh);
  });
}

TEST(Rebuild, SameYearTwiceAndAfterAnotherYearGivesTheSameTable) {
  constexpr std::uint16_t kYears[] = {2008, 2024, 2038, 2060, 1, 9999};
  for (const std::uint16_t year : kYears) {
    SCOPED_TRACE(year);
    auto first = std::make_unique<YearTable>();
    BuildYearTable(*first, year);
    auto table = std::make_unique<YearTable>();
    BuildYearTable(*table, year);
    BuildYearTable(*table, year);
    EXPECT_TRUE(SameRecords(*table, *first));
    BuildYearTable(*table, year == 2024 ? 2025 : 2024);
    BuildYearTable(*table, year);
    EXPECT_TRUE(SameRecords(*table, *first));
  }
}

}  // namespace
}  // namespace kelotarhu::calendar
