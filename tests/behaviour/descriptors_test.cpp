// The option descriptors the plug-in gives for its display functions.
#include <string>
#include <vector>

#include "calendar/windows_1252.h"
#include "tests/behaviour/plugin_test.h"

using namespace kelotarhu::calendar::literals;

namespace kelotarhu::test {
namespace {

constexpr const char* kNameDayDescriptor =
    "Näytetäänkö suomalaiset nimet?=K|"
    "Näytetäänkö ruotsalaiset nimet?=K|"
    "Miten ne erotetaan toisistaan?=0 |"_cp1252;
constexpr const char* kHolidayDescriptor = "Näytetäänkö juhlat punaisella?=K|"_cp1252;
constexpr char kFlagQuestion[] = "Polku jossa lipun kuva sijaitsee=";

using DescriptorTest = PluginTest;

TEST_F(DescriptorTest, NameDayDescriptorIsExact) {
  const std::string descriptor = TextOf(plugin_.getparam("GetNameDay"));
  EXPECT_EQ(descriptor, kNameDayDescriptor);
  EXPECT_EQ(descriptor.size(), 101u);
  EXPECT_TRUE(descriptor.ends_with("=0 |"));
}

TEST_F(DescriptorTest, HolidayDescriptorIsExact) {
  const std::string descriptor = TextOf(plugin_.getparam("GetHoliday"));
  EXPECT_EQ(descriptor, kHolidayDescriptor);
  EXPECT_EQ(descriptor.size(), 33u);
}

TEST_F(DescriptorTest, DescriptorsAreTheSameBeforeAndAfterStart) {
  plugin_.SetExecutablePath("C:\\Host\\host.exe");
  const std::vector<std::string> before = {TextOf(plugin_.getparam("GetNameDay")),
                                           TextOf(plugin_.getparam("GetHoliday")),
                                           TextOf(plugin_.getparam("GetFlag"))};
  StartOn(2025, 3, 3);
  EXPECT_EQ(TextOf(plugin_.getparam("GetNameDay")), before[0]);
  EXPECT_EQ(TextOf(plugin_.getparam("GetHoliday")), before[1]);
  EXPECT_EQ(TextOf(plugin_.getparam("GetFlag")), before[2]);
  plugin_.dllshutdown();
  EXPECT_EQ(TextOf(plugin_.getparam("GetFlag")), before[2]);
}

struct ExecutableCase {
  std::string executable;
  std::string folder;  // what the default flag path starts with
};

TEST_F(DescriptorTest, FlagDescriptorNamesTheImageInTheHostFolder) {
  const std::string long_folder = "C:\\" + std::string(300, 'k') + "\\";
  const std::vector<ExecutableCase> cases = {
      {"C:\\Host\\host.exe", "C:\\Host\\"},
      {"C:\\host.exe", "C:\\"},
      {"D:host.exe", "D:"},
      {"host.exe", ""},
      {"", ""},
      {"C:\\Program Files\\Isäntä\\host program.exe"_cp1252, "C:\\Program Files\\Isäntä\\"_cp1252},
      {"\\\\palvelin\\jako\\host.exe", "\\\\palvelin\\jako\\"},
      {"C:\\Host\\tiedosto:virta", "C:\\Host\\tiedosto:"},
      {"C:\\a:b\\c.exe", "C:\\a:b\\"},
      {"C:\\Host\\", "C:\\Host\\"},
      // Longer than MAX_PATH: the library must not settle for a truncated path.
      {long_folder + "host.exe", long_folder},
  };
  for (const ExecutableCase& test_case : cases) {
    SCOPED_TRACE(test_case.executable);
    plugin_.SetExecutablePath(test_case.executable);
    EXPECT_EQ(TextOf(plugin_.getparam("GetFlag")),
              kFlagQuestion + test_case.folder + "plugins\\flag.gif|");
  }
}

TEST_F(DescriptorTest, FlagDescriptorOfAPathAroundTheBufferSize) {
  // Paths whose length is just under, at and just over MAX_PATH (260).
  for (const std::size_t length : {258u, 259u, 260u, 261u, 262u}) {
    SCOPED_TRACE(length);
    const std::string folder = "C:\\" + std::string(length - 3 - 6, 'x') + "\\";
    const std::string executable = folder + "h.exe";
    ASSERT_EQ(executable.size(), length);
    plugin_.SetExecutablePath(executable);
    EXPECT_EQ(TextOf(plugin_.getparam("GetFlag")), kFlagQuestion + folder + "plugins\\flag.gif|");
  }
}

TEST_F(DescriptorTest, OtherNamesGiveTheEmptyText) {
  const std::vector<const char*> names = {
      "getnameday", "GETHOLIDAY", "GetFlag ", " GetFlag", "getflag", "GetNameDay|",
      "init",       "GetName",    "GetFlagX", "",         nullptr,
  };
  plugin_.SetExecutablePath("C:\\Host\\host.exe");
  for (const char* name : names) {
    SCOPED_TRACE(name == nullptr ? "(null)" : name);
    EXPECT_EQ(TextOf(plugin_.getparam(name)), "");
  }
}

TEST_F(DescriptorTest, TwoFlagDescriptorCallsAgreeAndTheFirstLastsUntilTheSecond) {
  plugin_.SetExecutablePath("C:\\Host\\host.exe");
  const std::string expected = std::string(kFlagQuestion) + "C:\\Host\\plugins\\flag.gif|";
  const char* first = plugin_.getparam("GetFlag");
  ASSERT_EQ(TextOf(first), expected);
  // Other entry points in between leave it alone.
  StartOn(2025, 12, 6);
  TextOf(plugin_.GetFlag("C:\\Host\\plugins\\flag.gif"));
  TextOf(plugin_.GetHoliday("K"));
  TextOf(plugin_.GetNameDay("K", "K", "0"));
  TextOf(plugin_.getinfo(0));
  EXPECT_EQ(std::string(first), expected);
  EXPECT_EQ(TextOf(plugin_.getparam("GetFlag")), expected);
}

TEST_F(DescriptorTest, FlagDescriptorFollowsTheExecutablePathOfEachCall) {
  plugin_.SetExecutablePath("C:\\Host\\host.exe");
  const char* first = plugin_.getparam("GetFlag");
  const std::string first_text = TextOf(first);
  plugin_.SetExecutablePath("D:\\Muu\\host.exe");
  EXPECT_EQ(std::string(first), first_text);
  EXPECT_EQ(TextOf(plugin_.getparam("GetFlag")),
            std::string(kFlagQuestion) + "D:\\Muu\\plugins\\flag.gif|");
}

}  // namespace
}  // namespace kelotarhu::test
