// --help as it fits a screen: no line wider than the terminal, 80 columns off one, and
// the descriptions of the options in one column counted by what a terminal shows (å, ä
// and ö one column each).
#include <gtest/gtest.h>

#include "kelotarhu_runner.h"

namespace kelotarhu::testing {
namespace {

ProgramRun HelpIn(const std::string& language, const std::string& columns) {
  std::vector<std::string> environment = kNoLocale;
  environment.push_back("COLUMNS=" + columns);
  return Kelotarhu({"--lang=" + language, "--help"}, environment);
}

TEST(KelotarhuHelpLayout, FitsTheWidthItIsGiven) {
  struct WidthCase {
    const char* columns;  // COLUMNS; empty: not set, and standard output is no terminal
    std::size_t widest;
  };
  const WidthCase kWidths[] = {{"", 80}, {"60", 60}, {"72", 72}, {"100", 100}, {"junk", 80}};
  for (const char* language : {"fi", "sv", "en"}) {
    for (const WidthCase& width : kWidths) {
      SCOPED_TRACE(std::string(language) + " COLUMNS=" + width.columns);
      const ProgramRun run = HelpIn(language, width.columns);
      ASSERT_EQ(run.exit_status, 0) << run.err;
      std::size_t widest = 0;
      for (const std::string& line : Lines(run.out)) {
        EXPECT_LE(DisplayColumns(line), width.widest) << line;
        widest = std::max(widest, DisplayColumns(line));
      }
      EXPECT_GE(widest, width.widest - 10);  // and uses the room it has
    }
  }
}

// Where the description of each option starts that shares its line with the option.
std::vector<std::size_t> DescriptionColumns(const std::string& help) {
  std::vector<std::size_t> columns;
  for (const std::string& line : Lines(help)) {
    if (!line.starts_with("  -")) continue;
    const std::size_t gap = line.find("  ", 2);
    if (gap == std::string::npos) continue;
    const std::size_t description = line.find_first_not_of(' ', gap);
    columns.push_back(DisplayColumns(line.substr(0, description)));
  }
  return columns;
}

TEST(KelotarhuHelpLayout, AlignsTheDescriptionsByDisplayWidth) {
  for (const char* language : {"fi", "sv", "en"}) {
    SCOPED_TRACE(language);
    const ProgramRun run = HelpIn(language, "80");
    const std::vector<std::size_t> columns = DescriptionColumns(run.out);
    ASSERT_GE(columns.size(), 10u) << run.out;
    for (const std::size_t column : columns) EXPECT_EQ(column, columns.front()) << run.out;
  }
  // Swedish placeholders hold Å: "--month [ÅÅÅÅ-MM|M.ÅÅÅÅ|M]" and "--plugin SÖKVÄG" line up
  // with the others.
  const std::string swedish = HelpIn("sv", "80").out;
  EXPECT_NE(swedish.find("\n  --plugin SÖKVÄG               Läs in"), std::string::npos) << swedish;
  EXPECT_NE(swedish.find("\n  --year [ÅÅÅÅ]                 Lista"), std::string::npos) << swedish;
}

TEST(KelotarhuHelpLayout, ContinuesAWrappedDescriptionUnderItself) {
  const std::vector<std::string> lines = Lines(HelpIn("en", "80").out);
  const auto next = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.starts_with("  --calendar");
  });
  ASSERT_NE(next, lines.end());
  const std::size_t column = DescriptionColumns(*next + "\n").at(0);
  ASSERT_NE(next + 1, lines.end());
  EXPECT_EQ(next[1].find_first_not_of(' '), column) << next[1];
}

}  // namespace
}  // namespace kelotarhu::testing
