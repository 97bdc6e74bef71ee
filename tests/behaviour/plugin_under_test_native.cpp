// Native build: the exports linked into the test program, on a fresh plug-in instance,
// the clock and executable path replaced through the platform seam.
#include <utility>

#include "plugin/exports.h"
#include "plugin/instance_seam.h"
#include "plugin_under_test.h"
#include "tests/plugin/fake_platform.h"

namespace kelotarhu::test {

struct PluginUnderTest::Platform {
  testing::FakePlatform fake{2026, 12, 8};
};

PluginUnderTest::PluginUnderTest() : platform_(std::make_unique<Platform>()) {
  plugin::ReplaceInstanceWithFresh();
}
PluginUnderTest::~PluginUnderTest() = default;

void PluginUnderTest::SetToday(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  platform_->fake.SetDate(year, month, day);
}

void PluginUnderTest::SetExecutablePath(std::string path) {
  platform_->fake.SetExecutablePath(std::move(path));
}

std::int32_t PluginUnderTest::dllstartup(std::uint32_t first, std::uint32_t second) {
  return ::dllstartup(first, second);
}

std::int32_t PluginUnderTest::dllshutdown(std::uint32_t argument) {
  return ::dllshutdown(argument);
}

std::int32_t PluginUnderTest::dlltype() { return ::dlltype(); }

const char* PluginUnderTest::init() { return ::init(); }

const char* PluginUnderTest::getinfo(std::uint32_t type) { return ::getinfo(type); }

std::int32_t PluginUnderTest::configure() { return ::configure(); }

const char* PluginUnderTest::GetFlag(const char* flag_path) { return ::GetFlag(0, flag_path); }

const char* PluginUnderTest::GetHoliday(const char* red_answer) {
  return ::GetHoliday(0, red_answer);
}

const char* PluginUnderTest::GetNameDay(const char* finnish_answer, const char* swedish_answer,
                                        const char* separator) {
  return ::GetNameDay(0, finnish_answer, swedish_answer, separator);
}

const char* PluginUnderTest::getparam(const char* function_name) {
  return ::getparam(function_name);
}

}  // namespace kelotarhu::test
