// A plug-in library loaded into this process (dlopen natively, LoadLibrary on
// Windows) and unloaded again when the object goes.
#pragma once

#include <stdexcept>
#include <string>

namespace kelotarhu::cli {

// Why a plug-in cannot be used; the message names the file and the reason.
class PluginError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PluginLibrary {
 public:
  // Loads the library at a UTF-8 path; throws PluginError when the file is missing or
  // is no library this system can load.
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // The address of an export, or nullptr when the library lacks it.
  void* Export(const char* name) const;

 private:
  void* handle_;
};

}  // namespace kelotarhu::cli
