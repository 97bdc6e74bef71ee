// The life cycle of the real library where only the Windows test host can show it:
// unloading and loading the library again (the other cases are in tests/behaviour).
#include <string>

#include "calendar/windows_1252.h"
#include "tests/win32/dll_test.h"

using namespace kelotarhu::calendar::literals;

namespace kelotarhu::test {
namespace {

constexpr const char* kIndependenceDay = "Itsenäisyyspäivä"_cp1252;

class LifecycleTest : public DllTest {
 protected:
  // 6 December: a red feast day, a flag day and a day with names in both lists.
  void SetUp() override { host_.SetToday(2025, 12, 6); }

  std::string Holiday() { return Text(dll().GetHoliday(0, "K")); }
  std::string NameDay() { return Text(dll().GetNameDay(0, "K", "K", "0")); }
};

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
  EXPECT_EQ(Holiday(), "Uudenvuodenpäivä."_cp1252);
  EXPECT_EQ(Text(dll().getparam("GetFlag")),
            "Polku jossa lipun kuva sijaitsee=E:\\Ohjelmat\\plugins\\flag.gif|");
}

}  // namespace
}  // namespace kelotarhu::test
