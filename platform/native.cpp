// Native (POSIX) platform: local clock from the C library, executable path from /proc.
#include <unistd.h>

#include <cstring>
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

// readlink neither terminates nor says whether it cut the path short; a result that
// fills the buffer is taken as cut short.
std::size_t ProcSelfExe(char* buffer, std::size_t size) {
  const ssize_t length = readlink("/proc/self/exe", buffer, size);
  if (length <= 0) return 0;
  const auto written = static_cast<std::size_t>(length);
  if (written >= size) return size;
  buffer[written] = '\0';
  return written;
}

// Copies a stand-in path as GetModuleFileNameA does: cut short and terminated when the
// buffer is too small.
std::size_t CopyPath(std::string_view path, char* buffer, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t copied = path.size() < size ? path.size() : size - 1;
  std::memcpy(buffer, path.data(), copied);
  buffer[copied] = '\0';
  return path.size() < size ? copied : size;
}

ClockSource clock_source = SystemToday;
ExecutablePathSource executable_path_source = nullptr;  // null: /proc/self/exe

}  // namespace

void SetClockSource(ClockSource source) { clock_source = source ? source : SystemToday; }

void SetExecutablePathSource(ExecutablePathSource source) { executable_path_source = source; }

LocalDate LocalToday() { return clock_source(); }

std::size_t HostExecutablePath(char* buffer, std::size_t size) {
  return executable_path_source ? CopyPath(executable_path_source(), buffer, size)
                                : ProcSelfExe(buffer, size);
}

void UpperCaseInPlace(char* text, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    text[i] = static_cast<char>(UpperCase1252(static_cast<unsigned char>(text[i])));
  }
}

}  // namespace kelotarhu::platform
