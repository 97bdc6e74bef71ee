// Life cycle and returned texts of the plug-in, through a plug-in instance and through
// the exported functions.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calendar/windows_1252.h"
#include "fake_platform.h"
#include "kelotarhu_version.h"
#include "plugin/exports.h"
#include "plugin/plugin.h"

using namespace kelotarhu::calendar::literals;

namespace {

using kelotarhu::plugin::Plugin;
using kelotarhu::testing::FakePlatform;

TEST(Lifecycle, StartsCountUpAcrossShutdowns) {
  FakePlatform clock(2026, 12, 6);
  Plugin plugin;
  EXPECT_EQ(plugin.Shutdown(), 0);  // before any start too
  EXPECT_EQ(plugin.Startup(), 1);
  EXPECT_EQ(plugin.Startup(), 2);
  EXPECT_EQ(plugin.Shutdown(), 0);
  EXPECT_EQ(plugin.Startup(), 3);
}

TEST(Lifecycle, DisplayFunctionsAreEmptyBeforeTheFirstStart) {
  FakePlatform clock(2026, 12, 6);
  Plugin plugin;
  EXPECT_STREQ(plugin.GetHoliday("K"), "");
  EXPECT_STREQ(plugin.GetFlag("C:\\flag.gif"), "");
  EXPECT_STREQ(plugin.GetNameDay("K", "K", "0"), "");
}

TEST(Lifecycle, AfterShutdownOnlyNameDaysFallSilent) {
  FakePlatform clock(2026, 12, 6);
  Plugin plugin;
  plugin.Startup();
  plugin.Shutdown();
  EXPECT_STREQ(plugin.GetHoliday("K"), "Itsenäisyyspäivä."_cp1252);
  EXPECT_STREQ(plugin.GetFlag("C:\\flag.gif"), "C:\\flag.gif");
  EXPECT_STREQ(plugin.GetNameDay("K", "K", "0"), "");
  plugin.Startup();
  EXPECT_STREQ(plugin.GetNameDay("K", "E", "0"), "Niilo, Niko, Niklas");
}

TEST(Lifecycle, ReturnedTextSurvivesOtherCallsAndARebuild) {
  FakePlatform clock(2008, 5, 1);
  Plugin plugin;
  plugin.Startup();
  const char* holiday = plugin.GetHoliday("K");
  const std::string expected = "Vappu / Helatorstai.";
  ASSERT_EQ(holiday, expected);
  plugin.GetFlag("x");
  plugin.GetNameDay("K", "K", "0");
  plugin.GetParam("GetFlag");
  clock.SetDate(2009, 5, 1);
  plugin.Startup();  // rebuilds the table for another year
  EXPECT_EQ(std::string(holiday), expected);
  EXPECT_STREQ(plugin.GetHoliday("K"), "Vappu.");
}

TEST(Lifecycle, TableOfAnEarlierYearIsRebuiltOnTheFirstCallOfTheNewYear) {
  FakePlatform clock(2023, 12, 31);
  Plugin plugin;
  ASSERT_EQ(plugin.Startup(), 1);
  clock.SetDate(2024, 1, 1);
  EXPECT_STREQ(plugin.GetHoliday("K"), "Uudenvuodenpäivä."_cp1252);
  clock.SetDate(2024, 3, 31);  // Easter Sunday 2024; in 2023 a plain Friday
  EXPECT_STREQ(plugin.GetHoliday("K"), "Pääsiäispäivä."_cp1252);
  EXPECT_EQ(plugin.table().year(), 2024);
  EXPECT_STRNE(plugin.GetNameDay("K", "E", "0"), "");  // still running
  EXPECT_EQ(plugin.Startup(), 2);                      // the rebuild was no start
}

TEST(Lifecycle, NothingIsBuiltByDisplayCallsBeforeTheFirstStart) {
  FakePlatform clock(2024, 1, 1);
  Plugin plugin;
  EXPECT_STREQ(plugin.GetHoliday("K"), "");
  EXPECT_EQ(plugin.table().year(), 0);
}

TEST(Exports, StatelessEntryPoints) {
  EXPECT_EQ(dlltype(), 1);
  EXPECT_EQ(configure(), 0);
  EXPECT_STREQ(init(), "GetNameDay|GetHoliday|GetFlag");
}

struct InfoCase {
  std::uint32_t type;
  const char* text;
  friend void PrintTo(const InfoCase& c, std::ostream* os) { *os << "type " << c.type; }
};

class InfoTexts : public ::testing::TestWithParam<InfoCase> {};

TEST_P(InfoTexts, AnswerEveryType) {
  const char* text = getinfo(GetParam().type);
  ASSERT_NE(text, nullptr);
  EXPECT_STREQ(text, GetParam().text);
}

// The version text is typed as a fixed text; a version bump must not leave it behind.
TEST(InfoTexts, VersionTextIsTheProjectVersion) {
  EXPECT_EQ(std::string(getinfo(2)), std::string("     ") + kelotarhu::kVersion);
}

INSTANTIATE_TEST_SUITE_P(Types, InfoTexts,
                         ::testing::Values(InfoCase{0, "     Kelotarhu"}, InfoCase{2, "     0.8.7"},
                                           InfoCase{3, "     27.02.2005"},
                                           InfoCase{4, "     03.04.2005"}, InfoCase{7, ""},
                                           InfoCase{4294967295u, ""}));

TEST(Exports, FreeFormInfoTextsStartWithFiveBlanks) {
  for (std::uint32_t type : {1u, 5u, 6u}) {
    const std::string text = getinfo(type);
    EXPECT_GT(text.size(), 5u) << type;
    EXPECT_EQ(text.substr(0, 5), "     ") << type;
    EXPECT_NE(text[5], ' ') << type;
  }
}

TEST(Exports, DisplayCallsThroughTheExportsFollowTheDate) {
  FakePlatform clock(2026, 12, 6);
  EXPECT_GE(dllstartup(0, 0), 1);
  EXPECT_STREQ(GetHoliday(0, "K"), "Itsenäisyyspäivä."_cp1252);
  EXPECT_STREQ(GetFlag(0, "flag.gif"), "flag.gif");
  EXPECT_STREQ(GetNameDay(0, "E", "K", "0"), "Nils");
  EXPECT_EQ(dllshutdown(0), 0);
  EXPECT_STREQ(GetNameDay(0, "K", "K", "0"), "");
}

}  // namespace
