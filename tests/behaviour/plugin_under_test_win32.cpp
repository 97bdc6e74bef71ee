// Windows build: the real Kelotarhu.dll, loaded by the test host, which replaces the
// library's imports of GetLocalTime and GetModuleFileNameA.
#include <utility>

#include "plugin_under_test.h"
#include "tests/win32/test_host.h"

namespace kelotarhu::test {

struct PluginUnderTest::Platform {
  PluginHost host;
};

PluginUnderTest::PluginUnderTest() : platform_(std::make_unique<Platform>()) {}
PluginUnderTest::~PluginUnderTest() = default;

void PluginUnderTest::SetToday(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  platform_->host.SetToday(year, month, day);
}

void PluginUnderTest::SetExecutablePath(std::string path) {
  platform_->host.SetExecutablePath(std::move(path));
}

std::int32_t PluginUnderTest::dllstartup(std::uint32_t first, std::uint32_t second) {
  return platform_->host.dll().dllstartup(first, second);
}

std::int32_t PluginUnderTest::dllshutdown(std::uint32_t argument) {
  return platform_->host.dll().dllshutdown(argument);
}

std::int32_t PluginUnderTest::dlltype() { return platform_->host.dll().dlltype(); }

const char* PluginUnderTest::init() { return platform_->host.dll().init(); }

const char* PluginUnderTest::getinfo(std::uint32_t type) {
  return platform_->host.dll().getinfo(type);
}

std::int32_t PluginUnderTest::configure() { return platform_->host.dll().configure(); }

const char* PluginUnderTest::GetFlag(const char* flag_path) {
  return platform_->host.dll().GetFlag(0, flag_path);
}

const char* PluginUnderTest::GetHoliday(const char* red_answer) {
  return platform_->host.dll().GetHoliday(0, red_answer);
}

const char* PluginUnderTest::GetNameDay(const char* finnish_answer, const char* swedish_answer,
                                        const char* separator) {
  return platform_->host.dll().GetNameDay(0, finnish_answer, swedish_answer, separator);
}

const char* PluginUnderTest::getparam(const char* function_name) {
  return platform_->host.dll().getparam(function_name);
}

}  // namespace kelotarhu::test
