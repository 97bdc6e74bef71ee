// Texts of 16 MiB from the host: the rules that pass a text on (the flag path on a flag
// day, the name-day separator, the executable's folder) pass it on byte for byte, and
// the rules that compare a text whole treat such a text as no recognised answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "calendar/windows_1252.h"
#include "tests/behaviour/plugin_under_test.h"

using namespace kelotarhu::calendar::literals;

namespace {

using kelotarhu::test::PluginUnderTest;

constexpr std::size_t kLargeSize = std::size_t{16} << 20;

// 16 MiB cycling through every byte value but zero (which would end the text), so that
// a text cut short, re-encoded or upper-cased anywhere on its way shows.
std::string LargeText() {
  std::string text(kLargeSize, '\0');
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>(1 + i % 255);
  return text;
}

// Compares without printing megabytes: a failure tells the sizes and the first
// differing byte.
::testing::AssertionResult SameText(const char* actual, std::string_view expected) {
  if (actual == nullptr) return ::testing::AssertionFailure() << "null result";
  const std::string_view text(actual);
  if (text == expected) return ::testing::AssertionSuccess();
  const std::size_t common = std::min(text.size(), expected.size());
  const auto difference = std::mismatch(text.begin(), text.begin() + common, expected.begin());
  return ::testing::AssertionFailure()
         << "got " << text.size() << " bytes, expected " << expected.size()
         << "; first difference at byte " << (difference.first - text.begin());
}

const std::string kIndependenceDay = "Itsenäisyyspäivä"_cp1252;
// 26 October.
const std::string kFinnishNames = "Amanda, Niina, Manta";
const std::string kSwedishNames = "Amanda, Nina";

TEST(LargeTexts, FlagPathComesBackByteForByteOnAFlagDay) {
  PluginUnderTest plugin;
  plugin.SetToday(2026, 12, 6);
  plugin.dllstartup();
  const std::string path = LargeText();
  EXPECT_TRUE(SameText(plugin.GetFlag(path.c_str()), path));
}

TEST(LargeTexts, FlagPathIsDroppedOnOtherDays) {
  PluginUnderTest plugin;
  plugin.SetToday(2026, 1, 1);  // a red day, but no flag day
  plugin.dllstartup();
  const std::string path = LargeText();
  EXPECT_STREQ(plugin.GetFlag(path.c_str()), "");
}

TEST(LargeTexts, SeparatorComesBackByteForByteBetweenTheNames) {
  PluginUnderTest plugin;
  plugin.SetToday(2026, 10, 26);
  plugin.dllstartup();
  const std::string separator = LargeText();
  EXPECT_TRUE(SameText(plugin.GetNameDay("K", "K", separator.c_str()),
                       kFinnishNames + separator + kSwedishNames));
}

TEST(LargeTexts, LargeNameDayAnswersAreNeitherYesNorNo) {
  PluginUnderTest plugin;
  plugin.SetToday(2026, 10, 26);
  plugin.dllstartup();
  const std::string yes_at_first(kLargeSize, 'K');
  const std::string no_at_first(kLargeSize, 'E');
  EXPECT_TRUE(SameText(plugin.GetNameDay(yes_at_first.c_str(), no_at_first.c_str(), "0"),
                       kFinnishNames + "\r\n" + kSwedishNames));
}

TEST(LargeTexts, LargeRedDayAnswerGivesNoPeriod) {
  PluginUnderTest plugin;
  plugin.SetToday(2026, 12, 6);
  plugin.dllstartup();
  const std::string answer(kLargeSize, 'k');
  EXPECT_TRUE(SameText(plugin.GetHoliday(answer.c_str()), kIndependenceDay));
  EXPECT_TRUE(SameText(plugin.GetHoliday(LargeText().c_str()), kIndependenceDay));
}

TEST(LargeTexts, LargeFunctionNameHasNoDescriptor) {
  PluginUnderTest plugin;
  const std::string name = "GetFlag" + LargeText();
  EXPECT_STREQ(plugin.getparam(name.c_str()), "");
}

// The longest path that Windows reports for a module is 32767 characters; the folder
// of such a path reaches the flag descriptor whole.
TEST(LargeTexts, LongestExecutablePathGivesItsWholeFolder) {
  constexpr std::size_t kLongestPath = 32767;
  const std::string file = "host.exe";
  const std::string folder = "C:\\" + std::string(kLongestPath - 4 - file.size(), 'x') + "\\";
  PluginUnderTest plugin;
  plugin.SetExecutablePath(folder + file);
  EXPECT_TRUE(SameText(plugin.getparam("GetFlag"),
                       "Polku jossa lipun kuva sijaitsee=" + folder + "plugins\\flag.gif|"));
}

}  // namespace
