// `kelotarhu` and `kelotarhu DATE`: one day for a person to read, in each language.
#include <gtest/gtest.h>

#include <array>
#include <ctime>

#include "kelotarhu_runner.h"

namespace kelotarhu::testing {
namespace {

// Sunday first, as struct tm counts.
constexpr std::array<const char*, 7> kWeekdays = {
    "Sunnuntai", "Maanantai", "Tiistai", "Keskiviikko", "Torstai", "Perjantai", "Lauantai"};

// The C library's idea of today: "Weekday d.m.yyyy, viikko ".
std::string TodayFromCLibrary() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::string(kWeekdays[static_cast<std::size_t>(local.tm_wday)]) + ' ' +
         std::to_string(local.tm_mday) + '.' + std::to_string(local.tm_mon + 1) + '.' +
         std::to_string(local.tm_year + 1900) + ", viikko ";
}

TEST(KelotarhuToday, PrintsTodaysWeekdayAndDate) {
  const std::string before = TodayFromCLibrary();
  const ProgramRun run = KelotarhuIn("fi", {});
  const std::string after = TodayFromCLibrary();
  ASSERT_EQ(run.exit_status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GE(lines.size(), 1u) << run.out;
  // Run across midnight, either date is right.
  EXPECT_TRUE(lines[0].starts_with(before) || lines[0].starts_with(after))
      << lines[0] << " is not " << before;
}

struct ReportCase {
  const char* language;
  const char* date;
  const char* report;  // the whole output
};

// Weekdays and ISO weeks from Python's datetime; feasts and their names from the
// almanac; red days in words once, and no line for what a day does not have.
const ReportCase kReports[] = {
    // A red day and flag day.
    {"fi", "6.12.2026",
     "Sunnuntai 6.12.2026, viikko 49\nItsenäisyyspäivä\nPunainen päivä ja liputuspäivä\n"
     "Nimipäivät: Niilo, Niko, Niklas\nSuomenruotsalaiset nimipäivät: Nils\n"},
    {"sv", "6.12.2026",
     "Söndag 6.12.2026, vecka 49\nSjälvständighetsdagen\nRöd dag och flaggdag\n"
     "Finska namnsdagar: Niilo, Niko, Niklas\nSvenska namnsdagar: Nils\n"},
    {"en", "2026-12-06",
     "Sunday 6 December 2026, week 49\nIndependence Day\nRed day and flag day\n"
     "Finnish name days: Niilo, Niko, Niklas\nFinland-Swedish name days: Nils\n"},
    // Two feasts on one day.
    {"fi", "1.5.2008",
     "Torstai 1.5.2008, viikko 18\nVappu / Helatorstai\nPunainen päivä ja liputuspäivä\n"
     "Nimipäivät: Vappu, Valpuri\nSuomenruotsalaiset nimipäivät: Valborg\n"},
    {"sv", "1.5.2008",
     "Torsdag 1.5.2008, vecka 18\nFörsta maj / Kristi himmelsfärdsdag\nRöd dag och flaggdag\n"
     "Finska namnsdagar: Vappu, Valpuri\nSvenska namnsdagar: Valborg\n"},
    {"en", "1.5.2008",
     "Thursday 1 May 2008, week 18\nMay Day / Ascension Day\nRed day and flag day\n"
     "Finnish name days: Vappu, Valpuri\nFinland-Swedish name days: Valborg\n"},
    {"sv", "6.11.2038",
     "Lördag 6.11.2038, vecka 44\nSvenska dagen / Alla helgons dag\nRöd dag och flaggdag\n"
     "Finska namnsdagar: Kustaa Aadolf\nSvenska namnsdagar: Gustav Adolf\n"},
    {"en", "6.11.2038",
     "Saturday 6 November 2038, week 44\nSvenska dagen / All Saints' Day\n"
     "Red day and flag day\n"
     "Finnish name days: Kustaa Aadolf\nFinland-Swedish name days: Gustav Adolf\n"},
    // A plain Sunday: red, and no feast line.
    {"fi", "20.12.2026",
     "Sunnuntai 20.12.2026, viikko 51\nPunainen päivä\n"
     "Nimipäivät: Benjamin, Kerkko\nSuomenruotsalaiset nimipäivät: Benjamin\n"},
    {"sv", "20.12.2026",
     "Söndag 20.12.2026, vecka 51\nRöd dag\n"
     "Finska namnsdagar: Benjamin, Kerkko\nSvenska namnsdagar: Benjamin\n"},
    {"en", "20.12.2026",
     "Sunday 20 December 2026, week 51\nRed day\n"
     "Finnish name days: Benjamin, Kerkko\nFinland-Swedish name days: Benjamin\n"},
    // A feast on a Sunday: the red day is said once, not stuck onto the feast.
    {"fi", "8.3.2026",
     "Sunnuntai 8.3.2026, viikko 10\nKansainvälinen naistenpäivä\nPunainen päivä\n"
     "Nimipäivät: Vilppu\nSuomenruotsalaiset nimipäivät: Filip\n"},
    {"en", "8.3.2026",
     "Sunday 8 March 2026, week 10\nInternational Women's Day\nRed day\n"
     "Finnish name days: Vilppu\nFinland-Swedish name days: Filip\n"},
    // Days without names.
    {"fi", "25.12.2026", "Perjantai 25.12.2026, viikko 52\nJoulupäivä\nPunainen päivä\n"},
    {"sv", "25.12.2026", "Fredag 25.12.2026, vecka 52\nJuldagen\nRöd dag\n"},
    {"en", "25.12.2026", "Friday 25 December 2026, week 52\nChristmas Day\nRed day\n"},
    {"fi", "29.2.2024", "Torstai 29.2.2024, viikko 9\nKarkauspäivä\n"},
    {"sv", "29.2.2024", "Torsdag 29.2.2024, vecka 9\nSkottdagen\n"},
    {"en", "29.2.2024", "Thursday 29 February 2024, week 9\nLeap Day\n"},
    // A flag day only.
    {"fi", "5.2.2026",
     "Torstai 5.2.2026, viikko 6\nJ. L. Runebergin päivä\nLiputuspäivä\n"
     "Nimipäivät: Asser\nSuomenruotsalaiset nimipäivät: Sture\n"},
    {"sv", "5.2.2026",
     "Torsdag 5.2.2026, vecka 6\nRunebergsdagen\nFlaggdag\n"
     "Finska namnsdagar: Asser\nSvenska namnsdagar: Sture\n"},
    {"en", "5.2.2026",
     "Thursday 5 February 2026, week 6\nJ. L. Runeberg's Day\nFlag day\n"
     "Finnish name days: Asser\nFinland-Swedish name days: Sture\n"},
    // A working day.
    {"fi", "8.12.2026",
     "Tiistai 8.12.2026, viikko 50\nNimipäivät: Kyllikki, Kylli\n"
     "Suomenruotsalaiset nimipäivät: Magnhild\n"},
    {"sv", "8.12.2026",
     "Tisdag 8.12.2026, vecka 50\nFinska namnsdagar: Kyllikki, Kylli\n"
     "Svenska namnsdagar: Magnhild\n"},
};

TEST(KelotarhuDate, SaysWhatTheDayIsInEachLanguage) {
  for (const ReportCase& day : kReports) {
    SCOPED_TRACE(std::string(day.language) + " " + day.date);
    const ProgramRun run =
        KelotarhuIn(day.language, {day.date, "--color=never", "--calendar=plugin"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, day.report);
  }
}

struct DayCase {
  const char* argument;
  const char* first_line;  // the weekday, the date and the week
  const char* feasts;      // the feast line
  const char* kind;        // the red-day and flag-day line
};

// Easter Sundays and Midsummer Days from published calendars; weekdays of the first
// and last days of the proleptic Gregorian calendar.
constexpr DayCase kDays[] = {
    {"06.12.1917", "Torstai 6.12.1917, viikko 49", "Itsenäisyyspäivä",
     "Punainen päivä ja liputuspäivä"},
    {"2000-04-23", "Sunnuntai 23.4.2000, viikko 16", "Pääsiäispäivä", "Punainen päivä"},
    {"2024-03-31", "Sunnuntai 31.3.2024, viikko 13", "Pääsiäispäivä", "Punainen päivä"},
    {"20.4.2025", "Sunnuntai 20.4.2025, viikko 16", "Pääsiäispäivä", "Punainen päivä"},
    {"5.4.2026", "Sunnuntai 5.4.2026, viikko 14", "Pääsiäispäivä", "Punainen päivä"},
    {"2027-03-28", "Sunnuntai 28.3.2027, viikko 12", "Pääsiäispäivä", "Punainen päivä"},
    {"2038-04-25", "Sunnuntai 25.4.2038, viikko 16", "Pääsiäispäivä", "Punainen päivä"},
    {"22.6.2024", "Lauantai 22.6.2024, viikko 25", "Juhannuspäivä",
     "Punainen päivä ja liputuspäivä"},
    {"21.6.2025", "Lauantai 21.6.2025, viikko 25", "Juhannuspäivä",
     "Punainen päivä ja liputuspäivä"},
    {"2026-06-20", "Lauantai 20.6.2026, viikko 25", "Juhannuspäivä",
     "Punainen päivä ja liputuspäivä"},
    {"26.6.2027", "Lauantai 26.6.2027, viikko 25", "Juhannuspäivä",
     "Punainen päivä ja liputuspäivä"},
    {"1.1.0001", "Maanantai 1.1.0001, viikko 1", "Uudenvuodenpäivä", "Punainen päivä"},
};

TEST(KelotarhuDate, ShowsWeekdayFeastsAndRedAndFlagDays) {
  for (const DayCase& day : kDays) {
    SCOPED_TRACE(day.argument);
    const ProgramRun run = KelotarhuIn("fi", {day.argument, "--calendar=plugin"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 3u) << run.out;
    EXPECT_EQ(lines[0], day.first_line);
    EXPECT_EQ(lines[1], day.feasts);
    EXPECT_EQ(lines[2], day.kind);
  }
  const ProgramRun last = KelotarhuIn("fi", {"9999-12-31", "--calendar=plugin"});
  EXPECT_EQ(last.out,
            "Perjantai 31.12.9999, viikko 52\nNimipäivät: Sylvester, Silvo\n"
            "Suomenruotsalaiset nimipäivät: Sylvester\n");
}

struct NamesCase {
  const char* argument;
  const char* finnish;  // nullptr: no line, the day has no names
  const char* swedish;
};

// Years before 1000 keep their four digits, as they were asked for: weekdays and ISO
// weeks from Python's proleptic Gregorian calendar.
TEST(KelotarhuDate, WritesEveryYearWithFourDigits) {
  struct EarlyYearCase {
    const char* language;
    std::vector<std::string> arguments;
    const char* first_line;  // a month's title without the blanks that centre it
  };
  const EarlyYearCase kCases[] = {
      {"fi", {"5.4.0026"}, "Sunnuntai 5.4.0026, viikko 14"},
      {"sv", {"0026-04-05"}, "Söndag 5.4.0026, vecka 14"},
      {"en", {"5.4.0026"}, "Sunday 5 April 0026, week 14"},
      {"fi", {"--month", "4.0026", "--color=never"}, "Huhtikuu 0026"},
      {"en", {"--month", "0026-04", "--color=never"}, "April 0026"},
  };
  for (const EarlyYearCase& early : kCases) {
    SCOPED_TRACE(early.arguments.front());
    const ProgramRun run = KelotarhuIn(early.language, early.arguments);
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::string first_line = Lines(run.out).front();
    EXPECT_EQ(first_line.substr(first_line.find_first_not_of(' ')), early.first_line);  // centred
  }
}

TEST(KelotarhuDate, ShowsFinnishAndSwedishNames) {
  constexpr NamesCase kNames[] = {
      {"26.10.2026", "Amanda, Niina, Manta", "Amanda, Nina"},
      {"6.12.2026", "Niilo, Niko, Niklas", "Nils"},
      {"14.2.2026", "Voitto", "Valentin"},
      {"17.11.2026", "Eino, Einari", "Einar"},
      {"2024-02-29", nullptr, nullptr},  // no names on the leap day
      {"25.12.2026", nullptr, nullptr},
  };
  for (const NamesCase& names : kNames) {
    SCOPED_TRACE(names.argument);
    const ProgramRun run = KelotarhuIn("fi", {names.argument});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::string finnish = names.finnish ? std::string("\nNimipäivät: ") + names.finnish : "";
    const std::string swedish =
        names.swedish ? std::string("\nSuomenruotsalaiset nimipäivät: ") + names.swedish : "";
    EXPECT_TRUE(run.out.ends_with(finnish + swedish + "\n")) << run.out;
    EXPECT_EQ(run.out.find("imipäivät") == std::string::npos, names.finnish == nullptr) << run.out;
  }
}

TEST(KelotarhuDate, PaintsARedDayOnlyWhenColoursAreAsked) {
  const ProgramRun coloured =
      KelotarhuIn("fi", {"6.12.2026", "--color=always", "--calendar=plugin"});
  ASSERT_EQ(coloured.exit_status, 0) << coloured.err;
  EXPECT_NE(coloured.out.find("\x1b[31mItsenäisyyspäivä\x1b[0m\n"
                              "\x1b[31mPunainen päivä\x1b[0m ja liputuspäivä\n"),
            std::string::npos)
      << coloured.out;
  const ProgramRun plain = KelotarhuIn("fi", {"6.12.2026", "--calendar=plugin"});  // not a terminal
  ASSERT_EQ(plain.exit_status, 0) << plain.err;
  EXPECT_EQ(plain.out.find('\x1b'), std::string::npos) << plain.out;
}

}  // namespace
}  // namespace kelotarhu::testing
