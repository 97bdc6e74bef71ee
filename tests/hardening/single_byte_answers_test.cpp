// Every one-byte answer, the zero byte standing for the empty text, against the rules
// that read yes-or-no answers after upper-casing them: only "K" and "k" ask GetHoliday
// for the red-day period; GetNameDay reads "K", "k" and "1" as yes, "E", "e" and "0" as
// no, and every other byte as neither.
#include <gtest/gtest.h>

#include <string>

#include "calendar/windows_1252.h"
#include "tests/behaviour/plugin_under_test.h"

using namespace kelotarhu::calendar::literals;

namespace {

using kelotarhu::test::PluginUnderTest;

enum class Reading { kYes, kNo, kNeither };

Reading NameDayReading(char answer) {
  switch (answer) {
    case 'K':
    case 'k':
    case '1':
      return Reading::kYes;
    case 'E':
    case 'e':
    case '0':
      return Reading::kNo;
    default:
      return Reading::kNeither;
  }
}

// The answer text of a byte: the byte alone, or the empty text for the zero byte.
std::string AnswerOf(int byte) {
  return byte == 0 ? std::string() : std::string(1, static_cast<char>(byte));
}

// 1 January: New Year's Day, a red day.
TEST(SingleByteAnswers, OnlyUpperOrLowerKAsksForTheRedDayPeriod) {
  PluginUnderTest plugin;
  plugin.SetToday(2026, 1, 1);
  plugin.dllstartup();
  const std::string feasts = "Uudenvuodenpäivä"_cp1252;
  for (int byte = 0; byte < 256; ++byte) {
    const std::string answer = AnswerOf(byte);
    const bool period = answer == "K" || answer == "k";
    EXPECT_EQ(plugin.GetHoliday(answer.c_str()), period ? feasts + "." : feasts)
        << "answer byte " << byte;
  }
}

// 26 October; the other list's answer is a plain "E" (no), and the separator "|".
constexpr char kFinnishNames[] = "Amanda, Niina, Manta";
constexpr char kSwedishNames[] = "Amanda, Nina";
const std::string kBothNames = std::string(kFinnishNames) + "|" + kSwedishNames;

TEST(SingleByteAnswers, FinnishAnswerIsYesNoOrNeither) {
  PluginUnderTest plugin;
  plugin.SetToday(2026, 10, 26);
  plugin.dllstartup();
  for (int byte = 0; byte < 256; ++byte) {
    const std::string answer = AnswerOf(byte);
    const Reading reading = NameDayReading(static_cast<char>(byte));
    const std::string expected = reading == Reading::kYes  ? kFinnishNames
                                 : reading == Reading::kNo ? ""
                                                           : kBothNames;
    EXPECT_EQ(plugin.GetNameDay(answer.c_str(), "E", "|"), expected) << "answer byte " << byte;
  }
}

TEST(SingleByteAnswers, SwedishAnswerIsYesNoOrNeither) {
  PluginUnderTest plugin;
  plugin.SetToday(2026, 10, 26);
  plugin.dllstartup();
  for (int byte = 0; byte < 256; ++byte) {
    const std::string answer = AnswerOf(byte);
    const Reading reading = NameDayReading(static_cast<char>(byte));
    const std::string expected = reading == Reading::kYes  ? kSwedishNames
                                 : reading == Reading::kNo ? ""
                                                           : kBothNames;
    EXPECT_EQ(plugin.GetNameDay("E", answer.c_str(), "|"), expected) << "answer byte " << byte;
  }
}

}  // namespace
