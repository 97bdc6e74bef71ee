// A test host for the shipped Kelotarhu.dll: it loads the real library, finds its ten
// exports by name and by ordinal, and stands in for the two Windows calls through which
// the library learns about the world (GetLocalTime for today's date, GetModuleFileNameA
// for the host executable's path). It does so by rewriting the library's own import
// address table, so the binary under test is the one that ships, with no test switch.
//
// Usage:
//   kelotarhu::test::PluginHost host;           // loads the DLL next to the tests
//   host.SetToday(2024, 12, 6);
//   host.dll().dllstartup(0, 0);
//   const char* feasts = host.dll().GetHoliday(0, "K");
//   host.Reload();                              // fresh plug-in state, still patched
//
// Only one PluginHost may exist at a time: the stand-in system functions are plain
// stdcall functions and share one date and one path. A new host starts with the real
// clock and the real executable path; Reload() keeps what was set.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace kelotarhu::test {

// The exports' exact stdcall signatures.
using GetFlagFn = const char*(__stdcall*)(std::uint32_t, const char*);
using GetHolidayFn = const char*(__stdcall*)(std::uint32_t, const char*);
using GetNameDayFn = const char*(__stdcall*)(std::uint32_t, const char*, const char*, const char*);
using GetParamFn = const char*(__stdcall*)(const char*);
using DllTypeFn = std::int32_t(__stdcall*)();
using InitFn = const char*(__stdcall*)();
using GetInfoFn = const char*(__stdcall*)(std::uint32_t);
using ConfigureFn = std::int32_t(__stdcall*)();
using DllShutdownFn = std::int32_t(__stdcall*)(std::uint32_t);
using DllStartupFn = std::int32_t(__stdcall*)(std::uint32_t, std::uint32_t);

// The ten exports of one loaded library, named as exported. Each pointer was found both
// by name and by its fixed ordinal, and the two agreed.
struct Exports {
  GetFlagFn GetFlag = nullptr;          // ordinal 1
  GetHolidayFn GetHoliday = nullptr;    // ordinal 2
  GetNameDayFn GetNameDay = nullptr;    // ordinal 3
  GetParamFn getparam = nullptr;        // ordinal 4
  DllTypeFn dlltype = nullptr;          // ordinal 5
  InitFn init = nullptr;                // ordinal 6
  GetInfoFn getinfo = nullptr;          // ordinal 7
  ConfigureFn configure = nullptr;      // ordinal 8
  DllShutdownFn dllshutdown = nullptr;  // ordinal 9
  DllStartupFn dllstartup = nullptr;    // ordinal 10
};

// The library built with the tests (Kelotarhu.dll of this build), as a Windows path.
std::string BuiltDllPath();

// A path that Windows file functions accept: a Unix absolute path ("/work/x") becomes
// the Wine drive path "Z:\work\x"; any other path is returned as it is.
std::string WindowsPathOf(const std::string& path);

class PluginHost {
 public:
  // Loads the library at `dll_path` (by default the one built with the tests). Throws
  // std::runtime_error when it cannot be loaded, an export is missing, a name and its
  // ordinal disagree, or an import to replace is not found.
  explicit PluginHost(std::string dll_path = BuiltDllPath());
  // Unloads the library, if loaded.
  ~PluginHost();

  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  // Unloads the library (FreeLibrary) and loads it again: the plug-in starts from its
  // load-time state, and the two imports are replaced again. The date and path that
  // were set stay set.
  void Reload();
  // Unloads the library; dll() and module() must not be used until Load().
  void Unload();
  // Loads the library, resolves the exports and replaces the two imports.
  void Load();
  bool loaded() const { return module_ != nullptr; }

  // The exports of the loaded library.
  const Exports& dll() const { return exports_; }
  HMODULE module() const { return module_; }
  const std::string& dll_path() const { return dll_path_; }

  // The date GetLocalTime reports to the library, taken as given: no check, so that a
  // test may also report a date that does not exist. Time of day is noon; the weekday
  // field is left 0 (the library reads only the date).
  void SetToday(std::uint16_t year, std::uint16_t month, std::uint16_t day);
  // GetLocalTime reports the machine's clock again (as after construction).
  void UseRealClock();

  // The path GetModuleFileNameA reports for the null module handle (the executable);
  // a too small buffer truncates it as Windows does. Other module handles get the
  // real answer.
  void SetExecutablePath(std::string path);
  // GetModuleFileNameA fails for the null module handle: it returns 0.
  void FailExecutablePath();
  // GetModuleFileNameA reports the real executable again (as after construction).
  void UseRealExecutablePath();

 private:
  void ResolveExports();
  void ReplaceImports();

  std::string dll_path_;
  HMODULE module_ = nullptr;
  Exports exports_;
};

}  // namespace kelotarhu::test
