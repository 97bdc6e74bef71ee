// What each system does for a plug-in library and the watch over its calls: the
// platform pair plugin_library_posix.cpp and plugin_library_win32.cpp, under the one
// body of plugin_library.cpp.
#pragma once

#include <string>

#include "cli/host/plugin_library.h"

namespace kelotarhu::cli {

enum class PluginFileKind { kMissing, kNotRegular, kRegular };

// Asked before the library is opened, which a file of another kind could make wait.
PluginFileKind KindOfPluginFile(const std::string& path);

// The library at a UTF-8 path, loaded; nullptr with the system's reason in `reason`.
void* OpenLibrary(const std::string& path, std::string& reason);
void CloseLibrary(void* handle);
// The address of an export, or nullptr when the library lacks it.
void* ExportOf(void* handle, const char* name);

// The start of the message a crash prints, prepared before the call it watches.
CrashMessageStart& CrashMessage();
// The crash handlers, installed at the first start and left in place: from the start to
// the stop a crash is the plug-in's.
void StartCrashWatch();
void StopCrashWatch();

}  // namespace kelotarhu::cli
