// The life cycle of the real library: what the host sees from load to unload.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/win32/dll_test.h"

namespace kelotarhu::test {
namespace {

constexpr char kFlagPath[] = "C:\\Liput\\lippu.gif";
constexpr char kIndependenceDay[] = "Itsen\xE4isyysp\xE4iv\xE4";
constexpr char kNamesOfSixDecember[] = "Niilo, Niko, Niklas\r\nNils";

class LifecycleTest : public DllTest {
 protected:
  // 6 December: a red feast day, a flag day and a day with names in both lists.
  void SetUp() override { host_.SetToday(2025, 12, 6); }

  std::string Holiday() { return Text(dll().GetHoliday(0, "K")); }
  std::string Flag() { return Text(dll().GetFlag(0, kFlagPath)); }
  std::string NameDay() { return Text(dll().GetNameDay(0, "K", "K", "0")); }
};

TEST_F(LifecycleTest, DllTypeIsOneInEveryState) {
  EXPECT_EQ(dll().dlltype(), 1);
  dll().dllstartup(0, 0);
  EXPECT_EQ(dll().dlltype(), 1);
  dll().dllshutdown(0);
  EXPECT_EQ(dll().dlltype(), 1);
}

TEST_F(LifecycleTest, InitNamesTheThreeDisplayFunctions) {
  const std::string before_start = Text(dll().init());
  EXPECT_EQ(before_start, "GetNameDay|GetHoliday|GetFlag");
  EXPECT_EQ(before_start.size(), 29u);
  dll().dllstartup(0, 0);
  EXPECT_EQ(Text(dll().init()), before_start);
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
    const std::string text = Text(dll().getinfo(info.type));
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
  EXPECT_EQ(Text(dll().getinfo(2)), std::string("     ") + KELOTARHU_PROJECT_VERSION);
}

TEST_F(LifecycleTest, GetInfoOfAnyOtherTypeIsTheEmptyText) {
  for (const std::uint32_t type : {7u, 8u, 100u, 0x7FFFFFFFu, 0x80000000u, 4294967295u}) {
    SCOPED_TRACE(type);
    const char* text = dll().getinfo(type);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text[0], '\0');
  }
}

TEST_F(LifecycleTest, GetInfoIsTheSameBeforeAndAfterStart) {
  std::vector<std::string> before;
  for (std::uint32_t type = 0; type <= 7; ++type) before.push_back(Text(dll().getinfo(type)));
  dll().dllstartup(0, 0);
  for (std::uint32_t type = 0; type <= 7; ++type)
    EXPECT_EQ(Text(dll().getinfo(type)), before[type]);
}

TEST_F(LifecycleTest, StartsCountWhateverTheArguments) {
  EXPECT_EQ(dll().dllstartup(0, 0), 1);
  EXPECT_EQ(dll().dllstartup(1, 2), 2);
  EXPECT_EQ(dll().dllstartup(0xFFFFFFFFu, 0x80000000u), 3);
}

TEST_F(LifecycleTest, StartsCountOnAcrossShutdowns) {
  EXPECT_EQ(dll().dllstartup(7, 7), 1);
  EXPECT_EQ(dll().dllshutdown(0), 0);
  EXPECT_EQ(dll().dllstartup(0, 0), 2);
  EXPECT_EQ(dll().dllshutdown(0xFFFFFFFFu), 0);
  EXPECT_EQ(dll().dllstartup(0, 0xFFFFFFFFu), 3);
}

TEST_F(LifecycleTest, ShutdownBeforeAnyStartReturnsZeroAndStartsNothing) {
  EXPECT_EQ(dll().dllshutdown(0), 0);
  EXPECT_EQ(dll().dllshutdown(12345), 0);
  EXPECT_EQ(NameDay(), "");
  EXPECT_EQ(Holiday(), "");
  EXPECT_EQ(dll().dllstartup(0, 0), 1);
}

TEST_F(LifecycleTest, DisplayCallsBeforeTheFirstStartAreEmpty) {
  EXPECT_EQ(Holiday(), "");
  EXPECT_EQ(Flag(), "");
  EXPECT_EQ(NameDay(), "");
  // The same calls on the same day answer once started.
  dll().dllstartup(0, 0);
  EXPECT_EQ(Holiday(), std::string(kIndependenceDay) + ".");
  EXPECT_EQ(Flag(), kFlagPath);
  EXPECT_EQ(NameDay(), kNamesOfSixDecember);
}

TEST_F(LifecycleTest, AfterShutdownHolidayAndFlagAnswerButNameDayIsEmpty) {
  dll().dllstartup(0, 0);
  ASSERT_EQ(NameDay(), kNamesOfSixDecember);
  EXPECT_EQ(dll().dllshutdown(0), 0);
  EXPECT_EQ(Holiday(), std::string(kIndependenceDay) + ".");
  EXPECT_EQ(Flag(), kFlagPath);
  EXPECT_EQ(NameDay(), "");
  // Started again, the names come back.
  EXPECT_EQ(dll().dllstartup(0, 0), 2);
  EXPECT_EQ(NameDay(), kNamesOfSixDecember);
}

// Everything a host can read without starting or stopping the plug-in.
std::vector<std::string> EverythingReadable(const Exports& dll) {
  std::vector<std::string> seen = {
      Text(dll.init()),
      Text(dll.getparam("GetNameDay")),
      Text(dll.getparam("GetHoliday")),
      Text(dll.getparam("GetFlag")),
      Text(dll.GetHoliday(0, "K")),
      Text(dll.GetFlag(0, kFlagPath)),
      Text(dll.GetNameDay(0, "K", "K", "0")),
      std::to_string(dll.dlltype()),
  };
  for (std::uint32_t type = 0; type <= 7; ++type) seen.push_back(Text(dll.getinfo(type)));
  return seen;
}

TEST_F(LifecycleTest, ConfigureReturnsZeroAndChangesNothing) {
  const std::vector<std::string> loaded = EverythingReadable(dll());
  EXPECT_EQ(dll().configure(), 0);
  EXPECT_EQ(EverythingReadable(dll()), loaded);

  EXPECT_EQ(dll().dllstartup(0, 0), 1);
  const std::vector<std::string> started = EverythingReadable(dll());
  EXPECT_EQ(dll().configure(), 0);
  EXPECT_EQ(dll().configure(), 0);
  EXPECT_EQ(EverythingReadable(dll()), started);
  EXPECT_EQ(dll().dllstartup(0, 0), 2);

  dll().dllshutdown(0);
  const std::vector<std::string> stopped = EverythingReadable(dll());
  EXPECT_EQ(dll().configure(), 0);
  EXPECT_EQ(EverythingReadable(dll()), stopped);
}

// An entry point whose returned text a host holds on to.
struct HeldText {
  const char* entry_point;
  const char* (*call)(const Exports&);
};

const HeldText kHeldTexts[] = {
    {"GetHoliday", [](const Exports& dll) { return dll.GetHoliday(0, "K"); }},
    {"GetFlag", [](const Exports& dll) { return dll.GetFlag(0, kFlagPath); }},
    {"GetNameDay", [](const Exports& dll) { return dll.GetNameDay(0, "K", "K", "0"); }},
    {"getparam", [](const Exports& dll) { return dll.getparam("GetFlag"); }},
};

TEST_F(LifecycleTest, ReturnedTextLastsUntilTheSameEntryPointIsCalledAgain) {
  for (const HeldText& held : kHeldTexts) {
    SCOPED_TRACE(held.entry_point);
    host_.SetToday(2025, 12, 6);
    host_.SetExecutablePath("C:\\Host\\host.exe");
    dll().dllstartup(0, 0);
    const char* text = held.call(dll());
    const std::string first = Text(text);

    // Every other entry point, and a new start on another day of another year, by a
    // host elsewhere: the plug-in's answers change, the held text does not.
    for (const HeldText& other : kHeldTexts) {
      if (&other != &held) Text(other.call(dll()));
    }
    Text(dll().init());
    Text(dll().getinfo(1));
    dll().dlltype();
    dll().configure();
    host_.SetToday(2026, 1, 1);
    host_.SetExecutablePath("D:\\Muu\\muu.exe");
    dll().dllshutdown(0);
    dll().dllstartup(0, 0);
    for (const HeldText& other : kHeldTexts) {
      if (&other != &held) Text(other.call(dll()));
    }
    EXPECT_EQ(std::string(text), first);

    // Called again, the entry point answers for the new day and host.
    EXPECT_NE(Text(held.call(dll())), first);
  }
}

TEST_F(LifecycleTest, EveryTextResultIsNonNullInEveryState) {
  const auto check_all = [this] {
    EXPECT_NE(dll().init(), nullptr);
    EXPECT_NE(dll().getinfo(0), nullptr);
    EXPECT_NE(dll().getinfo(99), nullptr);
    EXPECT_NE(dll().getparam("GetFlag"), nullptr);
    EXPECT_NE(dll().getparam(nullptr), nullptr);
    EXPECT_NE(dll().GetHoliday(0, nullptr), nullptr);
    EXPECT_NE(dll().GetFlag(0, nullptr), nullptr);
    EXPECT_NE(dll().GetNameDay(0, nullptr, nullptr, nullptr), nullptr);
  };
  {
    SCOPED_TRACE("loaded");
    check_all();
  }
  dll().dllstartup(0, 0);
  {
    SCOPED_TRACE("started");
    check_all();
  }
  dll().dllshutdown(0);
  {
    SCOPED_TRACE("stopped");
    check_all();
  }
}

TEST_F(LifecycleTest, ReloadGivesLoadTimeStateAndKeepsTheStandIns) {
  ASSERT_EQ(dll().dllstartup(0, 0), 1);
  ASSERT_EQ(dll().dllstartup(0, 0), 2);
  host_.SetExecutablePath("E:\\Ohjelmat\\isanta.exe");

  host_.Reload();
  EXPECT_EQ(Holiday(), "");
  EXPECT_EQ(NameDay(), "");
  EXPECT_EQ(dll().dllstartup(0, 0), 1);
  // The reloaded library sees the staged date and path, not the machine's.
  EXPECT_EQ(Holiday(), std::string(kIndependenceDay) + ".");
  host_.SetToday(2025, 1, 1);
  EXPECT_EQ(Holiday(), "Uudenvuodenp\xE4iv\xE4.");
  EXPECT_EQ(Text(dll().getparam("GetFlag")),
            "Polku jossa lipun kuva sijaitsee=E:\\Ohjelmat\\plugins\\flag.gif|");
}

}  // namespace
}  // namespace kelotarhu::test
