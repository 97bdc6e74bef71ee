// `kelotarhu --month`: the calendar grid with ISO week numbers, then the month's feasts.
#include <gtest/gtest.h>

#include "kelotarhu_runner.h"

namespace kelotarhu::testing {
namespace {

// The week numbers in the first column of the grid's week lines.
std::vector<int> WeekNumbers(const std::vector<std::string>& lines) {
  std::vector<int> weeks;
  for (std::size_t i = 2; i < lines.size() && !lines[i].empty() && lines[i][0] == ' '; ++i) {
    weeks.push_back(std::stoi(lines[i].substr(0, 3)));
  }
  return weeks;
}

struct MonthCase {
  const char* argument;
  const char* title;
  std::vector<int> weeks;  // ISO weeks from published calendars
};

TEST(KelotarhuMonth, NumbersTheWeeksTheIsoWay) {
  const MonthCase kMonths[] = {
      {"2026-12", "Joulukuu 2026", {49, 50, 51, 52, 53}},
      {"1.2027", "Tammikuu 2027", {53, 1, 2, 3, 4}},  // 1.1.2027 is a Friday
      {"2021-01", "Tammikuu 2021", {53, 1, 2, 3, 4}},
      {"2015-02", "Helmikuu 2015", {5, 6, 7, 8, 9}},          // 1.2.2015 is a Sunday
      {"2010-02", "Helmikuu 2010", {5, 6, 7, 8}},             // four whole weeks
      {"2024-12", "Joulukuu 2024", {48, 49, 50, 51, 52, 1}},  // 30.12.2024 is in week 1
  };
  for (const MonthCase& month : kMonths) {
    SCOPED_TRACE(month.argument);
    const ProgramRun run = Kelotarhu({"--month", month.argument, "--color=never"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GT(lines.size(), 3u) << run.out;
    EXPECT_NE(lines[0].find(month.title), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], " vk  ma   ti   ke   to   pe   la   su");
    EXPECT_EQ(WeekNumbers(lines), month.weeks) << run.out;
  }
}

TEST(KelotarhuMonth, DrawsDecember2026WithItsRedDaysAndFlagDay) {
  const ProgramRun run = Kelotarhu({"--month", "2026-12", "--color=never"});
  ASSERT_EQ(run.exit_status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GE(lines.size(), 9u) << run.out;
  // 1.12.2026 is a Tuesday; Sundays and the Christmas holidays are red (*), the
  // Independence Day is also a flag day (+).
  EXPECT_EQ(lines[2], " 49       1    2    3    4    5    6*+");
  EXPECT_EQ(lines[3], " 50  7    8    9   10   11   12   13*");
  EXPECT_EQ(lines[5], " 52 21   22   23   24   25*  26*  27*");
  EXPECT_EQ(lines[6], " 53 28   29   30   31");
  EXPECT_NE(run.out.find(
                " 6.12. Sunnuntai   Itsen\xC3\xA4isyysp\xC3\xA4iv\xC3\xA4 (red day)  + flag day\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("24.12. Torstai     Jouluaatto\n"), std::string::npos) << run.out;
}

TEST(KelotarhuMonth, PaintsRedDaysRedAndFlagDaysBlueOnATerminal) {
  const ProgramRun run = Kelotarhu({"--month", "2026-12", "--color=always"});
  ASSERT_EQ(run.exit_status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GE(lines.size(), 3u) << run.out;
  EXPECT_EQ(lines[2], " 49       1    2    3    4    5   \x1b[31m 6\x1b[0m \x1b[34m+\x1b[0m");
  EXPECT_EQ(run.out.find('*'), std::string::npos) << "no red marks when the colour shows";
}

}  // namespace
}  // namespace kelotarhu::testing
