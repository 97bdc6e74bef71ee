#include <dlfcn.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>

#include "cli/exit_codes.h"
#include "cli/language.h"
#include "cli/messages.h"
#include "cli/plugin_library.h"

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

CrashMessageStart crash_message;
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
  Write(crash_message.text(), crash_message.size());
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

void* Load(const std::string& path, const Texts& texts) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) {
    throw PluginError(Fill(texts.no_such_file, {QuotedPath(path)}));
  }
  // dlopen of a FIFO would wait for a writer for ever; a folder or a device is no
  // library either.
  if (!S_ISREG(status.st_mode)) {
    throw PluginError(Fill(texts.not_a_regular_file, {QuotedPath(path)}));
  }
  // A name without a slash would be searched for on the library path, not taken here.
  const std::string here = path.find('/') == std::string::npos ? "./" + path : path;
  const CrashWatch watch(Fill(texts.crashed, {texts.while_loading}));
  void* handle = dlopen(here.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = dlerror();
    throw PluginError(Fill(texts.not_a_library, {QuotedPath(path), reason ? reason : ""}));
  }
  return handle;
}

}  // namespace

CrashWatch::CrashWatch(std::string_view message) {
  InstallCrashHandlers();
  crash_message.Prepare(message);
  watching = 1;
}

CrashWatch::~CrashWatch() { watching = 0; }

// Only this program's code runs meanwhile: nothing to crash while the message changes.
void CrashWatch::Retell(std::string_view message) { crash_message.Prepare(message); }

PluginLibrary::PluginLibrary(const std::string& path, const Texts& texts)
    : texts_(texts), handle_(Load(path, texts)) {}

PluginLibrary::~PluginLibrary() {
  const CrashWatch watch(Fill(texts_.crashed, {texts_.while_unloading}));
  dlclose(handle_);
}

void* PluginLibrary::Export(const char* name) const { return dlsym(handle_, name); }

}  // namespace kelotarhu::cli
