// The few things the tool needs from the console it runs in.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelotarhu::cli {

// Sets up standard output and error to carry the tool's UTF-8 text: to a file or pipe
// unchanged (on Windows in binary mode, so that no CR is added before LF), to a Windows
// console as whole lines of wide characters.
void PrepareConsole();

// The command-line arguments in UTF-8, program name first.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Writes all of `bytes` to standard output: 0 when done, else the errno value of the
// write that failed.
int WriteStandardOutput(std::string_view bytes);

enum class OutputKind {
  kTerminal,               // shows colour escapes (on Windows 10 and later, turned on here)
  kConsoleWithoutEscapes,  // an older Windows console: escapes would show as text
  kNotTerminal,            // a file or a pipe
};

// What standard output is. On Windows this turns on the console's escape processing
// where it has one, and the console gets its old mode back at exit.
OutputKind StandardOutputKind();

// How many columns wide the terminal or console standard output goes to is; nothing when
// it goes to a file or a pipe.
std::optional<std::size_t> TerminalColumns();

// The language of the system's user interface as a locale name ("fi", "sv", "en"), for
// a system without locale variables; empty where the locale variables are the way.
std::string UserInterfaceLanguage();

}  // namespace kelotarhu::cli
