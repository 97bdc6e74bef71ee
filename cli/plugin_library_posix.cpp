#include <dlfcn.h>
#include <sys/stat.h>

#include "cli/plugin_library.h"

namespace kelotarhu::cli {
namespace {

void* Load(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) throw PluginError("no such file: " + path);
  // A name without a slash would be searched for on the library path, not taken here.
  const std::string here = path.find('/') == std::string::npos ? "./" + path : path;
  void* handle = dlopen(here.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = dlerror();
    throw PluginError("not a loadable library: " + path + " (" + (reason ? reason : "") + ")");
  }
  return handle;
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : handle_(Load(path)) {}

PluginLibrary::~PluginLibrary() { dlclose(handle_); }

void* PluginLibrary::Export(const char* name) const { return dlsym(handle_, name); }

}  // namespace kelotarhu::cli
