// The three things the plug-in asks of the operating system. The DLL gets them from
// Win32 (GetLocalTime, GetModuleFileNameA, CharUpperBuffA); the native build from
// the C library and /proc, with a clock that tests can replace.
#pragma once

#include <cstdint>
#include <string>

namespace kelotarhu::platform {

struct LocalDate {
  std::uint16_t year = 0;
  std::uint16_t month = 0;
  std::uint16_t day = 0;
};

// Today's date on the machine's local clock.
LocalDate LocalToday();

// Full path of the running program's executable (not of this library); empty when
// the system cannot tell.
std::string HostExecutablePath();

// Upper-cases single-byte Windows-1252 text in place by the Windows rules.
void UpperCaseInPlace(std::string& text);

}  // namespace kelotarhu::platform
