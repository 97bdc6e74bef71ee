#include <string_view>

#include "cli/windows_files.h"

namespace kelotarhu::cli {

std::wstring WindowsPath(const std::string& path) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(), size);
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return wide;
}

bool IsRegularFile(const std::wstring& path, DWORD attributes) {
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return false;
  const HANDLE file =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return true;
  const bool on_disk = GetFileType(file) == FILE_TYPE_DISK;
  CloseHandle(file);
  return on_disk;
}

std::string SystemMessage(DWORD error) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = "error " + std::to_string(error);
  if (length > 0) {
    std::string_view system_text(text, length);
    while (!system_text.empty() && (system_text.back() == '\n' || system_text.back() == '\r' ||
                                    system_text.back() == ' ')) {
      system_text.remove_suffix(1);
    }
    message.append(": ").append(system_text);
  }
  LocalFree(text);
  return message;
}

}  // namespace kelotarhu::cli
