// Win32 platform: the three system calls the DLL makes, nothing more.
#include <windows.h>

#include <algorithm>

#include "platform/platform.h"

namespace kelotarhu::platform {

LocalDate LocalToday() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

std::string HostExecutablePath() {
  // GetModuleFileNameA truncates silently when the buffer is too small, so grow
  // until the answer fits with room to spare (long paths reach 32767 characters).
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 65536) return {};
    path.resize(path.size() * 2);
  }
}

void UpperCaseInPlace(std::string& text) {
  // CharUpperBuffA takes a DWORD length; texts longer than that are upper-cased in parts.
  constexpr std::size_t kChunk = 1u << 30;
  for (std::size_t offset = 0; offset < text.size(); offset += kChunk) {
    const std::size_t length = std::min(kChunk, text.size() - offset);
    CharUpperBuffA(text.data() + offset, static_cast<DWORD>(length));
  }
}

}  // namespace kelotarhu::platform
