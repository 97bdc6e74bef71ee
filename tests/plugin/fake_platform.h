// Sets the native platform's clock and executable path for one test, and restores the
// real ones afterwards.
#pragma once

#include <cstdint>
#include <string>

namespace kelotarhu::testing {

class FakePlatform {
 public:
  FakePlatform(std::uint16_t year, std::uint16_t month, std::uint16_t day);
  ~FakePlatform();
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  void SetDate(std::uint16_t year, std::uint16_t month, std::uint16_t day);
  void SetExecutablePath(std::string path);
};

}  // namespace kelotarhu::testing
