// Windows consoles: UTF-8 output code page, binary standard streams, and the wide
// command line converted to UTF-8 (the narrow argv is in the ANSI code page).
// windows.h first: shellapi.h relies on its definitions.
#include <windows.h>
// (a separate block, so that sorting the includes keeps this order)
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>

#include "cli/console.h"

namespace kelotarhu::cli {
namespace {

std::string Utf8FromWide(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.pop_back();  // the terminating zero
  return out;
}

}  // namespace

void PrepareConsole() {
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

int WriteStandardOutput(std::string_view bytes) {
  while (!bytes.empty()) {
    const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), INT_MAX));
    const int written = _write(_fileno(stdout), bytes.data(), chunk);
    if (written < 0) {
      // The C runtime calls a pipe without a reader an invalid argument.
      const DWORD reason = GetLastError();
      const bool broken_pipe = reason == ERROR_BROKEN_PIPE || reason == ERROR_NO_DATA ||
                               reason == ERROR_PIPE_NOT_CONNECTED;
      return broken_pipe ? EPIPE : errno;
    }
    if (written == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

bool StandardOutputTakesColor() {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(output, &mode)) return false;  // a pipe or a file
  return SetConsoleMode(output, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

}  // namespace kelotarhu::cli
