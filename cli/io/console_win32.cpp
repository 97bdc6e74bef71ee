// Windows consoles. Text for a console goes out as whole lines of wide characters
// through WriteConsoleW, which shows every character whatever the console's code page,
// from Windows XP on; redirected output stays UTF-8 bytes, in binary mode. The narrow
// argv is in the ANSI code page, so the arguments come from the wide command line.
// windows.h first: shellapi.h relies on its definitions.
#include <windows.h>
// (a separate block, so that sorting the includes keeps this order)
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <streambuf>

#include "cli/io/console.h"
#include "cli/io/windows_files.h"
#include "cli/text/utf8.h"

namespace kelotarhu::cli {
namespace {

// A stream buffer that collects UTF-8 text and writes it to a console as wide text at
// each line end, when full and when flushed; a character cut by the buffer's end waits
// for the rest of its bytes.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  ConsoleBuffer(const ConsoleBuffer&) = delete;
  ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override {
    if (WriteOut() != 0) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
  }

  std::streamsize xsputn(const char_type* text, std::streamsize count) override {
    const std::streamsize written = std::streambuf::xsputn(text, count);
    const std::string_view line(text, static_cast<std::size_t>(written));
    if (line.find('\n') != std::string_view::npos && WriteOut() != 0) return 0;
    return written;
  }

  int sync() override { return WriteOut(); }

 private:
  // Writes all but an incomplete last character; 0 when done, -1 when the console fails.
  int WriteOut() {
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t tail = IncompleteTail(pending);
    const std::string_view complete = pending.substr(0, pending.size() - tail);
    const bool written = complete.empty() || WriteWide(complete);
    std::char_traits<char>::move(buffer_.data(), pending.data() + complete.size(), tail);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    pbump(static_cast<int>(tail));
    return written ? 0 : -1;
  }

  bool WriteWide(std::string_view utf8) {
    std::wstring wide(utf8.size(), L'\0');  // never more UTF-16 units than UTF-8 bytes
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                          wide.data(), static_cast<int>(wide.size()));
    for (int done = 0; done < units;) {
      DWORD written = 0;
      if (!WriteConsoleW(console_, wide.data() + done, static_cast<DWORD>(units - done), &written,
                         nullptr) ||
          written == 0) {
        return false;
      }
      done += static_cast<int>(written);
    }
    return units > 0;
  }

  HANDLE console_;
  std::array<char, 4096> buffer_{};
};

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// Standard output or error: a console gets a ConsoleBuffer, anything else binary mode.
void Prepare(std::ostream& stream, FILE* file, DWORD handle_number) {
  const HANDLE handle = GetStdHandle(handle_number);
  if (IsConsole(handle)) {
    // Kept to the very end: the standard streams flush into it as the program exits.
    stream.rdbuf(new ConsoleBuffer(handle));
  } else {
    std::fflush(file);
    _setmode(_fileno(file), _O_BINARY);
  }
}

// The console mode to give back at exit, once escape processing was turned on.
DWORD original_output_mode = 0;

void RestoreOutputMode() {
  std::cout.flush();
  SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), original_output_mode);
}

}  // namespace

void PrepareConsole() {
  Prepare(std::cout, stdout, STD_OUTPUT_HANDLE);
  Prepare(std::cerr, stderr, STD_ERROR_HANDLE);
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
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (IsConsole(output)) {
    // As wide text, which a console shows whatever its code page.
    static ConsoleBuffer console(output);
    const auto size = static_cast<std::streamsize>(bytes.size());
    return console.sputn(bytes.data(), size) == size && console.pubsync() == 0 ? 0 : EIO;
  }
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

OutputKind StandardOutputKind() {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(output, &mode)) return OutputKind::kNotTerminal;
  if (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) return OutputKind::kTerminal;
  // Consoles before Windows 10 refuse the mode.
  if (!SetConsoleMode(output, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING)) {
    return OutputKind::kConsoleWithoutEscapes;
  }
  original_output_mode = mode;
  std::atexit(RestoreOutputMode);
  return OutputKind::kTerminal;
}

std::optional<std::size_t> TerminalColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) return std::nullopt;
  return static_cast<std::size_t>(info.srWindow.Right - info.srWindow.Left + 1);
}

std::string UserInterfaceLanguage() {
  switch (PRIMARYLANGID(GetUserDefaultUILanguage())) {
    case LANG_FINNISH:
      return "fi";
    case LANG_SWEDISH:
      return "sv";
    default:
      return "en";
  }
}

}  // namespace kelotarhu::cli
