// The few things the tool needs from the console it runs in.
#pragma once

#include <string>
#include <vector>

namespace kelotarhu::cli {

// Standard output and error carry UTF-8 bytes unchanged (on Windows: the UTF-8 code
// page and binary mode, so that no CR is added before LF).
void PrepareConsole();

// The command-line arguments in UTF-8, program name first.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Whether standard output is a terminal that shows ANSI colours.
bool StandardOutputTakesColor();

}  // namespace kelotarhu::cli
