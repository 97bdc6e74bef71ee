// POSIX consoles already pass UTF-8 through, and arguments arrive as UTF-8.
#include <unistd.h>

#include "cli/console.h"

namespace kelotarhu::cli {

void PrepareConsole() {}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

OutputKind StandardOutputKind() {
  return isatty(STDOUT_FILENO) == 1 ? OutputKind::kTerminal : OutputKind::kNotTerminal;
}

std::string UserInterfaceLanguage() { return {}; }

}  // namespace kelotarhu::cli
