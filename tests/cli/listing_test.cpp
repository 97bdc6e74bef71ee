// The command in-process with the clock set: relative dates around New Year and the
// leap day, --next from days before and on a flag day, runs of days, the same fields
// in every listing, --output, and iCalendar's line folding.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/command/command_line.h"
#include "cli/export/ics_export.h"
#include "kelotarhu_runner.h"
#include "platform/native_seams.h"

namespace kelotarhu::testing {
namespace {

platform::LocalDate fake_today;
platform::LocalDate FakeToday() { return fake_today; }

class KelotarhuOnADay : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetClockSource(FakeToday); }
  void TearDown() override { platform::SetClockSource(nullptr); }

  static ProgramRun Run(platform::LocalDate today, std::vector<std::string> arguments) {
    fake_today = today;
    arguments.insert(arguments.begin(), {"kelotarhu", "--lang=en"});
    std::ostringstream out;
    std::ostringstream err;
    ProgramRun run;
    run.exit_status =
        cli::RunCommandLine(arguments, cli::Environment{}, cli::kEnglishTexts, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
  }

  static nlohmann::json Json(platform::LocalDate today, std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"--format", "json"});
    const ProgramRun run = Run(today, arguments);
    EXPECT_EQ(run.exit_status, 0) << run.err;
    return nlohmann::json::parse(run.out);
  }
};

constexpr platform::LocalDate kNewYearsEve{2026, 12, 31};

struct FirstLineCase {
  platform::LocalDate today;
  std::vector<std::string> arguments;
  const char* first_line;
};

TEST_F(KelotarhuOnADay, ReadsRelativeAndPartialDatesFromToday) {
  const FirstLineCase kCases[] = {
      {kNewYearsEve, {}, "Thursday 31 December 2026, week 53"},
      {kNewYearsEve, {"tomorrow"}, "Friday 1 January 2027, week 53"},
      {kNewYearsEve, {"huomenna"}, "Friday 1 January 2027, week 53"},
      {kNewYearsEve, {"+2"}, "Saturday 2 January 2027, week 53"},
      {kNewYearsEve, {"6.12."}, "Sunday 6 December 2026, week 49"},
      {{2027, 1, 1}, {"eilen"}, "Thursday 31 December 2026, week 53"},
      {{2027, 1, 1}, {"-1"}, "Thursday 31 December 2026, week 53"},
      {{2024, 2, 28}, {"i morgon"}, "Thursday 29 February 2024, week 9"},
      {{2025, 2, 28}, {"tomorrow"}, "Saturday 1 March 2025, week 9"},
      {kNewYearsEve, {"--month"}, "            December 2026"},
      {kNewYearsEve, {"--month", "6"}, "              June 2026"},
      {{2027, 1, 1}, {"--next", "red"}, "Next red day: today"},
  };
  for (const FirstLineCase& day : kCases) {
    SCOPED_TRACE(day.arguments.empty() ? "today" : day.arguments.front());
    const ProgramRun run = Run(day.today, day.arguments);
    ASSERT_EQ(run.exit_status, 0) << run.err;
    ASSERT_FALSE(run.out.empty());
    EXPECT_EQ(Lines(run.out).front(), day.first_line);
  }
}

TEST_F(KelotarhuOnADay, ThisYearIsTheDefaultYear) {
  const nlohmann::json days = Json(kNewYearsEve, {"--year"});
  ASSERT_EQ(days.size(), 365u);
  EXPECT_EQ(days.front().at("date"), "2026-01-01");
  EXPECT_EQ(days.back().at("date"), "2026-12-31");
}

struct NextCase {
  const char* from;
  std::vector<std::string> what;
  const char* date;
  int days_away;
};

TEST_F(KelotarhuOnADay, FindsTheNextDayOfAKindAndHowFarAwayItIs) {
  const NextCase kCases[] = {
      {"5.12.2026", {"--next", "flag"}, "2026-12-06", 1},
      {"6.12.2026", {"--next", "flag"}, "2026-12-06", 0},
      {"7.12.2026", {"--next", "flag"}, "2027-02-05", 60},  // past New Year
      {"4.2.2027", {"--next", "flag"}, "2027-02-05", 1},
      {"7.12.2026", {"--next", "red"}, "2026-12-13", 6},  // a Sunday
      {"24.12.2026", {"--next", "red"}, "2026-12-25", 1},
      {"7.12.2026", {"--next", "feast"}, "2026-12-10", 3},
      {"25.12.2026", {"--next", "names"}, "2026-12-26", 1},
      {"1.1.2027", {"--next", "names"}, "2027-01-02", 1},
      {"29.2.2024", {"--next", "names"}, "2024-03-01", 1},
      {"10.12.2026", {"--next", "names", "--name", "anna"}, "2027-12-09", 364},
      {"1.1.2024", {"--next", "names", "-n", "ÅKE", "Anna"}, "2024-05-08", 128},
  };
  for (const NextCase& next : kCases) {
    SCOPED_TRACE(std::string(next.from) + " " + next.what[1]);
    std::vector<std::string> arguments = next.what;
    arguments.insert(arguments.begin(), {next.from, "--calendar=plugin"});
    const nlohmann::json days = Json(kNewYearsEve, arguments);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].at("date"), next.date);
    EXPECT_EQ(days[0].at("days_away"), next.days_away);
  }
}

TEST_F(KelotarhuOnADay, SaysWhenNoDayOfTheKindComes) {
  const ProgramRun run = Run(kNewYearsEve, {"--next", "flag", "31.12.9999"});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "kelotarhu: --next flag: no such day from 31 December 9999 to the end of the "
            "calendar, 31.12.9999\n");
}

// Every listing carries the days of the year export, field for field.
TEST_F(KelotarhuOnADay, DaysMonthsAndSingleDaysHoldTheYearExportsRecords) {
  nlohmann::json years = Json(kNewYearsEve, {"--year", "2026"});
  for (const nlohmann::json& day : Json(kNewYearsEve, {"--year", "2027"})) years.push_back(day);
  const auto slice = [&](std::size_t first, std::size_t count) {
    return nlohmann::json(
        std::vector<nlohmann::json>(years.begin() + static_cast<long>(first),
                                    years.begin() + static_cast<long>(first + count)));
  };
  EXPECT_EQ(Json(kNewYearsEve, {"--days", "14", "25.12.2026"}), slice(358, 14));
  EXPECT_EQ(Json(kNewYearsEve, {"--days", "3"}), slice(364, 3));
  EXPECT_EQ(Json(kNewYearsEve, {"--month", "2027-02"}), slice(365 + 31, 28));
  EXPECT_EQ(Json(kNewYearsEve, {"--month", "12"}), slice(334, 31));
  EXPECT_EQ(Json(kNewYearsEve, {"6.12.2026"}), slice(339, 1));
  EXPECT_EQ(Json(kNewYearsEve, {"tomorrow"}), slice(365, 1));
}

TEST_F(KelotarhuOnADay, RunsOfDaysStopWhereTheCalendarEnds) {
  const nlohmann::json days = Json(kNewYearsEve, {"--days", "10", "30.12.9999"});
  ASSERT_EQ(days.size(), 2u);
  EXPECT_EQ(days.back().at("date"), "9999-12-31");
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

TEST_F(KelotarhuOnADay, OutputGoesToTheFileByteForByte) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kelotarhu-output-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  ::setenv("SOURCE_DATE_EPOCH", "1765000000", 1);
  for (const char* format : {"text", "csv", "spreadsheet", "json", "ics"}) {
    SCOPED_TRACE(format);
    const std::string file = (folder / (std::string("year.") + format)).string();
    const ProgramRun to_stdout = Run(kNewYearsEve, {"--year", "--format", format});
    const ProgramRun to_file = Run(kNewYearsEve, {"--year", "--format", format, "--output", file});
    ASSERT_EQ(to_file.exit_status, 0) << to_file.err;
    EXPECT_EQ(to_file.out, "");
    EXPECT_EQ(FileBytes(file), to_stdout.out);
  }
  ::unsetenv("SOURCE_DATE_EPOCH");

  const std::string refused = (folder / "refused.txt").string();
  EXPECT_EQ(Run(kNewYearsEve, {"29.2.2027", "-o", refused}).exit_status, 2);
  EXPECT_FALSE(std::filesystem::exists(refused));  // nothing written for a bad argument

  const std::string unwritable = (folder / "no-such-folder" / "x.ics").string();
  const ProgramRun run = Run(kNewYearsEve, {"--format", "ics", "--output", unwritable});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_TRUE(run.err.starts_with("kelotarhu: cannot write \"" + unwritable + "\": ")) << run.err;
  std::filesystem::remove_all(folder);

  const ProgramRun full = Run(kNewYearsEve, {"--year", "--output", "/dev/full"});
  EXPECT_EQ(full.exit_status, 1);
  EXPECT_EQ(full.err, "kelotarhu: cannot write \"/dev/full\": no space left on the device\n");
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

TEST(IcsLines, FoldAfterAtMost75OctetsAndNeverInsideACharacter) {
  const std::string a_umlaut = "ä";
  const std::string euro = "€";
  const std::vector<std::string> kLines = {
      std::string(74, 'x'),
      std::string(75, 'x'),
      std::string(76, 'x'),
      std::string(300, 'x'),
      std::string(74, 'x') + a_umlaut + "y",  // ä would straddle octets 75 and 76
      std::string(73, 'x') + euro + euro,
      [&] {
        std::string umlauts;
        for (int i = 0; i < 100; ++i) umlauts += a_umlaut;
        return umlauts;
      }(),
      "",
  };
  for (const std::string& line : kLines) {
    SCOPED_TRACE(line.size());
    const std::string folded = cli::FoldedLine(line);
    ASSERT_TRUE(folded.ends_with("\r\n"));
    std::string unfolded;
    std::size_t start = 0;
    bool first = true;
    while (start < folded.size()) {
      const std::size_t end = folded.find("\r\n", start);
      ASSERT_NE(end, std::string::npos);
      std::string physical = folded.substr(start, end - start);
      EXPECT_LE(physical.size(), 75u);
      EXPECT_EQ(physical.find_first_of("\r\n"), std::string::npos);
      if (!first) {
        ASSERT_TRUE(physical.starts_with(' '));
        physical.erase(0, 1);
        EXPECT_GT(physical.size(), 0u);
      }
      EXPECT_FALSE(!physical.empty() && IsContinuationByte(physical.front()));
      unfolded += physical;
      start = end + 2;
      first = false;
    }
    EXPECT_EQ(unfolded, line);
  }
  EXPECT_EQ(cli::FoldedLine(std::string(76, 'x')), std::string(75, 'x') + "\r\n x\r\n");
}

TEST(IcsValues, EscapeTextAndWriteUtcTimestamps) {
  EXPECT_EQ(cli::IcsText("Niilo, Niko; \\ \n"), "Niilo\\, Niko\\; \\\\ \\n");
  EXPECT_EQ(cli::IcsTimestamp(0), "19700101T000000Z");
  EXPECT_EQ(cli::IcsTimestamp(951782400), "20000229T000000Z");
  EXPECT_EQ(cli::IcsTimestamp(1765000000), "20251206T054640Z");
  EXPECT_EQ(cli::IcsTimestamp(cli::kLastStamp), "99991231T235959Z");
}

}  // namespace
}  // namespace kelotarhu::testing
