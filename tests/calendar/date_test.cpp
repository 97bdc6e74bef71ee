// Gregorian calendar arithmetic: leap years, month lengths, serial day numbers and
// weekdays, on fixed cases and against an independent reference calendar.
#include "calendar/date.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "tests/calendar/reference_calendar.h"

namespace kelotarhu::calendar {
namespace {

using test::CivilDate;
using test::kFirstYear;
using test::kLastYear;

std::uint16_t U16(int value) { return static_cast<std::uint16_t>(value); }

std::optional<double> SerialOf(CivilDate date) {
  return DateSerial(U16(date.year), U16(date.month), U16(date.day));
}

std::string_view WeekdayOf(CivilDate date) {
  return WeekdayOfDate(U16(date.year), U16(date.month), U16(date.day));
}

// Calls `visit` with every date of the years 1 to 9999, in order, as the reference
// calendar counts them.
template <typename Visit>
void ForEachReferenceDate(Visit visit) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const int length = test::DaysInMonthInReference(year, month);
      for (int day = 1; day <= length; ++day) visit(CivilDate{year, month, day});
    }
  }
}

struct LeapCase {
  int year;
  bool leap;
};

TEST(YearIsLeap, FixedCases) {
  constexpr LeapCase kCases[] = {{1900, false}, {2100, false}, {2000, true}, {2024, true},
                                 {2023, false}, {1, false},    {4, true},    {100, false},
                                 {400, true},   {1600, true},  {9996, true}, {9999, false}};
  for (const LeapCase& c : kCases) {
    EXPECT_EQ(YearIsLeap(c.year), c.leap) << c.year;
  }
}

TEST(YearIsLeap, AgreesWithReferenceForEveryYear) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    ASSERT_EQ(YearIsLeap(year), test::IsLeapInReference(year)) << year;
  }
}

struct MonthLengthCase {
  int month;
  int year;
  int length;
};

TEST(MonthLength, FixedCases) {
  constexpr MonthLengthCase kCases[] = {{2, 2024, 29}, {2, 2000, 29}, {2, 2023, 28},
                                        {2, 2100, 28}, {4, 2024, 30}, {12, 2024, 31},
                                        {1, 1, 31},    {6, 9999, 30}, {9, 1899, 30}};
  for (const MonthLengthCase& c : kCases) {
    EXPECT_EQ(MonthLength({static_cast<std::uint8_t>(c.month), U16(c.year)}), c.length)
        << c.month << "/" << c.year;
  }
}

TEST(MonthLength, AgreesWithReferenceForEveryMonth) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      ASSERT_EQ(MonthLength({static_cast<std::uint8_t>(month), U16(year)}),
                test::DaysInMonthInReference(year, month))
          << month << "/" << year;
    }
  }
}

struct SerialCase {
  CivilDate date;
  double serial;
};

TEST(DateSerial, FixedCases) {
  const SerialCase kCases[] = {
      {{1899, 12, 30}, 0.0},   {{1899, 12, 31}, 1.0},  {{1900, 1, 1}, 2.0},
      {{1899, 12, 29}, -1.0},  {{1, 1, 1}, -693593.0}, {{9999, 12, 31}, 2958465.0},
      {{2000, 1, 1}, 36526.0}, {{1900, 3, 1}, 61.0},   {{2024, 2, 29}, 45351.0},
  };
  for (const SerialCase& c : kCases) {
    const std::optional<double> serial = SerialOf(c.date);
    ASSERT_TRUE(serial.has_value()) << c.date;
    EXPECT_EQ(*serial, c.serial) << c.date;
  }
}

TEST(DateSerial, DatesThatDoNotExistHaveNoSerial) {
  const CivilDate kCases[] = {{2023, 2, 29}, {2024, 2, 30}, {2024, 4, 31}, {2024, 13, 1},
                              {2024, 1, 0},  {0, 1, 1},     {10000, 1, 1}, {2024, 0, 1},
                              {2024, 1, 32}, {2100, 2, 29}, {2024, 6, 31}, {65535, 65535, 65535}};
  for (const CivilDate& date : kCases) {
    EXPECT_FALSE(SerialOf(date).has_value()) << date;
  }
}

TEST(DateSerial, CountsDaysFromThe1899EpochForEveryDate) {
  const CivilDate epoch{1899, 12, 30};
  ForEachReferenceDate([&](CivilDate date) {
    const std::optional<double> serial = SerialOf(date);
    ASSERT_TRUE(serial.has_value()) << date;
    ASSERT_EQ(*serial, static_cast<double>(test::DaysBetween(epoch, date))) << date;
  });
}

TEST(DateIsValid, AgreesWithReferenceOnEveryDaySlotOfEveryYear) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        ASSERT_EQ(DateIsValid(year, month, day), test::ExistsInReference({year, month, day}))
            << CivilDate{year, month, day};
      }
    }
  }
}

TEST(DayCount, FirstDayOfYearOneIsDayOneAndEveryLaterDayCountsOneMore) {
  std::int32_t expected = 1;
  ForEachReferenceDate([&](CivilDate date) {
    ASSERT_EQ(DayCount(date.year, date.month, date.day), expected) << date;
    ++expected;
  });
  EXPECT_EQ(expected - 1, 3652059);
}

TEST(DateOfDayCount, InvertsDayCountOnEveryDate) {
  ForEachReferenceDate([](CivilDate date) {
    const Date back = DateOfDayCount(DayCount(date.year, date.month, date.day));
    ASSERT_EQ(back, (Date{U16(date.year), U16(date.month), U16(date.day)})) << date;
  });
}

TEST(DayCount, SerialEpochIsItsDayCount) {
  EXPECT_EQ(DayCount(1899, 12, 30), kSerialEpochDayCount);
}

struct WeekdayCase {
  CivilDate date;
  std::string_view weekday;
};

TEST(WeekdayOfDate, FixedCases) {
  const WeekdayCase kCases[] = {
      {{1899, 12, 30}, "Lauantai"},
      {{1900, 1, 1}, "Maanantai"},
      {{2000, 1, 1}, "Lauantai"},
      {{2024, 3, 31}, "Sunnuntai"},
      {{2026, 12, 8}, "Tiistai"},
      {{1, 1, 1}, "Maanantai"},
      {{9999, 12, 31}, "Perjantai"},
      {{1970, 1, 1}, "Torstai"},
      {{2023, 2, 29}, ""},
      {{2024, 4, 31}, ""},
      {{1, 4, 31}, ""},
      {{9999, 4, 31}, ""},
      {{2024, 2, 29}, "Torstai"},
      {{1917, 12, 6}, "Torstai"},
      {{2024, 11, 27}, "Keskiviikko"},
  };
  for (const WeekdayCase& c : kCases) {
    EXPECT_EQ(WeekdayOf(c.date), c.weekday) << c.date;
  }
}

TEST(WeekdayOfDate, AgreesWithZellersCongruenceOnEveryDate) {
  ForEachReferenceDate(
      [](CivilDate date) { ASSERT_EQ(WeekdayOf(date), test::ReferenceWeekdayName(date)) << date; });
}

TEST(WeekdayText, NamesEachIndexFromSunday) {
  EXPECT_EQ(WeekdayText(0), "Sunnuntai");
  EXPECT_EQ(WeekdayText(1), "Maanantai");
  EXPECT_EQ(WeekdayText(2), "Tiistai");
  EXPECT_EQ(WeekdayText(3), "Keskiviikko");
  EXPECT_EQ(WeekdayText(4), "Torstai");
  EXPECT_EQ(WeekdayText(5), "Perjantai");
  EXPECT_EQ(WeekdayText(6), "Lauantai");
}

TEST(WeekdayText, IndexOutsideTheWeekGivesTheEmptyText) {
  EXPECT_EQ(WeekdayText(7), "");
  EXPECT_EQ(WeekdayText(-1), "");
  EXPECT_EQ(WeekdayText(1000), "");
}

struct IndexCase {
  double serial;
  int index;
};

// A serial's time of day is dropped after rounding to whole milliseconds; towards zero,
// so that a negative serial with a fraction counts as the later day.
TEST(WeekdayIndex, DropsTheTimeOfDay) {
  constexpr IndexCase kCases[] = {
      {0.0, 6},         {1.0, 0},       {2.0, 1},
      {-1.0, 5},        {2.75, 1},      {0.5, 6},
      {-0.5, 6},        {-1.25, 5},     {1.9999999999999, 1},
      {2.9999999, 1},   {-693593.0, 1}, {2958465.0, 5},
      {2958465.999, 5},
  };
  for (const IndexCase& c : kCases) {
    EXPECT_EQ(WeekdayIndex(c.serial), c.index) << c.serial;
  }
}

}  // namespace
}  // namespace kelotarhu::calendar
