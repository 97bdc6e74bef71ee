// The three things the plug-in asks of the operating system. The DLL gets them from
// Win32 (GetLocalTime, GetModuleFileNameA, CharUpperBuffA); the native build from
// the C library and /proc, with a clock that tests can replace.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kelotarhu::platform {

struct LocalDate {
  std::uint16_t year = 0;
  std::uint16_t month = 0;
  std::uint16_t day = 0;
};

// Today's date on the machine's local clock.
LocalDate LocalToday();

// Full path of the running program's executable (not of this library), by the rules
// of GetModuleFileNameA: written to `buffer` (`size` bytes), its length returned; 0
// when the system cannot tell; `size` when the path was cut short to fit, in which
// case the buffer need not be terminated.
std::size_t HostExecutablePath(char* buffer, std::size_t size);

// Upper-cases `length` bytes of single-byte Windows-1252 text in place by the Windows
// rules.
void UpperCaseInPlace(char* text, std::size_t length);

}  // namespace kelotarhu::platform
