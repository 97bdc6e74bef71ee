#include <windows.h>

#include <array>
#include <string_view>

#include "cli/exit_codes.h"
#include "cli/language.h"
#include "cli/messages.h"
#include "cli/plugin_library.h"
#include "cli/windows_files.h"

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
    const std::size_t name_start = path.find_last_of("/\\:") + 1;  // 0 without a folder
    throw PluginError(
        Fill(texts.not_a_library,
             {QuotedPath(path), SystemMessage(GetLastError(), path.substr(name_start))}));
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

// Only this program's code runs meanwhile: nothing to crash while the message changes.
void CrashWatch::Retell(std::string_view message) { crash_message.Prepare(message); }

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
