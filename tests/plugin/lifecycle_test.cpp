// The plug-in instance's year table, which only the instance shows: display calls
// before the first start build none, and a new year's first call builds that year's.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "plugin/plugin.h"

namespace {

using kelotarhu::plugin::Plugin;
using kelotarhu::testing::FakePlatform;

TEST(Lifecycle, NothingIsBuiltByDisplayCallsBeforeTheFirstStart) {
  FakePlatform clock(2024, 1, 1);
  Plugin plugin;
  EXPECT_STREQ(plugin.GetHoliday("K"), "");
  EXPECT_EQ(plugin.table().year(), 0);
}

TEST(Lifecycle, TableOfAnEarlierYearIsRebuiltOnTheFirstCallOfTheNewYear) {
  FakePlatform clock(2023, 12, 31);
  Plugin plugin;
  ASSERT_EQ(plugin.Startup(), 1);
  EXPECT_EQ(plugin.table().year(), 2023);
  clock.SetDate(2024, 3, 31);
  plugin.GetHoliday("K");
  EXPECT_EQ(plugin.table().year(), 2024);
}

}  // namespace
