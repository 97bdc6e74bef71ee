// A plug-in library loaded into this process (dlopen natively, LoadLibrary on
// Windows) and unloaded again when the object goes, and the watch over each call into
// it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cli/text/texts.h"

namespace kelotarhu::cli {

// Why a plug-in cannot be used; the message names the file and the reason.
class PluginError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// While one lives, a crash of the process (natively a fatal signal, on Windows an
// unhandled exception) is taken for the crash of the plug-in that `message` tells ("the
// plug-in crashed in dllstartup"): standard error gets "kelotarhu: <message> (<what
// happened, as the system names it>)" and the process ends at once with status 1,
// running nothing more of the plug-in's. Whatever the caller buffered must be flushed
// before, since nothing else is.
class CrashWatch {
 public:
  explicit CrashWatch(std::string_view message);
  ~CrashWatch();
  // From now on a crash is taken for what `message` tells; the watch goes on unbroken.
  void Retell(std::string_view message);
  CrashWatch(const CrashWatch&) = delete;
  CrashWatch& operator=(const CrashWatch&) = delete;
};

class PluginLibrary {
 public:
  // Loads the library at a UTF-8 path; throws PluginError, worded in the language of
  // `texts`, when the file is missing, is not a regular file (a folder, a FIFO, a device:
  // refused before anything opens it) or is no library this system can load. Loading
  // and unloading run under a CrashWatch.
  PluginLibrary(const std::string& path, const Texts& texts);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // The address of an export, or nullptr when the library lacks it.
  void* Export(const char* name) const;

 private:
  const Texts& texts_;
  void* handle_;
};

// The start of a crash message, "kelotarhu: <message> (", cut to fit: prepared by a
// CrashWatch before the call, since a crashed process can no longer build it.
class CrashMessageStart {
 public:
  void Prepare(std::string_view message) {
    constexpr std::string_view kStart = "kelotarhu: ";
    constexpr std::string_view kOpening = " (";
    const std::size_t message_size =
        std::min(message.size(), sizeof text_ - kStart.size() - kOpening.size());
    kStart.copy(text_, kStart.size());
    message.copy(text_ + kStart.size(), message_size);
    kOpening.copy(text_ + kStart.size() + message_size, kOpening.size());
    size_ = kStart.size() + message_size + kOpening.size();
  }
  const char* text() const { return text_; }
  std::size_t size() const { return size_; }

 private:
  char text_[256] = {};
  std::size_t size_ = 0;
};

}  // namespace kelotarhu::cli
