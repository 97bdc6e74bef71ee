// A plug-in library loaded into this process (dlopen natively, LoadLibrary on
// Windows) and unloaded again when the object goes, and the watch over each call into
// it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kelotarhu::cli {

// Why a plug-in cannot be used; the message names the file and the reason.
class PluginError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// While one lives, a crash of the process (natively a fatal signal, on Windows an
// unhandled exception) is taken for a crash of the plug-in `when` ("in dllstartup",
// "while loading"): standard error gets "kelotarhu: the plug-in crashed <when> (<what
// happened>)" and the process ends at once with status 1, running nothing more of the
// plug-in's. Whatever the caller buffered must be flushed before, since nothing else is.
class CrashWatch {
 public:
  explicit CrashWatch(std::string_view when);
  ~CrashWatch();
  CrashWatch(const CrashWatch&) = delete;
  CrashWatch& operator=(const CrashWatch&) = delete;
};

class PluginLibrary {
 public:
  // Loads the library at a UTF-8 path; throws PluginError when the file is missing, is
  // not a regular file (a folder, a FIFO, a device: refused before anything opens it)
  // or is no library this system can load. Loading and unloading run under a
  // CrashWatch.
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // The address of an export, or nullptr when the library lacks it.
  void* Export(const char* name) const;

 private:
  void* handle_;
};

// The start of a crash message, "kelotarhu: the plug-in crashed <when> (", cut to fit:
// prepared by a CrashWatch before the call, since a crashed process can no longer
// build it.
class CrashMessageStart {
 public:
  void Prepare(std::string_view when) {
    constexpr std::string_view kStart = "kelotarhu: the plug-in crashed ";
    constexpr std::string_view kOpening = " (";
    const std::size_t when_size =
        std::min(when.size(), sizeof text_ - kStart.size() - kOpening.size());
    kStart.copy(text_, kStart.size());
    when.copy(text_ + kStart.size(), when_size);
    kOpening.copy(text_ + kStart.size() + when_size, kOpening.size());
    size_ = kStart.size() + when_size + kOpening.size();
  }
  const char* text() const { return text_; }
  std::size_t size() const { return size_; }

 private:
  char text_[256] = {};
  std::size_t size_ = 0;
};

}  // namespace kelotarhu::cli
