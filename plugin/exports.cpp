// The exported entry points: thin stdcall wrappers over the one plug-in instance. No
// C++ exception may reach the host, so every call that can allocate is guarded.
#include "plugin/exports.h"

#include "plugin/instance_seam.h"
#include "plugin/plugin.h"
#include "plugin/texts.h"

namespace {

kelotarhu::plugin::Plugin& Instance() {
  static kelotarhu::plugin::Plugin plugin;
  return plugin;
}

// Runs an entry point's body; should it throw (out of memory, in practice), the host
// gets `fallback` and the plug-in stays usable for the next call.
template <typename Result, typename Body>
Result Guarded(Result fallback, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

}  // namespace

#if !defined(_WIN32)
void kelotarhu::plugin::ReplaceInstanceWithFresh() { Instance() = Plugin(); }
#endif

using kelotarhu::plugin::kEmptyText;

extern "C" {

const char* KELOTARHU_CALL GetFlag(std::uint32_t, const char* flag_path) {
  return Guarded<const char*>(kEmptyText, [&] { return Instance().GetFlag(flag_path); });
}

const char* KELOTARHU_CALL GetHoliday(std::uint32_t, const char* red_answer) {
  return Guarded<const char*>(kEmptyText, [&] { return Instance().GetHoliday(red_answer); });
}

const char* KELOTARHU_CALL GetNameDay(std::uint32_t, const char* finnish_answer,
                                      const char* swedish_answer, const char* separator) {
  return Guarded<const char*>(
      kEmptyText, [&] { return Instance().GetNameDay(finnish_answer, swedish_answer, separator); });
}

const char* KELOTARHU_CALL getparam(const char* function_name) {
  return Guarded<const char*>(kEmptyText, [&] { return Instance().GetParam(function_name); });
}

std::int32_t KELOTARHU_CALL dlltype() { return kelotarhu::plugin::kDllType; }

const char* KELOTARHU_CALL init() { return kelotarhu::plugin::kDisplayFunctions.data(); }

const char* KELOTARHU_CALL getinfo(std::uint32_t type) { return kelotarhu::plugin::InfoText(type); }

std::int32_t KELOTARHU_CALL configure() { return 0; }

std::int32_t KELOTARHU_CALL dllshutdown(std::uint32_t) { return Instance().Shutdown(); }

// Zero tells the host that the start failed (no memory for the table); the next
// display call retries the build.
std::int32_t KELOTARHU_CALL dllstartup(std::uint32_t, std::uint32_t) {
  return Guarded<std::int32_t>(0, [] { return Instance().Startup(); });
}

}  // extern "C"
