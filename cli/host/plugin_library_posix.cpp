#include <dlfcn.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>

#include "cli/host/plugin_system.h"
#include "cli/io/exit_codes.h"

namespace kelotarhu::cli {
namespace {

// The signals by which a plug-in's fault ends a process, with what the message says.
struct FatalSignal {
  int number;
  const char* what;
};
constexpr std::array<FatalSignal, 5> kFatalSignals = {{
    {SIGSEGV, "segmentation fault"},
    {SIGBUS, "bus error"},
    {SIGILL, "illegal instruction"},
    {SIGFPE, "arithmetic fault"},
    {SIGABRT, "aborted"},
}};

volatile sig_atomic_t watching = 0;
std::array<struct sigaction, kFatalSignals.size()> previous_actions;

void Write(const char* text, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(STDERR_FILENO, text, size);
    if (written <= 0) return;
    text += written;
    size -= static_cast<std::size_t>(written);
  }
}

// Only async-signal-safe calls: write, _exit, sigaction.
void OnFatalSignal(int number) {
  std::size_t index = 0;
  while (index + 1 < kFatalSignals.size() && kFatalSignals[index].number != number) ++index;
  if (watching == 0) {
    // Not the plug-in's: the handler there was before (a sanitizer's, or the default)
    // takes the signal when the fault recurs, or when abort raises it again.
    sigaction(number, &previous_actions[index], nullptr);
    return;
  }
  const char* what = kFatalSignals[index].what;
  Write(CrashMessage().text(), CrashMessage().size());
  Write(what, std::strlen(what));
  Write(")\n", 2);
  _exit(kExitPluginFailure);
}

// Once per process. The handlers run on a stack of their own, so that a plug-in that
// overflows its stack is reported too.
void InstallCrashHandlers() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  static std::array<char, 64 * 1024> handler_stack;
  stack_t stack{};
  stack.ss_sp = handler_stack.data();
  stack.ss_size = handler_stack.size();
  sigaltstack(&stack, nullptr);
  struct sigaction action {};
  action.sa_handler = OnFatalSignal;
  action.sa_flags = SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < kFatalSignals.size(); ++i) {
    sigaction(kFatalSignals[i].number, &action, &previous_actions[i]);
  }
}

}  // namespace

PluginFileKind KindOfPluginFile(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return PluginFileKind::kMissing;
  // dlopen of a FIFO would wait for a writer for ever; a folder or a device is no
  // library either.
  return S_ISREG(status.st_mode) ? PluginFileKind::kRegular : PluginFileKind::kNotRegular;
}

void* OpenLibrary(const std::string& path, std::string& reason) {
  // A name without a slash would be searched for on the library path, not taken here.
  const std::string here = path.find('/') == std::string::npos ? "./" + path : path;
  void* handle = dlopen(here.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* error = dlerror();
    reason = error ? error : "";
  }
  return handle;
}

void StartCrashWatch() {
  InstallCrashHandlers();
  watching = 1;
}

void StopCrashWatch() { watching = 0; }

void CloseLibrary(void* handle) { dlclose(handle); }

void* ExportOf(void* handle, const char* name) { return dlsym(handle, name); }

}  // namespace kelotarhu::cli
