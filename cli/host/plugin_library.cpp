#include "cli/host/plugin_library.h"

#include "cli/host/plugin_system.h"
#include "cli/text/language.h"
#include "cli/text/messages.h"

namespace kelotarhu::cli {
namespace {

void* Load(const std::string& path, const Texts& texts) {
  switch (KindOfPluginFile(path)) {
    case PluginFileKind::kMissing:
      throw PluginError(Fill(texts.no_such_file, {QuotedPath(path)}));
    case PluginFileKind::kNotRegular:
      throw PluginError(Fill(texts.not_a_regular_file, {QuotedPath(path)}));
    case PluginFileKind::kRegular:
      break;
  }
  const CrashWatch watch(Fill(texts.crashed, {texts.while_loading}));
  std::string reason;
  void* handle = OpenLibrary(path, reason);
  if (!handle) throw PluginError(Fill(texts.not_a_library, {QuotedPath(path), reason}));
  return handle;
}

}  // namespace

CrashMessageStart& CrashMessage() {
  static CrashMessageStart message;
  return message;
}

CrashWatch::CrashWatch(std::string_view message) {
  CrashMessage().Prepare(message);
  StartCrashWatch();
}

CrashWatch::~CrashWatch() { StopCrashWatch(); }

// Only this program's code runs meanwhile: nothing to crash while the message changes.
void CrashWatch::Retell(std::string_view message) { CrashMessage().Prepare(message); }

PluginLibrary::PluginLibrary(const std::string& path, const Texts& texts)
    : texts_(texts), handle_(Load(path, texts)) {}

PluginLibrary::~PluginLibrary() {
  const CrashWatch watch(Fill(texts_.crashed, {texts_.while_unloading}));
  CloseLibrary(handle_);
}

void* PluginLibrary::Export(const char* name) const { return ExportOf(handle_, name); }

}  // namespace kelotarhu::cli
