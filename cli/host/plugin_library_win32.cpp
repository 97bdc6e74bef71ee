#include <windows.h>

#include <array>
#include <string_view>

#include "cli/host/plugin_system.h"
#include "cli/io/exit_codes.h"
#include "cli/io/windows_files.h"

namespace kelotarhu::cli {
namespace {

// The exceptions by which a plug-in's fault ends a process, with what the message says.
struct FatalException {
  DWORD code;
  std::string_view what;
};
constexpr std::array<FatalException, 7> kFatalExceptions = {{
    {EXCEPTION_ACCESS_VIOLATION, "access violation"},
    {EXCEPTION_STACK_OVERFLOW, "stack overflow"},
    {EXCEPTION_ILLEGAL_INSTRUCTION, "illegal instruction"},
    {EXCEPTION_INT_DIVIDE_BY_ZERO, "division by zero"},
    {EXCEPTION_PRIV_INSTRUCTION, "privileged instruction"},
    {EXCEPTION_IN_PAGE_ERROR, "page error"},
    {EXCEPTION_DATATYPE_MISALIGNMENT, "misaligned data"},
}};

volatile LONG watching = 0;
LPTOP_LEVEL_EXCEPTION_FILTER previous_filter = nullptr;

void Write(HANDLE output, std::string_view text) {
  DWORD written = 0;
  WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// Any other exception shows as its code, "exception 0xC0000409".
void WriteWhatHappened(HANDLE output, DWORD code) {
  for (const FatalException& fatal : kFatalExceptions) {
    if (fatal.code == code) return Write(output, fatal.what);
  }
  char hex[] = "exception 0x00000000";
  for (int digit = 0; digit < 8; ++digit) {
    hex[sizeof hex - 2 - digit] = "0123456789ABCDEF"[(code >> (4 * digit)) & 0xF];
  }
  Write(output, hex);
}

// Nothing of the crashed process runs on: no CRT, no DLL detach of the plug-in.
LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) {
  if (watching == 0) {  // not the plug-in's: as if this filter were not there
    return previous_filter ? previous_filter(exception) : EXCEPTION_CONTINUE_SEARCH;
  }
  const HANDLE output = GetStdHandle(STD_ERROR_HANDLE);
  Write(output, std::string_view(CrashMessage().text(), CrashMessage().size()));
  WriteWhatHappened(output, exception->ExceptionRecord->ExceptionCode);
  Write(output, ")\n");
  TerminateProcess(GetCurrentProcess(), kExitPluginFailure);
  return EXCEPTION_EXECUTE_HANDLER;
}

void InstallCrashFilter() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  previous_filter = SetUnhandledExceptionFilter(OnUnhandledException);
}

}  // namespace

PluginFileKind KindOfPluginFile(const std::string& path) {
  const std::wstring windows_path = WindowsPath(path);
  const DWORD attributes = GetFileAttributesW(windows_path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PluginFileKind::kMissing;
  return IsRegularFile(windows_path, attributes) ? PluginFileKind::kRegular
                                                 : PluginFileKind::kNotRegular;
}

void* OpenLibrary(const std::string& path, std::string& reason) {
  // No message boxes when the file is no DLL: the caller reports the error.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryW(WindowsPath(path).c_str());
  if (!module) {
    const std::size_t name_start = path.find_last_of("/\\:") + 1;  // 0 without a folder
    reason = SystemMessage(GetLastError(), path.substr(name_start));
  }
  return module;
}

void StartCrashWatch() {
  InstallCrashFilter();
  watching = 1;
}

void StopCrashWatch() { watching = 0; }

void CloseLibrary(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }

void* ExportOf(void* handle, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

}  // namespace kelotarhu::cli
