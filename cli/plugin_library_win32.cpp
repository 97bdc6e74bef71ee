#include <windows.h>

#include <string_view>

#include "cli/plugin_library.h"

namespace kelotarhu::cli {
namespace {

// UTF-8 to UTF-16, forward slashes turned into the backslashes LoadLibrary expects.
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

void* Load(const std::string& path) {
  const std::wstring windows_path = WindowsPath(path);
  if (GetFileAttributesW(windows_path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    throw PluginError("no such file: " + path);
  }
  // No message boxes when the file is no DLL: the caller reports the error.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryW(windows_path.c_str());
  if (!module) {
    throw PluginError("not a loadable library: " + path + " (" + SystemMessage(GetLastError()) +
                      ")");
  }
  return module;
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : handle_(Load(path)) {}

PluginLibrary::~PluginLibrary() { FreeLibrary(static_cast<HMODULE>(handle_)); }

void* PluginLibrary::Export(const char* name) const {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

}  // namespace kelotarhu::cli
