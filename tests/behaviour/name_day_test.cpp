// Today's names: the answers choose Finnish, Swedish, both joined, or nothing, and the
// separator stands between the two lists.
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "calendar/windows_1252.h"
#include "tests/behaviour/plugin_test.h"

using namespace kelotarhu::calendar::literals;

namespace kelotarhu::test {
namespace {

constexpr char kFinnish[] = "Amanda, Niina, Manta";  // 26 October
constexpr char kSwedish[] = "Amanda, Nina";
constexpr char kLineBreak[] = "\r\n";

std::string Both(const std::string& between) { return kFinnish + between + kSwedish; }

class NameDayTest : public PluginTest {
 protected:
  std::string NameDay(const char* finnish, const char* swedish, const char* separator) {
    return TextOf(plugin_.GetNameDay(finnish, swedish, separator));
  }
};

TEST_F(NameDayTest, EmptyWhileNotRunning) {
  plugin_.SetToday(2025, 10, 26);
  EXPECT_EQ(NameDay("K", "K", "0"), "");
  EXPECT_EQ(NameDay("K", "E", "x"), "");
  plugin_.dllstartup();
  ASSERT_EQ(NameDay("K", "E", "0"), kFinnish);
  ASSERT_EQ(NameDay("K", "K", "0"), Both(kLineBreak));
  plugin_.dllshutdown();
  EXPECT_EQ(NameDay("K", "K", "0"), "");
  EXPECT_EQ(NameDay("0", "1", "0"), "");
}

// ---- Worked examples of 26 October ----

struct Example {
  const char* finnish;
  const char* swedish;
  const char* separator;
  std::string expected;
  friend void PrintTo(const Example& c, std::ostream* os) {
    *os << Shown(c.finnish) << ", " << Shown(c.swedish) << ", " << Shown(c.separator);
  }
};

class NameDayExamples : public PluginTestWithParam<Example> {};

TEST_P(NameDayExamples, OfTwentySixthOctober) {
  StartOn(2025, 10, 26);
  const Example& c = GetParam();
  EXPECT_EQ(TextOf(plugin_.GetNameDay(c.finnish, c.swedish, c.separator)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NameDayExamples,
    ::testing::Values(
        Example{"K", "K", "0", Both(kLineBreak)}, Example{"k", "e", "0", kFinnish},
        Example{"k", "e", "; ", kFinnish}, Example{"0", "1", "0", kSwedish},
        Example{"0", "1", "", kSwedish}, Example{"1", "0", "0", kFinnish},
        Example{"E", "E", "0", ""}, Example{"E", "E", " / ", ""}, Example{"0", "0", "0", ""},
        Example{"K", "K", "", Both("")}, Example{nullptr, nullptr, nullptr, Both("")},
        Example{nullptr, "E", "0", Both(kLineBreak)}, Example{"K", nullptr, "0", Both(kLineBreak)},
        Example{"K ", "E", "0", Both(kLineBreak)}, Example{"E", "K ", "0", Both(kLineBreak)}));

// ---- Every answer form in every combination ----

enum class Reading { kYes, kNo, kNeither };

// Answers as a user might give them, and how each one reads.
struct AnswerForm {
  const char* text;
  Reading reading;
};

const std::vector<AnswerForm> kAnswerForms = {
    {"K", Reading::kYes},
    {"k", Reading::kYes},
    {"1", Reading::kYes},
    {"E", Reading::kNo},
    {"e", Reading::kNo},
    {"0", Reading::kNo},
    {"", Reading::kNeither},
    {nullptr, Reading::kNeither},
    {"K ", Reading::kNeither},
    {" K", Reading::kNeither},
    {"E ", Reading::kNeither},
    {"KE", Reading::kNeither},
    {"10", Reading::kNeither},
    {"2", Reading::kNeither},
    {"x", Reading::kNeither},
    {"ei", Reading::kNeither},
    {"Kyllä"_cp1252, Reading::kNeither},
};

enum class Choice { kFinnishAlone, kSwedishAlone, kNothing, kBoth };

struct Combination {
  Reading finnish;
  Reading swedish;
  Choice choice;
};

// Finnish alone only for yes/no, Swedish alone only for no/yes, nothing only for
// no/no, both joined otherwise.
const std::vector<Combination> kCombinations = {
    {Reading::kYes, Reading::kYes, Choice::kBoth},
    {Reading::kYes, Reading::kNo, Choice::kFinnishAlone},
    {Reading::kYes, Reading::kNeither, Choice::kBoth},
    {Reading::kNo, Reading::kYes, Choice::kSwedishAlone},
    {Reading::kNo, Reading::kNo, Choice::kNothing},
    {Reading::kNo, Reading::kNeither, Choice::kBoth},
    {Reading::kNeither, Reading::kYes, Choice::kBoth},
    {Reading::kNeither, Reading::kNo, Choice::kBoth},
    {Reading::kNeither, Reading::kNeither, Choice::kBoth},
};

std::string Expected(Choice choice, const std::string& between) {
  switch (choice) {
    case Choice::kFinnishAlone:
      return kFinnish;
    case Choice::kSwedishAlone:
      return kSwedish;
    case Choice::kNothing:
      return "";
    case Choice::kBoth:
      break;
  }
  return Both(between);
}

TEST_F(NameDayTest, EveryAnswerFormInEveryCombination) {
  StartOn(2026, 10, 26);
  for (const Combination& combination : kCombinations) {
    for (const AnswerForm& finnish : kAnswerForms) {
      if (finnish.reading != combination.finnish) continue;
      for (const AnswerForm& swedish : kAnswerForms) {
        if (swedish.reading != combination.swedish) continue;
        SCOPED_TRACE(Shown(finnish.text) + ", " + Shown(swedish.text));
        EXPECT_EQ(NameDay(finnish.text, swedish.text, " | "), Expected(combination.choice, " | "));
        EXPECT_EQ(NameDay(finnish.text, swedish.text, "0"),
                  Expected(combination.choice, kLineBreak));
      }
    }
  }
}

// ---- Separators ----

struct SeparatorCase {
  const char* separator;
  std::string between;
  friend void PrintTo(const SeparatorCase& c, std::ostream* os) { *os << Shown(c.separator); }
};

class NameDaySeparators : public PluginTestWithParam<SeparatorCase> {};

TEST_P(NameDaySeparators, OnlyALoneZeroBecomesALineBreak) {
  StartOn(2026, 10, 26);
  EXPECT_EQ(TextOf(plugin_.GetNameDay("K", "K", GetParam().separator)), Both(GetParam().between));
}

INSTANTIATE_TEST_SUITE_P(Texts, NameDaySeparators,
                         ::testing::Values(SeparatorCase{"0", kLineBreak},
                                           SeparatorCase{"0 ", "0 "}, SeparatorCase{" 0", " 0"},
                                           SeparatorCase{"00", "00"}, SeparatorCase{", ", ", "},
                                           SeparatorCase{"", ""}, SeparatorCase{nullptr, ""},
                                           SeparatorCase{"O", "O"}, SeparatorCase{"\r\n", "\r\n"},
                                           SeparatorCase{" ä "_cp1252, " ä "_cp1252}));

// ---- Days without names ----

struct EmptyDayCase {
  std::uint16_t year, month, day;
  const char* finnish;
  const char* swedish;
  const char* separator;
  const char* expected;
  friend void PrintTo(const EmptyDayCase& c, std::ostream* os) {
    *os << c.day << '.' << c.month << '.' << c.year << ' ' << c.finnish << '/' << c.swedish << ' '
        << Shown(c.separator);
  }
};

class NameDayOnDaysWithoutNames : public PluginTestWithParam<EmptyDayCase> {};

TEST_P(NameDayOnDaysWithoutNames, JoinStillPlacesTheSeparator) {
  const EmptyDayCase& c = GetParam();
  StartOn(c.year, c.month, c.day);
  EXPECT_EQ(TextOf(plugin_.GetNameDay(c.finnish, c.swedish, c.separator)), c.expected);
}

std::vector<EmptyDayCase> EmptyDayCases() {
  std::vector<EmptyDayCase> cases;
  for (const auto& [year, month, day] : {std::array<std::uint16_t, 3>{2025, 1, 1},
                                         {2025, 12, 25},
                                         {2026, 1, 1},
                                         {2026, 12, 25},
                                         {2024, 2, 29}}) {
    cases.push_back({year, month, day, "K", "K", "0", "\r\n"});
    cases.push_back({year, month, day, "K", "K", " / ", " / "});
    cases.push_back({year, month, day, "K", "E", "0", ""});
    cases.push_back({year, month, day, "E", "K", "0", ""});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Days, NameDayOnDaysWithoutNames, ::testing::ValuesIn(EmptyDayCases()));

}  // namespace
}  // namespace kelotarhu::test
