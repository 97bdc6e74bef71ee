#include "fake_platform.h"

#include <utility>

#include "platform/native_seams.h"

namespace kelotarhu::testing {
namespace {

platform::LocalDate fake_today;
std::string fake_executable_path;

platform::LocalDate FakeToday() { return fake_today; }
std::string_view FakeExecutablePath() { return fake_executable_path; }

}  // namespace

FakePlatform::FakePlatform(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  SetDate(year, month, day);
  platform::SetClockSource(FakeToday);
  platform::SetExecutablePathSource(FakeExecutablePath);
}

FakePlatform::~FakePlatform() {
  platform::SetClockSource(nullptr);
  platform::SetExecutablePathSource(nullptr);
}

void FakePlatform::SetDate(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  fake_today = {year, month, day};
}

void FakePlatform::SetExecutablePath(std::string path) { fake_executable_path = std::move(path); }

}  // namespace kelotarhu::testing
