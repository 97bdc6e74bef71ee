// The few things the tool needs from the console it runs in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelotarhu::cli {

// Standard output and error carry UTF-8 bytes unchanged (on Windows: the UTF-8 code
// page and binary mode, so that no CR is added before LF).
void PrepareConsole();

// The command-line arguments in UTF-8, program name first.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Writes all of `bytes` to standard output: 0 when done, else the errno value of the
// write that failed.
int WriteStandardOutput(std::string_view bytes);

// Whether standard output is a terminal that shows ANSI colours.
bool StandardOutputTakesColor();

}  // namespace kelotarhu::cli
