// `kelotarhu --month`: the calendar grid with ISO week numbers, a legend, then the
// month's feasts; in each language.
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
    const ProgramRun run = KelotarhuIn("fi", {"--month", month.argument});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GT(lines.size(), 3u) << run.out;
    EXPECT_NE(lines[0].find(month.title), std::string::npos) << lines[0];
    EXPECT_EQ(WeekNumbers(lines), month.weeks) << run.out;
  }
}

// The column (in characters) where each whitespace-separated word of a line ends.
std::vector<std::size_t> WordEnds(const std::string& line) {
  std::vector<std::size_t> ends;
  std::size_t column = 0;
  bool in_word = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) continue;  // UTF-8 continuation
    const bool blank = line[i] == ' ';
    if (in_word && blank) ends.push_back(column);
    in_word = !blank;
    ++column;
  }
  if (in_word) ends.push_back(column);
  return ends;
}

struct GridCase {
  const char* language;
  const char* title;  // centred over the grid
  const char* header;
  const char* legend;
  const char* independence_day;  // its line in the list of feasts
};

TEST(KelotarhuMonth, DrawsDecember2026InEachLanguage) {
  const GridCase kGrids[] = {
      {"fi", "            Joulukuu 2026", " vk ma   ti   ke   to   pe   la   su",
       "* punainen päivä   + liputuspäivä", " 6.12. sunnuntai   *+ Itsenäisyyspäivä"},
      {"sv", "            December 2026", " v. må   ti   on   to   fr   lö   sö",
       "* röd dag   + flaggdag", " 6.12 söndag  *+ Självständighetsdagen"},
      {"en", "            December 2026", " wk Mo   Tu   We   Th   Fr   Sa   Su",
       "* red day   + flag day", " 6 Sunday    *+ Independence Day"},
  };
  for (const GridCase& grid : kGrids) {
    SCOPED_TRACE(grid.language);
    const ProgramRun run = KelotarhuIn(grid.language, {"--month", "2026-12", "--calendar=plugin"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 10u) << run.out;
    EXPECT_EQ(lines[0], grid.title);
    EXPECT_EQ(lines[1], grid.header);
    // 1.12.2026 is a Tuesday; Sundays and the Christmas holidays are red (*), the
    // Independence Day is also a flag day (+): one column for each mark.
    EXPECT_EQ(lines[2], " 49       1    2    3    4    5    6*+");
    EXPECT_EQ(lines[3], " 50  7    8    9   10   11   12   13*");
    EXPECT_EQ(lines[5], " 52 21   22   23   24   25*  26*  27*");
    EXPECT_EQ(lines[6], " 53 28   29   30   31");
    EXPECT_EQ(lines[7], grid.legend);
    EXPECT_NE(run.out.find(std::string("\n") + grid.independence_day + "\n"), std::string::npos)
        << run.out;
  }
}

TEST(KelotarhuMonth, PutsEveryNumberRightUnderItsWeekday) {
  for (const char* language : {"fi", "sv", "en"}) {
    for (const char* month : {"2026-12", "2015-02", "2024-06"}) {
      SCOPED_TRACE(std::string(language) + " " + month);
      const ProgramRun run = KelotarhuIn(language, {"--month", month, "--calendar=plugin"});
      ASSERT_EQ(run.exit_status, 0) << run.err;
      const std::vector<std::string> lines = Lines(run.out);
      const std::vector<std::size_t> label_ends = WordEnds(lines.at(1));
      ASSERT_EQ(label_ends.size(), 8u) << lines[1];  // the week, then Monday to Sunday
      // A whole week: each number (marks stripped) ends where its label ends.
      std::string week = lines.at(3);
      for (char& c : week) c = c == '*' || c == '+' ? ' ' : c;
      EXPECT_EQ(WordEnds(week), label_ends) << lines[1] << '\n' << lines[3];
    }
  }
}

TEST(KelotarhuMonth, ListsTheFeastsWithWeekdaysInLowerCase) {
  const ProgramRun run = KelotarhuIn("fi", {"--month", "2026-12"});
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_NE(run.out.find("\n24.12. torstai        Jouluaatto\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\n25.12. perjantai   *  Joulupäivä\n"), std::string::npos) << run.out;
  const ProgramRun swedish = KelotarhuIn("sv", {"--month", "2026-12"});
  EXPECT_NE(swedish.out.find("\n26.12 lördag  *  Annandag jul\n"), std::string::npos)
      << swedish.out;
  // A plain Sunday has no feast to list.
  EXPECT_EQ(run.out.find("20.12."), std::string::npos) << run.out;
}

TEST(KelotarhuMonth, PaintsRedDaysRedAndKeepsTheMarks) {
  const ProgramRun run =
      KelotarhuIn("fi", {"--month", "2026-12", "--color=always", "--calendar=plugin"});
  ASSERT_EQ(run.exit_status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GE(lines.size(), 8u) << run.out;
  // Not a terminal: colours, but today does not stand out.
  EXPECT_EQ(lines[2], " 49       1    2    3    4    5   \x1b[31m 6*\x1b[0m+");
  EXPECT_EQ(lines[7], "\x1b[31m*\x1b[0m punainen päivä   + liputuspäivä");
  EXPECT_EQ(run.out.find("\x1b[7"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace kelotarhu::testing
