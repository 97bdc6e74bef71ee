// POSIX consoles already pass UTF-8 through, and arguments arrive as UTF-8.
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

#include "cli/io/console.h"

namespace kelotarhu::cli {

void PrepareConsole() {}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

int WriteStandardOutput(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

OutputKind StandardOutputKind() {
  return isatty(STDOUT_FILENO) == 1 ? OutputKind::kTerminal : OutputKind::kNotTerminal;
}

std::optional<std::size_t> TerminalColumns() {
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return std::nullopt;
  return size.ws_col;
}

std::string UserInterfaceLanguage() { return {}; }

}  // namespace kelotarhu::cli
