// The year table on dated cases: exact feast texts and flags of single days, the
// fixed-date feasts of a whole year, and where each weekday-anchored and movable feast
// lands in given years.
#include "calendar/year_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/windows_1252.h"
#include "calendar/year_table_writer.h"
#include "tests/calendar/feast_names.h"
#include "tests/calendar/reference_calendar.h"
#include "tests/calendar/reference_year.h"

namespace kelotarhu::calendar {
namespace {

using test::CivilDate;
using test::MonthDay;

std::unique_ptr<YearTable> Built(int year) {
  auto table = std::make_unique<YearTable>();
  BuildYearTable(*table, static_cast<std::uint16_t>(year));
  return table;
}

struct DayCase {
  CivilDate date;
  std::string_view feasts;
  int flag_day;
  int red_day;

  friend void PrintTo(const DayCase& c, std::ostream* out) { *out << c.date; }
};

// Single days with their whole feast text (several names joined by " / ") and flags.
const DayCase kDayCases[] = {
    // Plain days: a Sunday, a Saturday and a weekday without any feast.
    {{2026, 1, 4}, "", 0, 1},
    {{2026, 1, 3}, "", 0, 0},
    {{2026, 12, 8}, "", 0, 0},
    // Days a month lacks; a common year's 29 February still holds the leap day.
    {{2023, 2, 29}, "Karkauspäivä"_cp1252, 0, 0},
    {{2024, 2, 30}, "", 0, 0},
    {{2024, 2, 31}, "", 0, 0},
    {{2024, 4, 31}, "", 0, 0},
    {{2026, 6, 31}, "", 0, 0},
    {{2026, 9, 31}, "", 0, 0},
    {{2026, 11, 31}, "", 0, 0},
    // Fixed dates.
    {{2026, 12, 6}, "Itsenäisyyspäivä"_cp1252, 1, 1},
    {{2026, 12, 24}, "Jouluaatto", 0, 0},
    {{2023, 12, 24}, "Jouluaatto", 0, 1},
    {{2026, 5, 1}, "Vappu", 1, 1},
    {{2026, 11, 6}, "Svenska dagen", 1, 1},
    {{2024, 2, 29}, "Karkauspäivä"_cp1252, 0, 0},
    {{2025, 10, 31}, "Halloween", 0, 0},
    {{2023, 6, 4}, "Puolustusvoimien lippujuhla", 1, 1},
    // Weekday-anchored feasts, alone and joined onto a fixed date.
    {{2006, 2, 5}, "J. L. Runebergin päivä / Kynttilänpäivä"_cp1252, 1, 1},
    {{2038, 5, 9}, "Eurooppa-päivä / Äitienpäivä"_cp1252, 1, 1},
    {{2013, 5, 12}, "J. V. Snellmanin päivä / Äitienpäivä"_cp1252, 1, 1},
    {{2026, 5, 10}, "Äitienpäivä"_cp1252, 1, 1},
    {{2005, 5, 15}, "Kaatuneiden muistopäivä"_cp1252, 1, 1},
    {{2020, 6, 20}, "Juhannuspäivä"_cp1252, 1, 1},
    {{2007, 9, 30}, "Mikkelinpäivä"_cp1252, 0, 1},
    {{2013, 9, 29}, "Mikkelinpäivä"_cp1252, 0, 1},
    {{2020, 11, 8}, "Isänpäivä"_cp1252, 1, 1},
    {{2020, 10, 31}, "Pyhäinpäivä"_cp1252, 0, 1},
    {{2038, 11, 6}, "Svenska dagen / Pyhäinpäivä"_cp1252, 1, 1},
    // The Annunciation, kept off Easter Day and Palm Sunday.
    {{2008, 3, 9}, "Marian ilmestyspäivä"_cp1252, 0, 1},
    {{2008, 3, 16}, "Palmusunnuntai", 0, 1},
    {{2008, 3, 23}, "Pääsiäispäivä"_cp1252, 0, 1},
    {{2013, 3, 17}, "Marian ilmestyspäivä"_cp1252, 0, 1},
    {{2013, 3, 24}, "Palmusunnuntai", 0, 1},
    {{2051, 3, 19}, "Marian ilmestyspäivä"_cp1252, 0, 1},
    {{2051, 3, 26}, "Palmusunnuntai", 0, 1},
    {{2285, 3, 8}, "Marian ilmestyspäivä"_cp1252, 0, 1},
    {{2026, 3, 22}, "Marian ilmestyspäivä"_cp1252, 0, 1},
    // A year without collisions: every movable feast alone on its day.
    {{2019, 3, 3}, "Laskiaissunnuntai", 0, 1},
    {{2019, 3, 6}, "Tuhkakeskiviikko", 0, 0},
    {{2019, 4, 14}, "Palmusunnuntai", 0, 1},
    {{2019, 4, 18}, "Kiirastorstai", 0, 0},
    {{2019, 4, 19}, "Pitkäperjantai"_cp1252, 0, 1},
    {{2019, 4, 21}, "Pääsiäispäivä"_cp1252, 0, 1},
    {{2019, 4, 22}, "2. pääsiäispäivä"_cp1252, 0, 1},
    {{2019, 5, 30}, "Helatorstai", 0, 1},
    // Movable feasts meeting fixed dates: joined behind them, or replacing them.
    {{2024, 4, 1}, "Aprillipäivä / 2. pääsiäispäivä"_cp1252, 0, 1},
    {{2024, 5, 9}, "Eurooppa-päivä / Helatorstai"_cp1252, 0, 1},
    {{2024, 2, 14}, "Tuhkakeskiviikko", 0, 0},
    {{2018, 4, 1}, "Aprillipäivä / Pääsiäispäivä"_cp1252, 0, 1},
    {{2018, 3, 30}, "Pitkäperjantai"_cp1252, 0, 1},
    {{2018, 3, 29}, "Kiirastorstai", 0, 0},
    {{1983, 3, 31}, "Kiirastorstai", 0, 0},
    {{1983, 4, 1}, "Pitkäperjantai"_cp1252, 0, 1},
    {{1985, 3, 31}, "Palmusunnuntai", 0, 1},
    {{1996, 3, 31}, "Palmusunnuntai", 0, 1},
    {{2023, 4, 9}, "Mikael Agricolan päivä / Pääsiäispäivä"_cp1252, 1, 1},
    {{2023, 4, 7}, "Pitkäperjantai"_cp1252, 0, 1},
    {{2001, 2, 28}, "Tuhkakeskiviikko", 1, 0},
    {{2001, 2, 25}, "Laskiaissunnuntai", 0, 1},
    {{2017, 3, 1}, "Tuhkakeskiviikko", 0, 0},
    {{2017, 2, 26}, "Laskiaissunnuntai", 0, 1},
    {{2028, 3, 1}, "Tuhkakeskiviikko", 0, 0},
    {{2028, 2, 27}, "Laskiaissunnuntai", 0, 1},
    {{2022, 3, 2}, "Tuhkakeskiviikko", 0, 0},
    {{2022, 2, 27}, "Laskiaissunnuntai", 0, 1},
    {{2049, 3, 3}, "Tuhkakeskiviikko", 0, 0},
    {{2049, 2, 28}, "Kalevalan päivä / Laskiaissunnuntai"_cp1252, 1, 1},
    {{2060, 3, 3}, "Tuhkakeskiviikko", 0, 0},
    {{2060, 2, 29}, "Karkauspäivä / Laskiaissunnuntai"_cp1252, 0, 1},
    {{1962, 5, 31}, "Helatorstai", 0, 1},
    {{1984, 5, 31}, "Helatorstai", 0, 1},
    {{2057, 5, 31}, "Helatorstai", 0, 1},
    {{2285, 2, 1}, "Laskiaissunnuntai", 0, 1},
    {{2285, 2, 4}, "Tuhkakeskiviikko", 0, 0},
    {{2285, 4, 30}, "Helatorstai", 0, 1},
    {{2038, 3, 10}, "Tuhkakeskiviikko", 0, 0},
    {{2038, 6, 3}, "Helatorstai", 0, 1},
    {{2008, 5, 1}, "Vappu / Helatorstai", 1, 1},
    {{2008, 2, 3}, "Kynttilänpäivä / Laskiaissunnuntai"_cp1252, 0, 1},
};

class DayRecordTest : public testing::TestWithParam<DayCase> {};

TEST_P(DayRecordTest, HoldsTheDaysFeastsFlagsAndWeekday) {
  const DayCase& c = GetParam();
  const std::unique_ptr<YearTable> table = Built(c.date.year);
  const TNewDay& record = table->Lookup(c.date.month, c.date.day);
  EXPECT_EQ(record.Feasts, c.feasts);
  EXPECT_EQ(record.FlagDay, c.flag_day);
  EXPECT_EQ(record.RedDay, c.red_day);
  EXPECT_EQ(record.Weekday, test::ReferenceWeekdayName(c.date));
}

// The fuzzer's independent model of the year must agree with the same cases.
TEST_P(DayRecordTest, TheReferenceModelGivesTheSameDay) {
  const DayCase& c = GetParam();
  const test::ReferenceDay day = test::ReferenceYear(c.date.year).Day(c.date.month, c.date.day);
  EXPECT_EQ(day.feasts, c.feasts);
  EXPECT_EQ(day.flag_day, c.flag_day == 1);
  EXPECT_EQ(day.red_day, c.red_day == 1);
}

INSTANTIATE_TEST_SUITE_P(DatedCases, DayRecordTest, testing::ValuesIn(kDayCases));

// The model and the table, two ways to the same year, agree on every used record:
// every year of 1900 to 2100 and every 37th year of the whole range.
TEST(ReferenceYear, AgreesWithTheBuiltTableOnEveryDay) {
  std::vector<int> years;
  for (int year = 1900; year <= 2100; ++year) years.push_back(year);
  for (int year = test::kFirstYear; year <= test::kLastYear; year += 37) years.push_back(year);
  auto table = std::make_unique<YearTable>();
  for (const int year : years) {
    BuildYearTable(*table, static_cast<std::uint16_t>(year));
    const test::ReferenceYear model(year);
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        const TNewDay& record = table->Lookup(month, day);
        const test::ReferenceDay expected = model.Day(month, day);
        ASSERT_EQ(record.Feasts, expected.feasts) << CivilDate{year, month, day};
        ASSERT_EQ(record.FlagDay == 1, expected.flag_day) << CivilDate{year, month, day};
        ASSERT_EQ(record.RedDay == 1, expected.red_day) << CivilDate{year, month, day};
      }
    }
  }
}

// In 2025 no weekday-anchored or movable feast falls on a fixed date, so each fixed
// date holds its own name alone; a Sunday is red whatever the row says.
TEST(FixedFeasts, EachStandsAloneOnItsDateIn2025) {
  constexpr int kYear = 2025;
  const std::unique_ptr<YearTable> table = Built(kYear);
  const test::FeastIndex feasts(*table, kYear);
  for (const test::FixedFeast& feast : test::kFixedFeasts) {
    const CivilDate date{kYear, feast.month, feast.day};
    SCOPED_TRACE(testing::Message() << date);
    const bool sunday =
        test::ExistsInReference(date) && test::ZellerWeekday(date) == test::kSundayIndex;
    const TNewDay& record = table->Lookup(feast.month, feast.day);
    EXPECT_EQ(record.Feasts, feast.name);
    EXPECT_EQ(record.FlagDay, feast.flag_day);
    EXPECT_EQ(record.RedDay, feast.red_day == 1 || sunday ? 1 : 0);
    EXPECT_EQ(feasts.DaysOf(feast.name), std::vector<CivilDate>{date});
  }
}

// One row per year: Easter Sunday and the weekday-anchored feasts.
struct AnchoredYear {
  int year;
  MonthDay easter;
  MonthDay candlemas;
  MonthDay mothers_day;
  MonthDay memorial_day;
  MonthDay midsummer_day;
  MonthDay michaelmas;
  MonthDay all_saints_day;
  MonthDay fathers_day;
  MonthDay annunciation;

  friend void PrintTo(const AnchoredYear& row, std::ostream* out) { *out << row.year; }
};

constexpr AnchoredYear kAnchoredYears[] = {
    {2005, {3, 27}, {2, 6}, {5, 8}, {5, 15}, {6, 25}, {10, 2}, {11, 5}, {11, 13}, {3, 13}},
    {2006, {4, 16}, {2, 5}, {5, 14}, {5, 21}, {6, 24}, {10, 1}, {11, 4}, {11, 12}, {3, 26}},
    {2007, {4, 8}, {2, 4}, {5, 13}, {5, 20}, {6, 23}, {9, 30}, {11, 3}, {11, 11}, {3, 25}},
    {2008, {3, 23}, {2, 3}, {5, 11}, {5, 18}, {6, 21}, {10, 5}, {11, 1}, {11, 9}, {3, 9}},
    {2011, {4, 24}, {2, 6}, {5, 8}, {5, 15}, {6, 25}, {10, 2}, {11, 5}, {11, 13}, {3, 27}},
    {2013, {3, 31}, {2, 3}, {5, 12}, {5, 19}, {6, 22}, {9, 29}, {11, 2}, {11, 10}, {3, 17}},
    {2016, {3, 27}, {2, 7}, {5, 8}, {5, 15}, {6, 25}, {10, 2}, {11, 5}, {11, 13}, {3, 13}},
    {2020, {4, 12}, {2, 2}, {5, 10}, {5, 17}, {6, 20}, {10, 4}, {10, 31}, {11, 8}, {3, 22}},
    {2038, {4, 25}, {2, 7}, {5, 9}, {5, 16}, {6, 26}, {10, 3}, {11, 6}, {11, 14}, {3, 28}},
};

class AnchoredYearTest : public testing::TestWithParam<AnchoredYear> {};

// Each name stands on its day of the year and on no other day.
TEST_P(AnchoredYearTest, EachFeastOnItsOneDay) {
  const AnchoredYear& row = GetParam();
  const std::unique_ptr<YearTable> table = Built(row.year);
  const test::FeastIndex feasts(*table, row.year);
  const struct {
    std::string_view name;
    MonthDay day;
  } kPlacements[] = {
      {test::kEasterSunday, row.easter},         {test::kCandlemas, row.candlemas},
      {test::kMothersDay, row.mothers_day},      {test::kMemorialDay, row.memorial_day},
      {test::kMidsummerDay, row.midsummer_day},  {test::kMichaelmas, row.michaelmas},
      {test::kAllSaintsDay, row.all_saints_day}, {test::kFathersDay, row.fathers_day},
      {test::kAnnunciation, row.annunciation},
  };
  for (const auto& placement : kPlacements) {
    SCOPED_TRACE(testing::Message() << placement.name);
    const CivilDate expected{row.year, placement.day.month, placement.day.day};
    EXPECT_EQ(feasts.DaysOf(placement.name), std::vector<CivilDate>{expected});
  }
}

INSTANTIATE_TEST_SUITE_P(Years2005To2038, AnchoredYearTest, testing::ValuesIn(kAnchoredYears));

TEST(YearTableWriter, AddFeastJoinsAndSetFeastReplacesKeepingTheFlags) {
  YearTable table;
  YearTableWriter writer(table);
  ASSERT_TRUE(writer.AddFeast(2, 5, "J. L. Runebergin päivä"_cp1252));
  EXPECT_EQ(table.Lookup(2, 5).Feasts, "J. L. Runebergin päivä"_cp1252);
  ASSERT_TRUE(writer.AddFeast(2, 5, test::kCandlemas));
  EXPECT_EQ(table.Lookup(2, 5).Feasts, "J. L. Runebergin päivä / Kynttilänpäivä"_cp1252);
  writer.Day(2, 5).FlagDay = 1;
  writer.Day(2, 5).RedDay = 1;
  ASSERT_TRUE(writer.SetFeast(2, 5, test::kGoodFriday));
  EXPECT_EQ(table.Lookup(2, 5).Feasts, test::kGoodFriday);
  EXPECT_EQ(table.Lookup(2, 5).FlagDay, 1);
  EXPECT_EQ(table.Lookup(2, 5).RedDay, 1);
}

// A lookup with any month and day the clock can report stays inside the table; the
// spare records and anything outside read as empty.
TEST(YearTable, LookupReadsTheRecordOrAnEmptyOne) {
  const std::unique_ptr<YearTable> table = Built(2026);
  EXPECT_EQ(&table->Lookup(12, 6), &table->Lookup(12, 6));
  constexpr MonthDay kOutside[] = {{0, 1},  {13, 1}, {1, 0},  {1, 32},       {14, 1},
                                   {1, 33}, {-1, 1}, {1, -1}, {65535, 65535}};
  for (const MonthDay& outside : kOutside) {
    EXPECT_TRUE(test::RecordIsEmpty(table->Lookup(outside.month, outside.day)))
        << outside.month << "/" << outside.day;
  }
}

TEST(YearTable, RemembersTheBuildYear) {
  const std::unique_ptr<YearTable> table = Built(2024);
  EXPECT_EQ(table->year(), 2024);
}

}  // namespace
}  // namespace kelotarhu::calendar
