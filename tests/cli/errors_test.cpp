// Bad dates, --help and --version (check_errors.py tries bad options and write failures).
#include <gtest/gtest.h>

#include "kelotarhu_runner.h"

namespace kelotarhu::testing {
namespace {

constexpr int kUsageStatus = 2;

struct BadArgumentCase {
  std::vector<std::string> arguments;
  std::string message;  // what stderr must say
};

TEST(KelotarhuBadInput, ImpossibleDatesNameTheArgumentAndTheAcceptedForms) {
  const std::string date_forms = "write it as YYYY-MM-DD (2026-12-06) or D.M.YYYY (6.12.2026)";
  const BadArgumentCase kCases[] = {
      {{"2026-02-30"}, "DATE \"2026-02-30\" is not a date of the years 1 to 9999; " + date_forms},
      {{"30.2.2026"}, "DATE \"30.2.2026\" is not a date"},
      {{"29.2.2025"}, "DATE \"29.2.2025\" is not a date"},  // 2025 is no leap year
      {{"29.2.1900"}, "DATE \"29.2.1900\" is not a date"},  // nor is 1900
      {{"31.4.2026"}, "DATE \"31.4.2026\" is not a date"},
      {{"0-01-01"}, "DATE \"0-01-01\" is not a date"},
      {{"1.1.0"}, "DATE \"1.1.0\" is not a date"},
      {{"10000-01-01"}, "DATE \"10000-01-01\" is not a date"},
      {{"1.1.10000"}, "DATE \"1.1.10000\" is not a date"},
      {{"2026-13-01"}, "DATE \"2026-13-01\" is not a date"},
      {{"junk"}, "DATE \"junk\" is not a date of the years 1 to 9999; " + date_forms},
      {{"6.12."}, "DATE \"6.12.\" is not a date"},
      {{"2026-12-06x"}, "DATE \"2026-12-06x\" is not a date"},
      {{"6/12/2026"}, "DATE \"6/12/2026\" is not a date"},
      {{""}, "DATE \"\" is not a date"},
      {{"--month", "2026-13"},
       "--month \"2026-13\" is not a month of the years 1 to 9999; write it as YYYY-MM (2026-12) "
       "or M.YYYY (12.2026)"},
      {{"--month", "0-12"}, "--month \"0-12\" is not a month"},
      {{"--month", "december"}, "--month \"december\" is not a month"},
      {{"--year", "0"}, "--year \"0\" is not a year from 1 to 9999; write it as YYYY (2026)"},
      {{"--year", "10000"}, "--year \"10000\" is not a year"},
      {{"--year", "20x6"}, "--year \"20x6\" is not a year"},
      {{"--plugin", "x", "--answer", "GetNameDay"}, "--answer \"GetNameDay\" is not"},
  };
  for (const BadArgumentCase& bad : kCases) {
    SCOPED_TRACE(bad.arguments.front() + " " + bad.arguments.back());
    const ProgramRun run = Kelotarhu(bad.arguments);
    EXPECT_EQ(run.exit_status, kUsageStatus);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("kelotarhu: " + bad.message), std::string::npos) << run.err;
  }
}

TEST(KelotarhuHelp, DescribesEveryOption) {
  const ProgramRun run = Kelotarhu({"--help"});
  ASSERT_EQ(run.exit_status, 0);
  for (const char* option : {"Usage: kelotarhu", "--month", "--year", "--format", "--color",
                             "--plugin", "--answer", "--version", "6.12.2026"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
}

TEST(KelotarhuVersion, PrintsTheVersion) {
  const ProgramRun run = Kelotarhu({"--version"});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.out, "kelotarhu 0.8.7\n");
}

}  // namespace
}  // namespace kelotarhu::testing
