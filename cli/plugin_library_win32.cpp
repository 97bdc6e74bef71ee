#include <windows.h>

#include <array>
#include <string_view>

#include "cli/exit_codes.h"
#include "cli/language.h"
#include "cli/messages.h"
#include "cli/plugin_library.h"

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

CrashMessageStart crash_message;
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
  Write(output, std::string_view(crash_message.text(), crash_message.size()));
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

// A file on a disk, not a folder, a pipe or a device. Opened without access rights,
// which neither waits nor changes anything.
bool IsRegularFile(const std::wstring& path, DWORD attributes) {
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return false;
  const HANDLE file =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return true;  // LoadLibrary reports why it cannot
  const bool on_disk = GetFileType(file) == FILE_TYPE_DISK;
  CloseHandle(file);
  return on_disk;
}

void* Load(const std::string& path, const Texts& texts) {
  const std::wstring windows_path = WindowsPath(path);
  const DWORD attributes = GetFileAttributesW(windows_path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    throw PluginError(Fill(texts.no_such_file, {QuotedPath(path)}));
  }
  if (!IsRegularFile(windows_path, attributes)) {
    throw PluginError(Fill(texts.not_a_regular_file, {QuotedPath(path)}));
  }
  // No message boxes when the file is no DLL: the caller reports the error.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  const CrashWatch watch(Fill(texts.crashed, {texts.while_loading}));
  HMODULE module = LoadLibraryW(windows_path.c_str());
  if (!module) {
    throw PluginError(Fill(texts.not_a_library, {QuotedPath(path), SystemMessage(GetLastError())}));
  }
  return module;
}

}  // namespace

CrashWatch::CrashWatch(std::string_view message) {
  InstallCrashFilter();
  crash_message.Prepare(message);
  watching = 1;
}

CrashWatch::~CrashWatch() { watching = 0; }

PluginLibrary::PluginLibrary(const std::string& path, const Texts& texts)
    : texts_(texts), handle_(Load(path, texts)) {}

PluginLibrary::~PluginLibrary() {
  const CrashWatch watch(Fill(texts_.crashed, {texts_.while_unloading}));
  FreeLibrary(static_cast<HMODULE>(handle_));
}

void* PluginLibrary::Export(const char* name) const {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

}  // namespace kelotarhu::cli
