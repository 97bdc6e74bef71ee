// Today's names: the answers choose Finnish, Swedish, both joined, or nothing.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "fake_platform.h"
#include "plugin/plugin.h"

namespace {

using kelotarhu::plugin::Plugin;
using kelotarhu::testing::FakePlatform;

constexpr char kFinnish[] = "Amanda, Niina, Manta";  // 26 October
constexpr char kSwedish[] = "Amanda, Nina";
const std::string kBoth = std::string(kFinnish) + "\r\n" + kSwedish;

struct AnswerCase {
  const char* finnish;
  const char* swedish;
  std::string expected;
  friend void PrintTo(const AnswerCase& c, std::ostream* os) {
    *os << (c.finnish ? c.finnish : "null") << '/' << (c.swedish ? c.swedish : "null");
  }
};

class NameDayAnswers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(NameDayAnswers, ChooseTheLists) {
  FakePlatform clock(2026, 10, 26);
  Plugin plugin;
  plugin.Startup();
  EXPECT_EQ(std::string(plugin.GetNameDay(GetParam().finnish, GetParam().swedish, "0")),
            GetParam().expected)
      << GetParam().finnish << " / " << GetParam().swedish;
}

// "Neither" is any answer other than yes or no: both lists are joined then.
INSTANTIATE_TEST_SUITE_P(
    AllNine, NameDayAnswers,
    ::testing::Values(AnswerCase{"K", "K", kBoth}, AnswerCase{"K", "E", kFinnish},
                      AnswerCase{"K", "x", kBoth}, AnswerCase{"E", "K", kSwedish},
                      AnswerCase{"E", "E", ""}, AnswerCase{"E", "", kBoth},
                      AnswerCase{"ei", "K", kBoth}, AnswerCase{nullptr, "E", kBoth},
                      AnswerCase{"K ", "E", kBoth}, AnswerCase{"k", "e", kFinnish},
                      AnswerCase{"0", "1", kSwedish}, AnswerCase{"1", "0", kFinnish},
                      AnswerCase{"0", "0", ""}));

struct SeparatorCase {
  const char* separator;
  std::string expected;
  friend void PrintTo(const SeparatorCase& c, std::ostream* os) {
    *os << "separator '" << (c.separator ? c.separator : "null") << "'";
  }
};

class NameDaySeparators : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(NameDaySeparators, StandBetweenTheLists) {
  FakePlatform clock(2026, 10, 26);
  Plugin plugin;
  plugin.Startup();
  EXPECT_EQ(std::string(plugin.GetNameDay("K", "K", GetParam().separator)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NameDaySeparators,
    ::testing::Values(SeparatorCase{"0", kBoth},
                      SeparatorCase{"0 ", std::string(kFinnish) + "0 " + kSwedish},
                      SeparatorCase{"00", std::string(kFinnish) + "00" + kSwedish},
                      SeparatorCase{" 0", std::string(kFinnish) + " 0" + kSwedish},
                      SeparatorCase{", ", std::string(kFinnish) + ", " + kSwedish},
                      SeparatorCase{"", std::string(kFinnish) + kSwedish},
                      SeparatorCase{nullptr, std::string(kFinnish) + kSwedish}));

struct EmptyDayCase {
  std::uint16_t year, month, day;
  const char* finnish;
  const char* swedish;
  const char* expected;
  friend void PrintTo(const EmptyDayCase& c, std::ostream* os) {
    *os << c.day << '.' << c.month << '.' << c.year << ' ' << c.finnish << '/' << c.swedish;
  }
};

class NameDayOnDaysWithoutNames : public ::testing::TestWithParam<EmptyDayCase> {};

TEST_P(NameDayOnDaysWithoutNames, JoinStillPlacesTheSeparator) {
  const EmptyDayCase& c = GetParam();
  FakePlatform clock(c.year, c.month, c.day);
  Plugin plugin;
  plugin.Startup();
  EXPECT_STREQ(plugin.GetNameDay(c.finnish, c.swedish, "0"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Days, NameDayOnDaysWithoutNames,
                         ::testing::Values(EmptyDayCase{2026, 1, 1, "K", "K", "\r\n"},
                                           EmptyDayCase{2026, 12, 25, "K", "K", "\r\n"},
                                           EmptyDayCase{2024, 2, 29, "K", "E", ""},
                                           EmptyDayCase{2024, 2, 29, "K", "K", "\r\n"}));

TEST(NameDay, NotRunningGivesTheEmptyText) {
  FakePlatform clock(2026, 10, 26);
  Plugin plugin;
  EXPECT_STREQ(plugin.GetNameDay("K", "K", "0"), "");
  plugin.Startup();
  EXPECT_EQ(std::string(plugin.GetNameDay("K", "K", "0")), kBoth);
  plugin.Shutdown();
  EXPECT_STREQ(plugin.GetNameDay("K", "K", "0"), "");
}

}  // namespace
