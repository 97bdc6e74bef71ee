// The kelotarhu command: its options and what each of them runs.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/texts.h"

namespace kelotarhu::cli {

// The language the command speaks: --lang if it names one, else the environment's.
const Texts& ChosenTexts(const std::vector<std::string>& arguments);

// Runs the command for UTF-8 arguments (program name first); returns the exit status.
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace kelotarhu::cli
