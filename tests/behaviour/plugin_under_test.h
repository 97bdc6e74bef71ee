// The plug-in as the behaviour tests drive it: through its exported functions, with the
// date and the executable path that it sees under the test's control. Natively the
// exports are linked into the test program and the platform seam stands in for the
// clock; under Wine they are the real Kelotarhu.dll's, loaded by the Windows test host.
// Each PluginUnderTest starts from the state that loading the library leaves.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace kelotarhu::test {

class PluginUnderTest {
 public:
  PluginUnderTest();
  ~PluginUnderTest();
  PluginUnderTest(const PluginUnderTest&) = delete;
  PluginUnderTest& operator=(const PluginUnderTest&) = delete;

  void SetToday(std::uint16_t year, std::uint16_t month, std::uint16_t day);
  void SetExecutablePath(std::string path);

  std::int32_t dllstartup(std::uint32_t first = 0, std::uint32_t second = 0);
  std::int32_t dllshutdown(std::uint32_t argument = 0);
  std::int32_t dlltype();
  const char* init();
  const char* getinfo(std::uint32_t type);
  std::int32_t configure();
  const char* GetFlag(const char* flag_path);
  const char* GetHoliday(const char* red_answer);
  const char* GetNameDay(const char* finnish_answer, const char* swedish_answer,
                         const char* separator);
  const char* getparam(const char* function_name);

 private:
  struct Platform;
  std::unique_ptr<Platform> platform_;
};

}  // namespace kelotarhu::test
