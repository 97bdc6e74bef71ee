#include <string_view>

#include "cli/io/windows_files.h"

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

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The system's text with its inserts ("%1", "%2!s!") filled: the first with `insert`,
// any other, which no caller has, left out with the blank before it.
std::string FilledInserts(std::string_view text, std::string_view insert) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%' || i + 1 == text.size() || !IsDigit(text[i + 1])) {
      filled += text[i];
      continue;
    }
    std::size_t end = i + 1;
    while (end < text.size() && IsDigit(text[end])) ++end;
    const bool first = text.substr(i + 1, end - i - 1) == "1";
    const std::size_t format_end =
        end < text.size() && text[end] == '!' ? text.find('!', end + 1) : std::string::npos;
    if (format_end != std::string::npos) end = format_end + 1;
    if (first && !insert.empty()) {
      filled += insert;
    } else if (filled.ends_with(' ')) {
      filled.pop_back();
    }
    i = end - 1;
  }
  return filled;
}

}  // namespace

std::string SystemMessage(DWORD error, std::string_view insert) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = "error " + std::to_string(error);
  if (length > 0) {
    std::string system_text = FilledInserts(Utf8FromWide({text, length}), insert);
    while (!system_text.empty() && (system_text.back() == '\n' || system_text.back() == '\r' ||
                                    system_text.back() == ' ')) {
      system_text.pop_back();
    }
    message.append(": ").append(system_text);
  }
  LocalFree(text);
  return message;
}

}  // namespace kelotarhu::cli
