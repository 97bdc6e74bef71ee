// `kelotarhu` and `kelotarhu DATE`: one day for a person to read.
#include <gtest/gtest.h>

#include <array>
#include <ctime>

#include "kelotarhu_runner.h"

namespace kelotarhu::testing {
namespace {

// Sunday first, as struct tm counts.
constexpr std::array<const char*, 7> kWeekdays = {
    "Sunnuntai", "Maanantai", "Tiistai", "Keskiviikko", "Torstai", "Perjantai", "Lauantai"};

// The C library's idea of today: "Weekday d.m.yyyy".
std::string TodayFromCLibrary() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::string(kWeekdays[static_cast<std::size_t>(local.tm_wday)]) + ' ' +
         std::to_string(local.tm_mday) + '.' + std::to_string(local.tm_mon + 1) + '.' +
         std::to_string(local.tm_year + 1900) + ", week ";
}

TEST(KelotarhuToday, PrintsTodaysWeekdayAndDate) {
  const std::string before = TodayFromCLibrary();
  const ProgramRun run = Kelotarhu({});
  const std::string after = TodayFromCLibrary();
  ASSERT_EQ(run.exit_status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 5u) << run.out;
  // Run across midnight, either date is right.
  EXPECT_TRUE(lines[0].starts_with(before) || lines[0].starts_with(after))
      << lines[0] << " is not " << before;
  EXPECT_TRUE(lines[1].starts_with("Feasts:"));
  EXPECT_TRUE(lines[2].starts_with("Flag day:"));
  EXPECT_TRUE(lines[3].starts_with("Finnish names:"));
  EXPECT_TRUE(lines[4].starts_with("Swedish names:"));
}

struct DayCase {
  const char* argument;
  const char* first_line;  // the weekday and the date, up to the week number
  const char* feasts;      // as the Feasts line shows them
  bool flag_day;
};

// Easter Sundays and Midsummer Days from published calendars; weekdays of the first
// and last days of the proleptic Gregorian calendar.
constexpr DayCase kDays[] = {
    {"6.12.2026", "Sunnuntai 6.12.2026, week 49", "Itsen\xC3\xA4isyysp\xC3\xA4iv\xC3\xA4 (red day)",
     true},
    {"2026-12-06", "Sunnuntai 6.12.2026, week 49",
     "Itsen\xC3\xA4isyysp\xC3\xA4iv\xC3\xA4 (red day)", true},
    {"06.12.1917", "Torstai 6.12.1917, week", "Itsen\xC3\xA4isyysp\xC3\xA4iv\xC3\xA4 (red day)",
     true},
    {"2000-04-23", "Sunnuntai 23.4.2000, week 16",
     "P\xC3\xA4\xC3\xA4si\xC3\xA4isp\xC3\xA4iv\xC3\xA4 (red day)", false},
    {"2024-03-31", "Sunnuntai 31.3.2024, week 13",
     "P\xC3\xA4\xC3\xA4si\xC3\xA4isp\xC3\xA4iv\xC3\xA4 (red day)", false},
    {"20.4.2025", "Sunnuntai 20.4.2025, week 16",
     "P\xC3\xA4\xC3\xA4si\xC3\xA4isp\xC3\xA4iv\xC3\xA4 (red day)", false},
    {"5.4.2026", "Sunnuntai 5.4.2026, week 14",
     "P\xC3\xA4\xC3\xA4si\xC3\xA4isp\xC3\xA4iv\xC3\xA4 (red day)", false},
    {"2027-03-28", "Sunnuntai 28.3.2027, week 12",
     "P\xC3\xA4\xC3\xA4si\xC3\xA4isp\xC3\xA4iv\xC3\xA4 (red day)", false},
    {"2038-04-25", "Sunnuntai 25.4.2038, week",
     "P\xC3\xA4\xC3\xA4si\xC3\xA4isp\xC3\xA4iv\xC3\xA4 (red day)", false},
    {"22.6.2024", "Lauantai 22.6.2024, week 25", "Juhannusp\xC3\xA4iv\xC3\xA4 (red day)", true},
    {"21.6.2025", "Lauantai 21.6.2025, week 25", "Juhannusp\xC3\xA4iv\xC3\xA4 (red day)", true},
    {"2026-06-20", "Lauantai 20.6.2026, week 25", "Juhannusp\xC3\xA4iv\xC3\xA4 (red day)", true},
    {"26.6.2027", "Lauantai 26.6.2027, week 25", "Juhannusp\xC3\xA4iv\xC3\xA4 (red day)", true},
    {"5.2.2026", "Torstai 5.2.2026, week 6", "J. L. Runebergin p\xC3\xA4iv\xC3\xA4", true},
    {"1.1.1", "Maanantai 1.1.1, week 1", "Uudenvuodenp\xC3\xA4iv\xC3\xA4 (red day)", false},
    {"9999-12-31", "Perjantai 31.12.9999, week 52", "-", false},
    {"2026-12-08", "Tiistai 8.12.2026, week 50", "-", false},
};

TEST(KelotarhuDate, ShowsWeekdayFeastsAndFlagDay) {
  for (const DayCase& day : kDays) {
    SCOPED_TRACE(day.argument);
    const ProgramRun run = Kelotarhu({day.argument});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5u) << run.out;
    EXPECT_TRUE(lines[0].starts_with(day.first_line)) << lines[0];
    EXPECT_EQ(lines[1], std::string("Feasts:         ") + day.feasts);
    EXPECT_EQ(lines[2], day.flag_day ? "Flag day:       yes +" : "Flag day:       no");
  }
}

struct NamesCase {
  const char* argument;
  const char* finnish;
  const char* swedish;
};

TEST(KelotarhuDate, ShowsFinnishAndSwedishNames) {
  constexpr NamesCase kNames[] = {
      {"26.10.2026", "Amanda, Niina, Manta", "Amanda, Nina"},
      {"6.12.2026", "Niilo, Niko, Niklas", "Nils"},
      {"14.2.2026", "Voitto", "Valentin"},
      {"17.11.2026", "Eino, Einari", "Einar"},
      {"2024-02-29", "-", "-"},  // no names on the leap day
      {"25.12.2026", "-", "-"},
  };
  for (const NamesCase& names : kNames) {
    SCOPED_TRACE(names.argument);
    const ProgramRun run = Kelotarhu({names.argument});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5u) << run.out;
    EXPECT_EQ(lines[3], std::string("Finnish names:  ") + names.finnish);
    EXPECT_EQ(lines[4], std::string("Swedish names:  ") + names.swedish);
  }
}

TEST(KelotarhuDate, PaintsARedDayOnlyWhenColoursAreAsked) {
  const ProgramRun coloured = Kelotarhu({"6.12.2026", "--color=always"});
  ASSERT_EQ(coloured.exit_status, 0) << coloured.err;
  EXPECT_NE(coloured.out.find("\x1b[31mItsen\xC3\xA4isyysp\xC3\xA4iv\xC3\xA4 (red day)\x1b[0m"),
            std::string::npos)
      << coloured.out;
  const ProgramRun plain = Kelotarhu({"6.12.2026", "--color=never"});
  ASSERT_EQ(plain.exit_status, 0) << plain.err;
  EXPECT_EQ(plain.out.find('\x1b'), std::string::npos) << plain.out;
}

}  // namespace
}  // namespace kelotarhu::testing
