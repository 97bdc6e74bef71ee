// GoogleTest fixture for the behaviour tests: each test gets the plug-in in its load-time
// state, natively or as the real Kelotarhu.dll, with the date under the test's control.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/behaviour/plugin_under_test.h"

namespace kelotarhu::test {

// A text returned by the plug-in; a null pointer fails the test (the plug-in never
// returns one) and reads as the empty text.
inline std::string TextOf(const char* text) {
  EXPECT_NE(text, nullptr) << "the plug-in returned a null pointer";
  return text == nullptr ? std::string() : std::string(text);
}

// A possibly null argument as a trace shows it.
inline std::string Shown(const char* argument) {
  return argument == nullptr ? "(null)" : '"' + std::string(argument) + '"';
}

class PluginTest : public ::testing::Test {
 protected:
  // Sets the clock to the given date and starts the plug-in there; returns the start count.
  std::int32_t StartOn(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    plugin_.SetToday(year, month, day);
    return plugin_.dllstartup();
  }

  PluginUnderTest plugin_;
};

template <typename Case>
class PluginTestWithParam : public PluginTest, public ::testing::WithParamInterface<Case> {};

}  // namespace kelotarhu::test
