// The exported entry points: thin stdcall wrappers over the one plug-in instance. The
// plug-in is built without C++ exceptions: running out of memory is a result like any
// other, so nothing can unwind into the host.
#include "plugin/exports.h"

#include <memory>

#include "plugin/instance_seam.h"
#include "plugin/plugin.h"

namespace {

// Constant-initialised at load, so no guard (and no lock) is needed to reach it; its
// destructor gives back every text at unload.
constinit kelotarhu::plugin::Plugin instance;

}  // namespace

#if !defined(_WIN32)
void kelotarhu::plugin::ReplaceInstanceWithFresh() {
  std::destroy_at(&instance);
  std::construct_at(&instance);
}
#endif

extern "C" {

const char* KELOTARHU_CALL GetFlag(std::uint32_t, const char* flag_path) {
  return instance.GetFlag(flag_path);
}

const char* KELOTARHU_CALL GetHoliday(std::uint32_t, const char* red_answer) {
  return instance.GetHoliday(red_answer);
}

const char* KELOTARHU_CALL GetNameDay(std::uint32_t, const char* finnish_answer,
                                      const char* swedish_answer, const char* separator) {
  return instance.GetNameDay(finnish_answer, swedish_answer, separator);
}

const char* KELOTARHU_CALL getparam(const char* function_name) {
  return instance.GetParam(function_name);
}

std::int32_t KELOTARHU_CALL dlltype() { return kelotarhu::plugin::kDllType; }

const char* KELOTARHU_CALL init() { return kelotarhu::plugin::kDisplayFunctions.data(); }

const char* KELOTARHU_CALL getinfo(std::uint32_t type) { return kelotarhu::plugin::InfoText(type); }

std::int32_t KELOTARHU_CALL configure() { return 0; }

std::int32_t KELOTARHU_CALL dllshutdown(std::uint32_t) { return instance.Shutdown(); }

// Zero tells the host that the start failed (no memory for the table); the next
// display call retries the build.
std::int32_t KELOTARHU_CALL dllstartup(std::uint32_t, std::uint32_t) { return instance.Startup(); }

}  // extern "C"
