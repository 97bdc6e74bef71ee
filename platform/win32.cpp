// Win32 platform: the three system calls the DLL makes, nothing more.
#include <windows.h>

#include "platform/platform.h"

namespace kelotarhu::platform {

static_assert(sizeof(std::size_t) == sizeof(DWORD), "the DLL is 32-bit: sizes fit a DWORD");

LocalDate LocalToday() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

std::size_t HostExecutablePath(char* buffer, std::size_t size) {
  return GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
}

void UpperCaseInPlace(char* text, std::size_t length) {
  CharUpperBuffA(text, static_cast<DWORD>(length));
}

}  // namespace kelotarhu::platform
