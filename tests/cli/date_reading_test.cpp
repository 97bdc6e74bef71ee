// Dates, months and years as the command line reads them, against std::chrono's
// calendar: relative and partial dates around New Year and 29 February, and why an
// impossible date is refused.
#include <gtest/gtest.h>

#include <chrono>

#include "cli/command/date_argument.h"

namespace kelotarhu::cli {
namespace {

namespace chrono = std::chrono;
using namespace std::chrono_literals;

calendar::Date DateOf(chrono::year_month_day ymd) {
  return {static_cast<std::uint16_t>(static_cast<int>(ymd.year())),
          static_cast<std::uint16_t>(static_cast<unsigned>(ymd.month())),
          static_cast<std::uint16_t>(static_cast<unsigned>(ymd.day()))};
}

// `today` moved by `days` on chrono's calendar.
calendar::Date Shifted(chrono::year_month_day today, int days) {
  return DateOf(chrono::sys_days(today) + chrono::days{days});
}

struct RelativeCase {
  const char* text;
  chrono::year_month_day today;
  int days;  // from today
};

TEST(ReadDate, RelativeDatesInThreeLanguagesCrossYearsAndLeapDays) {
  using chrono::December, chrono::February, chrono::January, chrono::March;
  const RelativeCase kCases[] = {
      {"today", 2026y / December / 31, 0},
      {"tomorrow", 2026y / December / 31, 1},
      {"Tomorrow", 2026y / December / 31, 1},
      {"yesterday", 2027y / January / 1, -1},
      {"tänään", 2027y / January / 1, 0},  // tänään
      {"TÄNÄÄN", 2027y / January / 1, 0},
      {"huomenna", 2026y / December / 31, 1},
      {"eilen", 2027y / January / 1, -1},
      {"idag", 2024y / February / 29, 0},
      {"i morgon", 2024y / February / 28, 1},  // to the leap day
      {"imorgon", 2025y / February / 28, 1},   // past a common year's February
      {"igår", 2024y / March / 1, -1},         // igår, back to the leap day
      {"IGÅR", 2025y / March / 1, -1},
      {"i går", 2025y / March / 1, -1},
      {"+1", 2026y / December / 31, 1},
      {"-1", 2027y / January / 1, -1},
      {"−"
       "1",
       2027y / January / 1, -1},  // with the minus sign U+2212
      {"+0", 2026y / December / 9, 0},
      {"+365", 2024y / January / 1, 365},
      {"+366", 2024y / January / 1, 366},
      {"-366", 2025y / January / 1, -366},
      {"+2900000", 2026y / December / 9, 2900000},
  };
  for (const RelativeCase& relative : kCases) {
    SCOPED_TRACE(relative.text);
    const Reading<calendar::Date> reading = ReadDate(relative.text, DateOf(relative.today));
    ASSERT_TRUE(std::holds_alternative<calendar::Date>(reading));
    EXPECT_EQ(std::get<calendar::Date>(reading), Shifted(relative.today, relative.days));
  }
}

struct DateCase {
  const char* text;
  calendar::Date today;
  calendar::Date date;
};

TEST(ReadDate, WholeDatesAndDatesOfThisYear) {
  const DateCase kCases[] = {
      {"6.12.", {2026, 12, 9}, {2026, 12, 6}},       {"6.12", {2026, 12, 9}, {2026, 12, 6}},
      {"1.1.", {2026, 12, 31}, {2026, 1, 1}},  // this year's, not the coming one
      {"29.2.", {2028, 1, 1}, {2028, 2, 29}},        {"06.12.1917", {2026, 12, 9}, {1917, 12, 6}},
      {"2026-12-06", {2026, 12, 9}, {2026, 12, 6}},  {"1.1.0001", {2026, 12, 9}, {1, 1, 1}},
      {"9999-12-31", {2026, 12, 9}, {9999, 12, 31}}, {"29.2.2000", {2026, 12, 9}, {2000, 2, 29}},
      {"5.4.0026", {2026, 12, 9}, {26, 4, 5}},       {"0026-04-05", {2026, 12, 9}, {26, 4, 5}},
  };
  for (const DateCase& date : kCases) {
    SCOPED_TRACE(date.text);
    const Reading<calendar::Date> reading = ReadDate(date.text, date.today);
    ASSERT_TRUE(std::holds_alternative<calendar::Date>(reading));
    EXPECT_EQ(std::get<calendar::Date>(reading), date.date);
  }
}

struct ProblemCase {
  const char* text;
  DateProblem problem;
};

TEST(ReadDate, SaysWhyADateDoesNotExist) {
  constexpr calendar::Date kToday{2027, 6, 15};
  const ProblemCase kCases[] = {
      {"29.2.2027", {DateProblem::kNotLeapYear, 2027, 2}},
      {"29.2.", {DateProblem::kNotLeapYear, 2027, 2}},
      {"29.2.1900", {DateProblem::kNotLeapYear, 1900, 2}},
      {"2100-02-29", {DateProblem::kNotLeapYear, 2100, 2}},
      {"30.2.2024", {DateProblem::kNoSuchDay, 2024, 2}},
      {"31.4.2026", {DateProblem::kNoSuchDay, 2026, 4}},
      {"0.1.2026", {DateProblem::kNoSuchDay, 2026, 1}},
      {"32.1.", {DateProblem::kNoSuchDay, 2027, 1}},
      {"2026-13-01", {DateProblem::kNoSuchMonth, 2026, 13}},
      {"1.0.", {DateProblem::kNoSuchMonth, 2027, 0}},
      {"0000-01-01", {DateProblem::kYearOutOfRange, 0, 1}},
      {"1.1.10000", {DateProblem::kYearOutOfRange, 10000, 1}},
      {"-741000", {DateProblem::kBeyondCalendar}},
      {"+2914000", {DateProblem::kBeyondCalendar}},
      {"junk", {}},
      {"", {}},
      {"+", {}},
      {"+1d", {}},
      {"++1", {}},
      {"+12345678", {}},
      {"6.12.x", {}},
      {"6/12/2026", {}},
      {"2026-12-06x", {}},
      {"1.1.123456", {}},
      {"tomorrowx", {}},
      {"i  morgon", {}},
  };
  for (const ProblemCase& bad : kCases) {
    SCOPED_TRACE(bad.text);
    const Reading<calendar::Date> reading = ReadDate(bad.text, kToday);
    ASSERT_TRUE(std::holds_alternative<DateProblem>(reading));
    EXPECT_EQ(std::get<DateProblem>(reading), bad.problem);
  }
}

TEST(ReadDate, OffsetsReachTheEndsOfTheCalendarAndNoFurther) {
  const Reading<calendar::Date> last = ReadDate("+1", {9999, 12, 30});
  ASSERT_TRUE(std::holds_alternative<calendar::Date>(last));
  EXPECT_EQ(std::get<calendar::Date>(last), (calendar::Date{9999, 12, 31}));
  EXPECT_TRUE(std::holds_alternative<DateProblem>(ReadDate("tomorrow", {9999, 12, 31})));
  EXPECT_TRUE(std::holds_alternative<DateProblem>(ReadDate("yesterday", {1, 1, 1})));
}

TEST(ReadMonth, ThisYearsMonthAndWholeMonths) {
  constexpr calendar::Date kToday{2026, 12, 9};
  struct MonthCase {
    const char* text;
    int month;
    int year;
  };
  constexpr MonthCase kCases[] = {{"6", 6, 2026},
                                  {"06", 6, 2026},
                                  {"12.2027", 12, 2027},
                                  {"2027-01", 1, 2027},
                                  {"1.0001", 1, 1}};
  for (const MonthCase& month : kCases) {
    SCOPED_TRACE(month.text);
    const Reading<calendar::MonthOfYear> reading = ReadMonth(month.text, kToday);
    ASSERT_TRUE(std::holds_alternative<calendar::MonthOfYear>(reading));
    EXPECT_EQ(std::get<calendar::MonthOfYear>(reading).month, month.month);
    EXPECT_EQ(std::get<calendar::MonthOfYear>(reading).year, month.year);
  }
  EXPECT_EQ(std::get<DateProblem>(ReadMonth("13", kToday)),
            (DateProblem{DateProblem::kNoSuchMonth, 2026, 13}));
  EXPECT_EQ(std::get<DateProblem>(ReadMonth("0", kToday)),
            (DateProblem{DateProblem::kNoSuchMonth, 2026, 0}));
  EXPECT_EQ(std::get<DateProblem>(ReadMonth("12.10000", kToday)),
            (DateProblem{DateProblem::kYearOutOfRange, 10000, 12}));
  EXPECT_EQ(std::get<DateProblem>(ReadMonth("june", kToday)), DateProblem{});
  EXPECT_EQ(std::get<DateProblem>(ReadMonth("6.", kToday)), DateProblem{});
}

// A year of fewer than four digits could mean more than one year: refused, with the text
// as it would be with the year nearest today in full.
TEST(ReadDate, RefusesAYearNotWrittenInFull) {
  struct ShortYearCase {
    const char* text;
    calendar::Date today;
    const char* in_full;
  };
  const ShortYearCase kCases[] = {
      {"5.4.26", {2026, 12, 9}, "5.4.2026"},     {"6.12.26", {2026, 12, 9}, "6.12.2026"},
      {"31.12.99", {2026, 12, 9}, "31.12.1999"}, {"1.1.75", {2026, 12, 9}, "1.1.2075"},
      {"1.1.77", {2026, 12, 9}, "1.1.1977"},     {"29.2.1", {2026, 12, 9}, "29.2.2021"},
      {"5.4.026", {2026, 12, 9}, "5.4.2026"},    {"5.4.926", {2026, 12, 9}, "5.4.1926"},
      {"26-04-05", {2026, 12, 9}, "2026-04-05"}, {"0-01-01", {2026, 12, 9}, "2030-01-01"},
      {"1.1.00", {1, 6, 1}, "1.1.0100"},         {"1.1.99", {9999, 1, 1}, "1.1.9999"},
      {"31.4.26", {2026, 12, 9}, "31.4.2026"},  // refused for the year before the day
  };
  for (const ShortYearCase& short_year : kCases) {
    SCOPED_TRACE(short_year.text);
    const Reading<calendar::Date> reading = ReadDate(short_year.text, short_year.today);
    ASSERT_TRUE(std::holds_alternative<DateProblem>(reading));
    EXPECT_EQ(std::get<DateProblem>(reading).kind, DateProblem::kShortYear);
    EXPECT_EQ(std::get<DateProblem>(reading).written_in_full, short_year.in_full);
  }
}

TEST(ReadMonthAndYear, RefuseAYearNotWrittenInFull) {
  constexpr calendar::Date kToday{2026, 12, 9};
  struct ShortYearCase {
    const char* text;
    const char* in_full;
  };
  const ShortYearCase kMonths[] = {{"4.26", "4.2026"}, {"26-04", "2026-04"}, {"12.0", "12.2030"}};
  for (const ShortYearCase& month : kMonths) {
    SCOPED_TRACE(month.text);
    const Reading<calendar::MonthOfYear> reading = ReadMonth(month.text, kToday);
    ASSERT_TRUE(std::holds_alternative<DateProblem>(reading));
    EXPECT_EQ(std::get<DateProblem>(reading).written_in_full, month.in_full);
  }
  const ShortYearCase kYears[] = {{"26", "2026"}, {"926", "1926"}, {"7", "2027"}};
  for (const ShortYearCase& year : kYears) {
    SCOPED_TRACE(year.text);
    const Reading<std::uint16_t> reading = ReadYear(year.text, kToday);
    ASSERT_TRUE(std::holds_alternative<DateProblem>(reading));
    EXPECT_EQ(std::get<DateProblem>(reading).written_in_full, year.in_full);
  }
  const Reading<std::uint16_t> leading_zeros = ReadYear("0026", kToday);
  ASSERT_TRUE(std::holds_alternative<std::uint16_t>(leading_zeros));
  EXPECT_EQ(std::get<std::uint16_t>(leading_zeros), 26);
  const Reading<calendar::MonthOfYear> month = ReadMonth("4.0026", kToday);
  ASSERT_TRUE(std::holds_alternative<calendar::MonthOfYear>(month));
  EXPECT_EQ(std::get<calendar::MonthOfYear>(month).year, 26);
}

}  // namespace
}  // namespace kelotarhu::cli
