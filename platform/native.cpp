// Native (POSIX) platform: local clock from the C library, executable path from /proc.
#include <unistd.h>

#include <ctime>

#include "platform/native_seams.h"
#include "platform/upper_case_1252.h"

namespace kelotarhu::platform {
namespace {

LocalDate SystemToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {static_cast<std::uint16_t>(local.tm_year + 1900),
          static_cast<std::uint16_t>(local.tm_mon + 1), static_cast<std::uint16_t>(local.tm_mday)};
}

std::string ProcSelfExe() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < path.size()) {
      path.resize(static_cast<std::size_t>(length));
      return path;
    }
    path.resize(path.size() * 2);
  }
}

ClockSource clock_source = SystemToday;
ExecutablePathSource executable_path_source = ProcSelfExe;

}  // namespace

void SetClockSource(ClockSource source) { clock_source = source ? source : SystemToday; }

void SetExecutablePathSource(ExecutablePathSource source) {
  executable_path_source = source ? source : ProcSelfExe;
}

LocalDate LocalToday() { return clock_source(); }

std::string HostExecutablePath() { return executable_path_source(); }

void UpperCaseInPlace(std::string& text) {
  for (char& c : text) c = static_cast<char>(UpperCase1252(static_cast<unsigned char>(c)));
}

}  // namespace kelotarhu::platform
