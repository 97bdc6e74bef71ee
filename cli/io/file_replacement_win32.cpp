#include <windows.h>

#include <cerrno>
#include <string_view>

#include "cli/io/file_replacement.h"
#include "cli/io/windows_files.h"

namespace kelotarhu::cli {
namespace {

// The new file while it is written, for the console's Ctrl+C, Ctrl+Break or close to
// delete as the program ends. Opened for deletion by others, so that deleting it while
// it is open marks it to go at its close (and its rename to fail).
std::wstring pending_path;
volatile LONG pending = 0;

BOOL WINAPI RemovePending(DWORD) {
  if (pending != 0) DeleteFileW(pending_path.c_str());
  return FALSE;  // and the program ends as it would have
}

// A name in the folder no other file has: ".NAME.PID-N.tmp".
HANDLE CreateNewFile(const std::wstring& target, std::wstring& path) {
  const std::size_t folder_end = target.find_last_of(L"\\:") + 1;  // 0 without a folder
  const std::wstring start = target.substr(0, folder_end) + L"." + target.substr(folder_end) +
                             L"." + std::to_wstring(GetCurrentProcessId()) + L"-";
  for (unsigned attempt = 0;; ++attempt) {
    path = start + std::to_wstring(attempt) + L".tmp";
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    constexpr std::size_t kLargestWrite = 1 << 30;
    DWORD written = 0;
    const auto size =
        static_cast<DWORD>(bytes.size() < kLargestWrite ? bytes.size() : kLargestWrite);
    if (!WriteFile(file, bytes.data(), size, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// The common reasons as the C library numbers them, so that they are worded in the
// user's language; the others in the system's words only.
int ErrorNumberOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILE_TOO_LARGE:
      return EFBIG;
    default:
      return 0;
  }
}

FileFailure Failure(DWORD error) { return {ErrorNumberOf(error), SystemMessage(error)}; }

// A console, a pipe or a device (CON, NUL), written as it is.
std::optional<FileFailure> WriteInPlace(const std::wstring& target, std::string_view bytes) {
  const HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Failure(GetLastError());
  const bool written = WriteAll(file, bytes);
  const DWORD error = GetLastError();
  CloseHandle(file);
  if (!written) return Failure(error);
  return std::nullopt;
}

// Writes, flushes to disk and renames the new file over the target.
bool Replace(HANDLE file, const std::wstring& path, const std::wstring& target,
             std::string_view bytes) {
  const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
  const DWORD error = GetLastError();
  CloseHandle(file);
  SetLastError(error);
  return written && MoveFileExW(path.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

std::optional<FileFailure> ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const std::wstring target = WindowsPath(path);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && !IsRegularFile(target, attributes)) {
    return WriteInPlace(target, bytes);
  }
  SetConsoleCtrlHandler(RemovePending, TRUE);
  std::wstring new_path;
  const HANDLE file = CreateNewFile(target, new_path);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    SetConsoleCtrlHandler(RemovePending, FALSE);
    return Failure(error);
  }
  pending_path = new_path;
  pending = 1;
  const bool replaced = Replace(file, new_path, target, bytes);
  const DWORD error = GetLastError();
  pending = 0;
  if (!replaced) DeleteFileW(new_path.c_str());
  SetConsoleCtrlHandler(RemovePending, FALSE);
  if (!replaced) return Failure(error);
  return std::nullopt;
}

}  // namespace kelotarhu::cli
