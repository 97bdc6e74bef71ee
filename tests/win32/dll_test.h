// GoogleTest fixture for tests of the real Kelotarhu.dll: each test gets the library
// freshly loaded (load-time plug-in state) with the date and executable path under the
// test's control.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/win32/test_host.h"

namespace kelotarhu::test {

// A text returned by the library; a null pointer fails the test (the library never
// returns one) and reads as the empty text.
inline std::string Text(const char* text) {
  EXPECT_NE(text, nullptr) << "the library returned a null pointer";
  return text == nullptr ? std::string() : std::string(text);
}

class DllTest : public ::testing::Test {
 protected:
  const Exports& dll() const { return host_.dll(); }

  // Sets the clock to the given date and starts the plug-in there; returns the start count.
  std::int32_t StartOn(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    host_.SetToday(year, month, day);
    return dll().dllstartup(0, 0);
  }

  PluginHost host_;
};

}  // namespace kelotarhu::test
