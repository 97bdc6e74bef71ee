// The life cycle of the plug-in: what the host sees from load to unload.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/windows_1252.h"
#include "kelotarhu_version.h"
#include "tests/behaviour/plugin_test.h"

using namespace kelotarhu::calendar::literals;

namespace kelotarhu::test {
namespace {

constexpr char kFlagPath[] = "C:\\Liput\\lippu.gif";
constexpr const char* kIndependenceDay = "Itsenäisyyspäivä"_cp1252;
constexpr char kNamesOfSixDecember[] = "Niilo, Niko, Niklas\r\nNils";

class LifecycleTest : public PluginTest {
 protected:
  // 6 December: a red feast day, a flag day and a day with names in both lists.
  void SetUp() override { plugin_.SetToday(2025, 12, 6); }

  std::string Holiday() { return TextOf(plugin_.GetHoliday("K")); }
  std::string Flag() { return TextOf(plugin_.GetFlag(kFlagPath)); }
  std::string NameDay() { return TextOf(plugin_.GetNameDay("K", "K", "0")); }
};

TEST_F(LifecycleTest, DllTypeIsOneInEveryState) {
  EXPECT_EQ(plugin_.dlltype(), 1);
  plugin_.dllstartup();
  EXPECT_EQ(plugin_.dlltype(), 1);
  plugin_.dllshutdown();
  EXPECT_EQ(plugin_.dlltype(), 1);
}

TEST_F(LifecycleTest, InitNamesTheThreeDisplayFunctions) {
  const std::string before_start = TextOf(plugin_.init());
  EXPECT_EQ(before_start, "GetNameDay|GetHoliday|GetFlag");
  EXPECT_EQ(before_start.size(), 29u);
  plugin_.dllstartup();
  EXPECT_EQ(TextOf(plugin_.init()), before_start);
}

struct InfoCase {
  std::uint32_t type;
  std::optional<std::string> exact;  // none: a text of our own after the five blanks
};

TEST_F(LifecycleTest, GetInfoTextsStartWithFiveBlanks) {
  const std::vector<InfoCase> cases = {
      {0, "     Kelotarhu"},  {1, std::nullopt}, {2, "     0.8.7"}, {3, "     27.02.2005"},
      {4, "     03.04.2005"}, {5, std::nullopt}, {6, std::nullopt},
  };
  for (const InfoCase& info : cases) {
    SCOPED_TRACE(info.type);
    const std::string text = TextOf(plugin_.getinfo(info.type));
    if (info.exact) {
      EXPECT_EQ(text, *info.exact);
    } else {
      ASSERT_GT(text.size(), 5u);
      EXPECT_EQ(text.substr(0, 5), "     ");
      EXPECT_NE(text[5], ' ');
    }
  }
}

// The version text is fixed, "     0.8.7"; it must name the version the binary is
// built as (project(VERSION), also in the version resource), so that a bump cannot
// leave it behind.
TEST_F(LifecycleTest, GetInfoVersionIsTheProjectVersion) {
  EXPECT_EQ(TextOf(plugin_.getinfo(2)), std::string("     ") + kelotarhu::kVersion);
}

TEST_F(LifecycleTest, GetInfoOfAnyOtherTypeIsTheEmptyText) {
  for (const std::uint32_t type : {7u, 8u, 100u, 0x7FFFFFFFu, 0x80000000u, 4294967295u}) {
    SCOPED_TRACE(type);
    const char* text = plugin_.getinfo(type);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text[0], '\0');
  }
}

TEST_F(LifecycleTest, GetInfoIsTheSameBeforeAndAfterStart) {
  std::vector<std::string> before;
  for (std::uint32_t type = 0; type <= 7; ++type) before.push_back(TextOf(plugin_.getinfo(type)));
  plugin_.dllstartup();
  for (std::uint32_t type = 0; type <= 7; ++type)
    EXPECT_EQ(TextOf(plugin_.getinfo(type)), before[type]);
}

TEST_F(LifecycleTest, StartsCountWhateverTheArguments) {
  EXPECT_EQ(plugin_.dllstartup(), 1);
  EXPECT_EQ(plugin_.dllstartup(1, 2), 2);
  EXPECT_EQ(plugin_.dllstartup(0xFFFFFFFFu, 0x80000000u), 3);
}

TEST_F(LifecycleTest, StartsCountOnAcrossShutdowns) {
  EXPECT_EQ(plugin_.dllstartup(7, 7), 1);
  EXPECT_EQ(plugin_.dllshutdown(), 0);
  EXPECT_EQ(plugin_.dllstartup(), 2);
  EXPECT_EQ(plugin_.dllshutdown(0xFFFFFFFFu), 0);
  EXPECT_EQ(plugin_.dllstartup(0, 0xFFFFFFFFu), 3);
}

TEST_F(LifecycleTest, ShutdownBeforeAnyStartReturnsZeroAndStartsNothing) {
  EXPECT_EQ(plugin_.dllshutdown(), 0);
  EXPECT_EQ(plugin_.dllshutdown(12345), 0);
  EXPECT_EQ(NameDay(), "");
  EXPECT_EQ(Holiday(), "");
  EXPECT_EQ(plugin_.dllstartup(), 1);
}

TEST_F(LifecycleTest, DisplayCallsBeforeTheFirstStartAreEmpty) {
  EXPECT_EQ(Holiday(), "");
  EXPECT_EQ(Flag(), "");
  EXPECT_EQ(NameDay(), "");
  // The same calls on the same day answer once started.
  plugin_.dllstartup();
  EXPECT_EQ(Holiday(), std::string(kIndependenceDay) + ".");
  EXPECT_EQ(Flag(), kFlagPath);
  EXPECT_EQ(NameDay(), kNamesOfSixDecember);
}

TEST_F(LifecycleTest, AfterShutdownHolidayAndFlagAnswerButNameDayIsEmpty) {
  plugin_.dllstartup();
  ASSERT_EQ(NameDay(), kNamesOfSixDecember);
  EXPECT_EQ(plugin_.dllshutdown(), 0);
  EXPECT_EQ(Holiday(), std::string(kIndependenceDay) + ".");
  EXPECT_EQ(Flag(), kFlagPath);
  EXPECT_EQ(NameDay(), "");
  // Started again, the names come back.
  EXPECT_EQ(plugin_.dllstartup(), 2);
  EXPECT_EQ(NameDay(), kNamesOfSixDecember);
}

// Everything a host can read without starting or stopping the plug-in.
std::vector<std::string> EverythingReadable(PluginUnderTest& plugin) {
  std::vector<std::string> seen = {
      TextOf(plugin.init()),
      TextOf(plugin.getparam("GetNameDay")),
      TextOf(plugin.getparam("GetHoliday")),
      TextOf(plugin.getparam("GetFlag")),
      TextOf(plugin.GetHoliday("K")),
      TextOf(plugin.GetFlag(kFlagPath)),
      TextOf(plugin.GetNameDay("K", "K", "0")),
      std::to_string(plugin.dlltype()),
  };
  for (std::uint32_t type = 0; type <= 7; ++type) seen.push_back(TextOf(plugin.getinfo(type)));
  return seen;
}

TEST_F(LifecycleTest, ConfigureReturnsZeroAndChangesNothing) {
  const std::vector<std::string> loaded = EverythingReadable(plugin_);
  EXPECT_EQ(plugin_.configure(), 0);
  EXPECT_EQ(EverythingReadable(plugin_), loaded);

  EXPECT_EQ(plugin_.dllstartup(), 1);
  const std::vector<std::string> started = EverythingReadable(plugin_);
  EXPECT_EQ(plugin_.configure(), 0);
  EXPECT_EQ(plugin_.configure(), 0);
  EXPECT_EQ(EverythingReadable(plugin_), started);
  EXPECT_EQ(plugin_.dllstartup(), 2);

  plugin_.dllshutdown();
  const std::vector<std::string> stopped = EverythingReadable(plugin_);
  EXPECT_EQ(plugin_.configure(), 0);
  EXPECT_EQ(EverythingReadable(plugin_), stopped);
}

// An entry point whose returned text a host holds on to.
struct HeldText {
  const char* entry_point;
  const char* (*call)(PluginUnderTest&);
};

const HeldText kHeldTexts[] = {
    {"GetHoliday", [](PluginUnderTest& plugin) { return plugin.GetHoliday("K"); }},
    {"GetFlag", [](PluginUnderTest& plugin) { return plugin.GetFlag(kFlagPath); }},
    {"GetNameDay", [](PluginUnderTest& plugin) { return plugin.GetNameDay("K", "K", "0"); }},
    {"getparam", [](PluginUnderTest& plugin) { return plugin.getparam("GetFlag"); }},
};

TEST_F(LifecycleTest, ReturnedTextLastsUntilTheSameEntryPointIsCalledAgain) {
  for (const HeldText& held : kHeldTexts) {
    SCOPED_TRACE(held.entry_point);
    plugin_.SetToday(2025, 12, 6);
    plugin_.SetExecutablePath("C:\\Host\\host.exe");
    plugin_.dllstartup();
    const char* text = held.call(plugin_);
    const std::string first = TextOf(text);

    // Every other entry point, and a new start on another day of another year, by a
    // host elsewhere: the plug-in's answers change, the held text does not.
    for (const HeldText& other : kHeldTexts) {
      if (&other != &held) TextOf(other.call(plugin_));
    }
    TextOf(plugin_.init());
    TextOf(plugin_.getinfo(1));
    plugin_.dlltype();
    plugin_.configure();
    plugin_.SetToday(2026, 1, 1);
    plugin_.SetExecutablePath("D:\\Muu\\muu.exe");
    plugin_.dllshutdown();
    plugin_.dllstartup();
    for (const HeldText& other : kHeldTexts) {
      if (&other != &held) TextOf(other.call(plugin_));
    }
    EXPECT_EQ(std::string(text), first);

    // Called again, the entry point answers for the new day and host.
    EXPECT_NE(TextOf(held.call(plugin_)), first);
  }
}

TEST_F(LifecycleTest, EveryTextResultIsNonNullInEveryState) {
  const auto check_all = [this] {
    EXPECT_NE(plugin_.init(), nullptr);
    EXPECT_NE(plugin_.getinfo(0), nullptr);
    EXPECT_NE(plugin_.getinfo(99), nullptr);
    EXPECT_NE(plugin_.getparam("GetFlag"), nullptr);
    EXPECT_NE(plugin_.getparam(nullptr), nullptr);
    EXPECT_NE(plugin_.GetHoliday(nullptr), nullptr);
    EXPECT_NE(plugin_.GetFlag(nullptr), nullptr);
    EXPECT_NE(plugin_.GetNameDay(nullptr, nullptr, nullptr), nullptr);
  };
  {
    SCOPED_TRACE("loaded");
    check_all();
  }
  plugin_.dllstartup();
  {
    SCOPED_TRACE("started");
    check_all();
  }
  plugin_.dllshutdown();
  {
    SCOPED_TRACE("stopped");
    check_all();
  }
}

TEST_F(LifecycleTest, NamesComeBackInEachChoiceAfterARestart) {
  plugin_.dllstartup();
  plugin_.dllshutdown();
  plugin_.dllstartup();
  EXPECT_EQ(TextOf(plugin_.GetNameDay("K", "E", "0")), "Niilo, Niko, Niklas");
  EXPECT_EQ(TextOf(plugin_.GetNameDay("E", "K", "0")), "Nils");
}

TEST_F(LifecycleTest, ReturnedTextSurvivesAStartInAnotherYear) {
  plugin_.SetToday(2008, 5, 1);
  plugin_.dllstartup();
  const char* holiday = plugin_.GetHoliday("K");
  const std::string expected = "Vappu / Helatorstai.";
  ASSERT_EQ(TextOf(holiday), expected);
  plugin_.GetFlag("x");
  plugin_.GetNameDay("K", "K", "0");
  plugin_.getparam("GetFlag");
  plugin_.SetToday(2009, 5, 1);
  plugin_.dllstartup();
  EXPECT_EQ(std::string(holiday), expected);
  EXPECT_EQ(TextOf(plugin_.GetHoliday("K")), "Vappu.");
}

TEST_F(LifecycleTest, TheFirstCallOfANewYearReadsThatYearsCalendar) {
  plugin_.SetToday(2023, 12, 31);
  ASSERT_EQ(plugin_.dllstartup(), 1);
  plugin_.SetToday(2024, 1, 1);
  EXPECT_EQ(TextOf(plugin_.GetHoliday("K")), "Uudenvuodenpäivä."_cp1252);
  plugin_.SetToday(2024, 3, 31);  // Easter Sunday 2024; in 2023 a plain Friday
  EXPECT_EQ(TextOf(plugin_.GetHoliday("K")), "Pääsiäispäivä."_cp1252);
  EXPECT_NE(TextOf(plugin_.GetNameDay("K", "E", "0")), "");  // still running
  EXPECT_EQ(plugin_.dllstartup(), 2);                        // the new year was no start
}

}  // namespace
}  // namespace kelotarhu::test
