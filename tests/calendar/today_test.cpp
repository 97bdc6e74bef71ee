// Today's date comes from the platform's local clock, time of day dropped.
#include "calendar/today.h"

#include <gtest/gtest.h>

#include "platform/native_seams.h"

namespace kelotarhu::calendar {
namespace {

platform::LocalDate clock_reading;

platform::LocalDate ReadClock() { return clock_reading; }

class RefreshCurrentDateTest : public testing::Test {
 protected:
  RefreshCurrentDateTest() { platform::SetClockSource(ReadClock); }
  ~RefreshCurrentDateTest() override { platform::SetClockSource(nullptr); }
};

TEST_F(RefreshCurrentDateTest, StoresTheClocksYearMonthAndDay) {
  constexpr platform::LocalDate kReadings[] = {{2026, 12, 8}, {2024, 2, 29}, {9999, 12, 31}};
  Date current_date;
  for (const platform::LocalDate& reading : kReadings) {
    clock_reading = reading;
    RefreshCurrentDate(current_date);
    EXPECT_EQ(current_date, (Date{reading.year, reading.month, reading.day}));
  }
}

}  // namespace
}  // namespace kelotarhu::calendar
