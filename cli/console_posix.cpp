// POSIX consoles already pass UTF-8 through, and arguments arrive as UTF-8.
#include <unistd.h>

#include "cli/console.h"

namespace kelotarhu::cli {

void PrepareConsole() {}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

bool StandardOutputTakesColor() { return isatty(STDOUT_FILENO) == 1; }

}  // namespace kelotarhu::cli
