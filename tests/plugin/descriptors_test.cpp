// Option descriptors: the questions and default answers of each display function.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calendar/windows_1252.h"
#include "fake_platform.h"
#include "plugin/plugin.h"

using namespace kelotarhu::calendar::literals;

namespace {

using kelotarhu::plugin::Plugin;
using kelotarhu::testing::FakePlatform;

TEST(Descriptors, NameDayAndHolidayAreFixedTexts) {
  Plugin plugin;
  const std::string name_day = plugin.GetParam("GetNameDay");
  EXPECT_EQ(name_day,
            "Näytetäänkö suomalaiset nimet?=K|Näytetäänkö ruotsalaiset "
            "nimet?=K|Miten ne erotetaan toisistaan?=0 |"_cp1252);
  EXPECT_EQ(name_day.size(), 101u);
  const std::string holiday = plugin.GetParam("GetHoliday");
  EXPECT_EQ(holiday, "Näytetäänkö juhlat punaisella?=K|"_cp1252);
  EXPECT_EQ(holiday.size(), 33u);
}

TEST(Descriptors, UnknownNamesGiveTheEmptyText) {
  Plugin plugin;
  for (const char* name : {"getnameday", "GETHOLIDAY", "GetFlag ", " GetFlag", "", "init"}) {
    const char* descriptor = plugin.GetParam(name);
    ASSERT_NE(descriptor, nullptr);
    EXPECT_STREQ(descriptor, "") << name;
  }
  EXPECT_STREQ(plugin.GetParam(nullptr), "");
}

struct FlagPathCase {
  const char* executable;
  const char* default_path;
  friend void PrintTo(const FlagPathCase& c, std::ostream* os) {
    *os << '"' << c.executable << '"';
  }
};

class FlagDescriptor : public ::testing::TestWithParam<FlagPathCase> {};

TEST_P(FlagDescriptor, DefaultPathLiesInTheHostsFolder) {
  FakePlatform platform(2026, 1, 1);
  platform.SetExecutablePath(GetParam().executable);
  Plugin plugin;
  EXPECT_EQ(std::string(plugin.GetParam("GetFlag")),
            std::string("Polku jossa lipun kuva sijaitsee=") + GetParam().default_path + "|");
}

INSTANTIATE_TEST_SUITE_P(
    HostPaths, FlagDescriptor,
    ::testing::Values(FlagPathCase{"C:\\Host\\host.exe", "C:\\Host\\plugins\\flag.gif"},
                      FlagPathCase{"C:\\host.exe", "C:\\plugins\\flag.gif"},
                      FlagPathCase{"D:host.exe", "D:plugins\\flag.gif"},
                      FlagPathCase{"C:\\a:b\\c.exe", "C:\\a:b\\plugins\\flag.gif"},
                      FlagPathCase{"host.exe", "plugins\\flag.gif"},
                      FlagPathCase{"", "plugins\\flag.gif"}));

TEST(Descriptors, FlagTextStaysValidUntilTheNextCall) {
  FakePlatform platform(2026, 1, 1);
  platform.SetExecutablePath("C:\\Host\\host.exe");
  Plugin plugin;
  const char* first = plugin.GetParam("GetFlag");
  const std::string copy = first;
  plugin.GetHoliday("K");
  plugin.GetNameDay("K", "K", "0");
  plugin.Startup();
  EXPECT_EQ(std::string(first), copy);
  EXPECT_EQ(std::string(plugin.GetParam("GetFlag")), copy);
}

}  // namespace
