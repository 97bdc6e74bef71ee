// Win32 platform: the three system calls the DLL makes, nothing more.
#include <windows.h>

#include "platform/platform.h"

namespace kelotarhu::platform {

LocalDate LocalToday() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

std::size_t HostExecutablePath(char* buffer, std::size_t size) {
  // The caller's buffers stay far below 4 GiB (a path has at most 32767 characters).
  return GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
}

void UpperCaseInPlace(char* text, std::size_t length) {
  // CharUpperBuffA takes a DWORD length; texts longer than that are upper-cased in parts.
  constexpr std::size_t kChunk = 1u << 30;
  for (std::size_t offset = 0; offset < length; offset += kChunk) {
    const std::size_t part = length - offset < kChunk ? length - offset : kChunk;
    CharUpperBuffA(text + offset, static_cast<DWORD>(part));
  }
}

}  // namespace kelotarhu::platform
