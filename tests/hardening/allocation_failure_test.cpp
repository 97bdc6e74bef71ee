// No exception crosses an export: when memory runs out inside a display call or
// getparam, the exported function answers the empty text, and its next call answers
// normally.
#include <gtest/gtest.h>

#include <string>

#include "failing_allocator.h"
#include "plugin/exports.h"
#include "tests/plugin/fake_platform.h"

namespace {

using kelotarhu::hardening::FailingAllocations;
using kelotarhu::hardening::LargestAllocation;
using kelotarhu::testing::FakePlatform;

// A text that no buffer of the plug-in can hold yet: copying it must allocate.
std::string TextThatMustBeAllocated(char fill) {
  return std::string(LargestAllocation() + 1, fill);
}

TEST(AllocationFailure, GetNameDayAnswersEmptyThenNormally) {
  FakePlatform clock(2026, 10, 26);
  ASSERT_GT(dllstartup(0, 0), 0);
  const std::string separator = TextThatMustBeAllocated('|');
  const char* failed = nullptr;
  {
    FailingAllocations out_of_memory;
    failed = GetNameDay(0, "K", "K", separator.c_str());
  }
  EXPECT_STREQ(failed, "");
  EXPECT_EQ(GetNameDay(0, "K", "K", separator.c_str()),
            "Amanda, Niina, Manta" + separator + "Amanda, Nina");
}

TEST(AllocationFailure, GetFlagAnswersEmptyThenNormally) {
  FakePlatform clock(2026, 12, 6);
  ASSERT_GT(dllstartup(0, 0), 0);
  const std::string path = TextThatMustBeAllocated('p');
  const char* failed = nullptr;
  {
    FailingAllocations out_of_memory;
    failed = GetFlag(0, path.c_str());
  }
  EXPECT_STREQ(failed, "");
  EXPECT_EQ(GetFlag(0, path.c_str()), path);
}

// The first GetHoliday of this program: its result text holds nothing yet, and the feast
// text of 1 May 2008 is too long to be kept without an allocation.
TEST(AllocationFailure, GetHolidayAnswersEmptyThenNormally) {
  FakePlatform clock(2008, 5, 1);
  ASSERT_GT(dllstartup(0, 0), 0);
  const char* failed = nullptr;
  {
    FailingAllocations out_of_memory;
    failed = GetHoliday(0, "K");
  }
  EXPECT_STREQ(failed, "");
  EXPECT_STREQ(GetHoliday(0, "K"), "Vappu / Helatorstai.");
}

// The executable's path is fetched anew at every call, into a fresh text.
TEST(AllocationFailure, GetParamAnswersEmptyThenNormally) {
  FakePlatform clock(2026, 12, 6);
  clock.SetExecutablePath("C:\\Program Files\\Host\\host.exe");
  const char* failed = nullptr;
  {
    FailingAllocations out_of_memory;
    failed = getparam("GetFlag");
  }
  EXPECT_STREQ(failed, "");
  EXPECT_STREQ(getparam("GetFlag"),
               "Polku jossa lipun kuva sijaitsee=C:\\Program Files\\Host\\plugins\\flag.gif|");
}

}  // namespace
