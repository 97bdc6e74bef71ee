// A start that runs out of memory while it builds the year table: dllstartup tells the
// host with 0, no exception crosses the export, and the next display call builds the
// table and answers normally. A program of its own, since only the first start of a
// process is sure to allocate (later builds reuse the table's texts).
#include <gtest/gtest.h>

#include "calendar/windows_1252.h"
#include "failing_allocator.h"
#include "plugin/exports.h"
#include "tests/plugin/fake_platform.h"

using namespace kelotarhu::calendar::literals;

namespace {

using kelotarhu::hardening::FailingAllocations;
using kelotarhu::testing::FakePlatform;

TEST(StartupAllocationFailure, NextDisplayCallBuildsTheTable) {
  FakePlatform clock(2026, 12, 6);
  std::int32_t started = -1;
  {
    FailingAllocations out_of_memory;
    started = dllstartup(0, 0);
  }
  EXPECT_EQ(started, 0);
  EXPECT_STREQ(GetHoliday(0, "K"), "Itsenäisyyspäivä."_cp1252);
  EXPECT_STREQ(GetFlag(0, "C:\\lippu.gif"), "C:\\lippu.gif");
  EXPECT_STREQ(GetNameDay(0, "K", "E", "0"), "Niilo, Niko, Niklas");
}

}  // namespace
