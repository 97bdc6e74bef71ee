// What the Windows parts of the tool share about files: their paths as Windows takes
// them, what kind of file is there, and the system's words for a failure.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kelotarhu::cli {

// UTF-8 to UTF-16, forward slashes turned into the backslashes Windows expects.
std::wstring WindowsPath(const std::string& path);

// A file on a disk, not a folder, a pipe or a device; `attributes` are the path's. Opened
// without access rights, which neither waits nor changes anything; true when it cannot
// be opened, for the caller to report why.
bool IsRegularFile(const std::wstring& path, DWORD attributes);

// UTF-16 to UTF-8.
std::string Utf8FromWide(std::wstring_view text);

// The system's message for the error code in UTF-8: "error 2: The system cannot find
// the file specified."; a message that names a file ("%1 is not a valid Win32
// application") names `insert` there, or nothing.
std::string SystemMessage(DWORD error, std::string_view insert = {});

}  // namespace kelotarhu::cli
