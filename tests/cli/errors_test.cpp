// Bad dates and values, unknown names, --help and --version (check_errors.py tries bad
// options, combinations and write failures).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "kelotarhu_runner.h"
#include "kelotarhu_version.h"

namespace kelotarhu::testing {
namespace {

constexpr int kUsageStatus = 2;

struct BadArgumentCase {
  std::vector<std::string> arguments;
  std::string message;  // what stderr must say
};

TEST(KelotarhuBadInput, ImpossibleDatesSayWhy) {
  const std::string date_forms =
      "; write it as YYYY-MM-DD (2026-12-06), D.M.YYYY (6.12.2026), D.M. (this year), today, "
      "tomorrow, yesterday, or +N or -N days from today\n";
  const std::string days_form = "write it as a whole number from 1 to 10000\n";
  const BadArgumentCase kCases[] = {
      {{"29.2.2027"}, "DATE \"29.2.2027\" is not a date: 2027 is not a leap year\n"},
      {{"29.2.1900"}, "DATE \"29.2.1900\" is not a date: 1900 is not a leap year\n"},
      {{"2026-02-30"}, "DATE \"2026-02-30\" is not a date: February 2026 has 28 days\n"},
      {{"30.2.2024"}, "DATE \"30.2.2024\" is not a date: February 2024 has 29 days\n"},
      {{"31.4.2026"}, "DATE \"31.4.2026\" is not a date: April 2026 has 30 days\n"},
      {{"2026-13-01"}, "DATE \"2026-13-01\" is not a date: there is no month 13\n"},
      {{"0000-01-01"},
       "DATE \"0000-01-01\" is not a date: the calendar covers the years 1 to 9999\n"},
      {{"1.1.10000"},
       "DATE \"1.1.10000\" is not a date: the calendar covers the years 1 to 9999\n"},
      {{"+9999999"},
       "DATE \"+9999999\" is not a date: the calendar goes from 1.1.0001 to 31.12.9999\n"},
      {{"junk"}, "DATE \"junk\" is not a date" + date_forms},
      {{"2026-12-06x"}, "DATE \"2026-12-06x\" is not a date" + date_forms},
      {{"6/12/2026"}, "DATE \"6/12/2026\" is not a date" + date_forms},
      {{""}, "DATE \"\" is not a date" + date_forms},
      {{std::string(70, '9')},
       "DATE \"" + std::string(57, '9') + "...\" is not a date" + date_forms},
      {{"--month", "2026-13"}, "--month \"2026-13\" is not a month: there is no month 13\n"},
      {{"--month", "0"}, "--month \"0\" is not a month: there is no month 0\n"},
      {{"--month", "0000-12"},
       "--month \"0000-12\" is not a month: the calendar covers the years 1 to 9999\n"},
      {{"--month", "december"},
       "--month \"december\" is not a month; write it as YYYY-MM (2026-12), M.YYYY (12.2026) "
       "or M (this year's)\n"},
      {{"--year", "0000"},
       "--year \"0000\" is not a year: the calendar covers the years 1 to 9999\n"},
      {{"--year", "10000"},
       "--year \"10000\" is not a year: the calendar covers the years 1 to 9999\n"},
      {{"--year", "20x6"}, "--year \"20x6\" is not a year; write it as YYYY (2026)\n"},
      {{"--days", "0"}, "--days \"0\" is not a number of days; " + days_form},
      {{"--days", "10001"}, "--days \"10001\" is not a number of days; " + days_form},
      {{"--days", "2w"}, "--days \"2w\" is not a number of days; " + days_form},
      {{"--days", "-3"}, "--days \"-3\" is not a number of days; " + days_form},
      {{"--days", "7", "31.4.2026"}, "DATE \"31.4.2026\" is not a date: April 2026 has 30 days\n"},
      {{"--next", "flag", "29.2.2027"},
       "DATE \"29.2.2027\" is not a date: 2027 is not a leap year\n"},
      {{"--next", "blue"}, "--next \"blue\" is not one of red, holiday, flag, feast, names\n"},
      {{"--format", "ics", "--events", "feasts,holidays"},
       "--events \"holidays\" is not one of feasts, flags, finnish, swedish\n"},
      {{"--plugin", "x", "--answer", "GetNameDay"},
       "--answer \"GetNameDay\" is not an answer to a display function; write it as "},
  };
  for (const BadArgumentCase& bad : kCases) {
    SCOPED_TRACE(bad.arguments.front() + " " + bad.arguments.back());
    const ProgramRun run = Kelotarhu(bad.arguments);
    EXPECT_EQ(run.exit_status, kUsageStatus);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("kelotarhu: " + bad.message)) << run.err;
    EXPECT_TRUE(run.err.ends_with("\nTry 'kelotarhu --help'.\n")) << run.err;
  }
}

// A bad usage: exit status 2, nothing on standard output, and on standard error the
// message and the hint, nothing else.
void ExpectRefusedExactly(const BadArgumentCase& bad) {
  SCOPED_TRACE(bad.arguments.back());
  const ProgramRun run = Kelotarhu(bad.arguments);
  EXPECT_EQ(run.exit_status, kUsageStatus);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "kelotarhu: " + bad.message + "\nTry 'kelotarhu --help'.\n");
}

// Finns write 5.4.26 for 2026; read as the year 26 it would show another day without a
// word. Every argument that takes a year refuses one of fewer than four digits.
TEST(KelotarhuBadInput, AYearNotWrittenInFullIsRefused) {
  const BadArgumentCase kCases[] = {
      {{"5.4.26"}, "5.4.26: write the year in full, for example 5.4.2026"},
      {{"6.12.26"}, "6.12.26: write the year in full, for example 6.12.2026"},
      {{"26-12-06"}, "26-12-06: write the year in full, for example 2026-12-06"},
      {{"5.4.026"}, "5.4.026: write the year in full, for example 5.4.2026"},
      {{"--month", "4.26"}, "4.26: write the year in full, for example 4.2026"},
      {{"--month", "26-04"}, "26-04: write the year in full, for example 2026-04"},
      {{"--year", "26"}, "26: write the year in full, for example 2026"},
      {{"--days", "3", "31.12.26"}, "31.12.26: write the year in full, for example 31.12.2026"},
      {{"--next", "flag", "1.1.26"}, "1.1.26: write the year in full, for example 1.1.2026"},
  };
  for (const BadArgumentCase& bad : kCases) ExpectRefusedExactly(bad);
}

// Every option is read before anything is shown: a bad one is refused with nothing on
// standard output, whatever else the command would have shown or written.
TEST(KelotarhuBadInput, ABadOptionValueIsRefusedBeforeAnyOutput) {
  const std::string folder = std::filesystem::temp_directory_path().string();
  const BadArgumentCase kCases[] = {
      {{"--year", "2026", "--format", "ics", "--events", "flags,holidays"},
       "--events \"holidays\" is not one of feasts, flags, finnish, swedish"},
      {{"--next", "flag", "--format", "ics", "--events", "birthdays"},
       "--events \"birthdays\" is not one of feasts, flags, finnish, swedish"},
      {{"6.12.2026", "--days", "0", "--format", "json"},
       "--days \"0\" is not a number of days; write it as a whole number from 1 to 10000"},
      {{"--year", "2026", "--format", "csv", "--output", ""}, "--output needs a value"},
      {{"--plugin", KELOTARHU_PLUGIN_PATH, "--output", ""}, "--output needs a value"},
      {{"--month", "2026-12", "--output", folder},
       "--output \"" + folder + "\" is a folder; name a file"},
      {{"--plugin", KELOTARHU_PLUGIN_PATH, "--answer", "Foo=1"},
       "--answer \"Foo\" is not one of GetNameDay, GetHoliday, GetFlag"},
      {{"--plugin", KELOTARHU_PLUGIN_PATH, "--answer", "GetFlag"},
       "--answer \"GetFlag\" is not an answer to a display function; write it as "
       "FUNCTION=ANSWER[,ANSWER...] (GetNameDay=K,E,0)"},
      // A name of blanks alone names nothing to look for.
      {{"-n", ""}, "--name needs a value"},
      {{"--name", " \t "}, "--name needs a value"},
      {{"-n", "Anna", "--name", " "}, "--name needs a value"},
      {{"--next", "names", "-n", ""}, "--name needs a value"},
  };
  for (const BadArgumentCase& bad : kCases) ExpectRefusedExactly(bad);
}

TEST(KelotarhuBadInput, AnUnknownNameSuggestsCloseOnes) {
  struct UnknownName {
    std::vector<std::string> arguments;
    std::string err;
    std::string out;
  };
  const UnknownName kCases[] = {
      {{"--name", "Ana"},
       "kelotarhu: neither the Finnish nor the Finland-Swedish list holds the name \"Ana\"\n"
       "Similar names: Anna, Ada, Aina, Anja, Ano, Ansa.\n",
       ""},
      {{"-n", "mati"},
       "kelotarhu: neither the Finnish nor the Finland-Swedish list holds the name \"mati\"\n"
       "Similar names: Matti, Kati, Mari, Martti.\n",
       ""},
      {{"-n", "Xyzzyq"},
       "kelotarhu: neither the Finnish nor the Finland-Swedish list holds the name \"Xyzzyq\"\n",
       ""},
      {{"-n", "Ωmega"},  // a letter Windows-1252 lacks
       "kelotarhu: neither the Finnish nor the Finland-Swedish list holds the name \"Ωmega\"\n",
       ""},
      {{"-n", "Anna", "Sanan", "Nils"},  // the names found are still listed
       "kelotarhu: neither the Finnish nor the Finland-Swedish list holds the name \"Sanan\"\n"
       "Similar names: Sanna, Saana, Anna, Hanna, Nanna, Saga.\n",
       "Anna  9 December  Finnish and Finland-Swedish list\nNils  6 December  Finland-Swedish "
       "list\n"},
      {{"--next", "names", "-n", "Ana"},
       "kelotarhu: neither the Finnish nor the Finland-Swedish list holds the name \"Ana\"\n"
       "Similar names: Anna, Ada, Aina, Anja, Ano, Ansa.\n",
       ""},
  };
  for (const UnknownName& unknown : kCases) {
    SCOPED_TRACE(unknown.arguments.back());
    const ProgramRun run = Kelotarhu(unknown.arguments);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.out, unknown.out);
    EXPECT_EQ(run.err, unknown.err);
  }
}

// Blanks around a name, as a pasted name has them, are no part of it.
TEST(KelotarhuName, FindsANameWithBlanksAround) {
  const ProgramRun run = Kelotarhu({"--name", "anna ", " Nils", "\tÅke\t"});
  EXPECT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Anna  9 December  Finnish and Finland-Swedish list\n"
            "Nils  6 December  Finland-Swedish list\nÅke  8 May  Finland-Swedish list\n");
  const ProgramRun next = Kelotarhu({"6.12.2026", "--next", "names", "--name", " Nils "});
  EXPECT_EQ(next.exit_status, 0) << next.err;
  EXPECT_TRUE(next.out.starts_with("Next name day: today\n")) << next.out;
}

TEST(KelotarhuBadInput, AnUnusableSourceDateEpochIsRefused) {
  for (const char* epoch : {"", "x", "-1", "1.5", "253402300800", "99999999999999999999"}) {
    SCOPED_TRACE(epoch);
    const ProgramRun run = RunProgram("/usr/bin/env", {std::string("SOURCE_DATE_EPOCH=") + epoch,
                                                       KELOTARHU_CLI_PATH, "--format", "ics"});
    EXPECT_EQ(run.exit_status, kUsageStatus);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string("kelotarhu: SOURCE_DATE_EPOCH \"") + epoch +
                           "\" is not a time; write it as seconds since 1970-01-01 00:00 UTC, up "
                           "to 253402300799 (the end of 9999)\nTry 'kelotarhu --help'.\n");
  }
}

TEST(KelotarhuHelp, DescribesEveryOption) {
  const ProgramRun run = Kelotarhu({"--help"});
  ASSERT_EQ(run.exit_status, 0);
  for (const char* option : {"Usage: kelotarhu", "--name", "--month", "--year", "--days", "--next",
                             "--format", "spreadsheet", "ics", "--events", "--output", "--color",
                             "--plugin", "--answer", "--version", "6.12.2026", "huomenna"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
}

TEST(KelotarhuVersion, PrintsTheVersion) {
  const ProgramRun run = Kelotarhu({"--version"});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out, std::string("kelotarhu ") + kelotarhu::kVersion + "\n");
}

}  // namespace
}  // namespace kelotarhu::testing
