#include "tests/win32/test_host.h"

#include <cstring>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "plugin/exports.h"

namespace kelotarhu::test {
namespace {

// The host's signatures must be the library's own.
static_assert(std::is_same_v<GetFlagFn, decltype(&::GetFlag)>);
static_assert(std::is_same_v<GetHolidayFn, decltype(&::GetHoliday)>);
static_assert(std::is_same_v<GetNameDayFn, decltype(&::GetNameDay)>);
static_assert(std::is_same_v<GetParamFn, decltype(&::getparam)>);
static_assert(std::is_same_v<DllTypeFn, decltype(&::dlltype)>);
static_assert(std::is_same_v<InitFn, decltype(&::init)>);
static_assert(std::is_same_v<GetInfoFn, decltype(&::getinfo)>);
static_assert(std::is_same_v<ConfigureFn, decltype(&::configure)>);
static_assert(std::is_same_v<DllShutdownFn, decltype(&::dllshutdown)>);
static_assert(std::is_same_v<DllStartupFn, decltype(&::dllstartup)>);

// What the stand-in system functions answer. Shared by all of them, hence one host.
struct StandInSystem {
  std::optional<SYSTEMTIME> today;  // empty: the real clock
  enum class PathMode { kReal, kGiven, kFail } path_mode = PathMode::kReal;
  std::string executable_path;
};

StandInSystem& System() {
  static StandInSystem system;
  return system;
}

bool host_exists = false;

// Replaces the library's GetLocalTime. The host's own import still reaches Windows.
void WINAPI HostGetLocalTime(LPSYSTEMTIME time) {
  if (System().today) {
    *time = *System().today;
  } else {
    GetLocalTime(time);
  }
}

// Copies `path` as Windows does: a buffer too small gets the truncated, terminated
// path, the result is the buffer size and the last error ERROR_INSUFFICIENT_BUFFER.
DWORD ReportPath(const std::string& path, LPSTR buffer, DWORD size) {
  if (size == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  if (path.size() < size) {
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
  }
  std::memcpy(buffer, path.data(), size - 1);
  buffer[size - 1] = '\0';
  SetLastError(ERROR_INSUFFICIENT_BUFFER);
  return size;
}

// Replaces the library's GetModuleFileNameA; only the executable's path is staged.
DWORD WINAPI HostGetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
  const StandInSystem& system = System();
  if (module != nullptr || system.path_mode == StandInSystem::PathMode::kReal) {
    return GetModuleFileNameA(module, buffer, size);
  }
  if (system.path_mode == StandInSystem::PathMode::kFail) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  return ReportPath(system.executable_path, buffer, size);
}

// One export, found by name and by ordinal; the two must be the same function.
template <typename Function>
Function ExportOf(HMODULE module, const char* name, WORD ordinal) {
  const FARPROC by_name = GetProcAddress(module, name);
  const FARPROC by_ordinal = GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
  if (by_name == nullptr) throw std::runtime_error(std::string("no export named ") + name);
  if (by_ordinal != by_name) {
    throw std::runtime_error(std::string("export ") + name + " is not ordinal " +
                             std::to_string(ordinal));
  }
  // Through the generic function pointer type, which converts to any other.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(by_name));
}

// The library's import address table slot for `function` of KERNEL32, found through
// the import descriptors and their name tables; null when the library has no such import.
ULONG_PTR* KernelImportSlot(HMODULE module, const char* function) {
  auto* const base = reinterpret_cast<BYTE*>(module);
  const auto* const dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* const nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return nullptr;
  for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       dll->Name != 0; ++dll) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), "KERNEL32.dll") != 0) continue;
    auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
    auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
    for (; name->u1.AddressOfData != 0; ++name, ++slot) {
      if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
      const auto* import =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(import->Name), function) == 0) {
        return &slot->u1.Function;
      }
    }
  }
  return nullptr;
}

// Points the library's import of KERNEL32!`function` at `replacement`.
void ReplaceKernelImport(HMODULE module, const char* function, ULONG_PTR replacement) {
  ULONG_PTR* const slot = KernelImportSlot(module, function);
  if (slot == nullptr) {
    throw std::runtime_error(std::string("the library does not import KERNEL32!") + function);
  }
  DWORD protection = 0;
  if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) {
    throw std::runtime_error(std::string("cannot unprotect the import of ") + function);
  }
  *slot = replacement;
  VirtualProtect(slot, sizeof *slot, protection, &protection);
}

template <typename Function>
ULONG_PTR AddressOf(Function function) {
  return reinterpret_cast<ULONG_PTR>(function);
}

}  // namespace

std::string BuiltDllPath() { return WindowsPathOf(KELOTARHU_DLL_PATH); }

std::string WindowsPathOf(const std::string& path) {
  if (path.empty() || path.front() != '/') return path;
  std::string windows = "Z:" + path;
  for (char& c : windows) {
    if (c == '/') c = '\\';
  }
  return windows;
}

PluginHost::PluginHost(std::string dll_path) : dll_path_(std::move(dll_path)) {
  if (host_exists) throw std::runtime_error("only one PluginHost may exist at a time");
  UseRealClock();
  UseRealExecutablePath();
  Load();
  host_exists = true;
}

PluginHost::~PluginHost() {
  if (module_ != nullptr) FreeLibrary(module_);
  host_exists = false;
}

void PluginHost::Reload() {
  Unload();
  Load();
}

void PluginHost::Unload() {
  if (module_ == nullptr) return;
  FreeLibrary(module_);
  module_ = nullptr;
  exports_ = {};
  // Fresh state on the next load needs the library really gone from the process.
  if (GetModuleHandleA(dll_path_.c_str()) != nullptr) {
    throw std::runtime_error("the library stayed loaded after FreeLibrary: " + dll_path_);
  }
}

void PluginHost::Load() {
  if (module_ != nullptr) return;
  module_ = LoadLibraryA(dll_path_.c_str());
  if (module_ == nullptr) {
    throw std::runtime_error("cannot load " + dll_path_ + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
  try {
    ResolveExports();
    ReplaceImports();
  } catch (...) {
    FreeLibrary(module_);
    module_ = nullptr;
    exports_ = {};
    throw;
  }
}

void PluginHost::ResolveExports() {
  exports_.GetFlag = ExportOf<GetFlagFn>(module_, "GetFlag", 1);
  exports_.GetHoliday = ExportOf<GetHolidayFn>(module_, "GetHoliday", 2);
  exports_.GetNameDay = ExportOf<GetNameDayFn>(module_, "GetNameDay", 3);
  exports_.getparam = ExportOf<GetParamFn>(module_, "getparam", 4);
  exports_.dlltype = ExportOf<DllTypeFn>(module_, "dlltype", 5);
  exports_.init = ExportOf<InitFn>(module_, "init", 6);
  exports_.getinfo = ExportOf<GetInfoFn>(module_, "getinfo", 7);
  exports_.configure = ExportOf<ConfigureFn>(module_, "configure", 8);
  exports_.dllshutdown = ExportOf<DllShutdownFn>(module_, "dllshutdown", 9);
  exports_.dllstartup = ExportOf<DllStartupFn>(module_, "dllstartup", 10);
}

void PluginHost::ReplaceImports() {
  ReplaceKernelImport(module_, "GetLocalTime", AddressOf(&HostGetLocalTime));
  ReplaceKernelImport(module_, "GetModuleFileNameA", AddressOf(&HostGetModuleFileNameA));
}

void PluginHost::SetToday(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  SYSTEMTIME today{};
  today.wYear = year;
  today.wMonth = month;
  today.wDay = day;
  today.wHour = 12;
  System().today = today;
}

void PluginHost::UseRealClock() { System().today.reset(); }

void PluginHost::SetExecutablePath(std::string path) {
  System().executable_path = std::move(path);
  System().path_mode = StandInSystem::PathMode::kGiven;
}

void PluginHost::FailExecutablePath() { System().path_mode = StandInSystem::PathMode::kFail; }

void PluginHost::UseRealExecutablePath() { System().path_mode = StandInSystem::PathMode::kReal; }

}  // namespace kelotarhu::test
