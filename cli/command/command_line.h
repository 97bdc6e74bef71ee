// The kelotarhu command: a command line parsed, checked and run, in the chosen language.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command/environment.h"
#include "cli/text/texts.h"

namespace kelotarhu::cli {

// The language the command speaks: --lang if it names one, else the environment's.
const Texts& ChosenTexts(const std::vector<std::string>& arguments, const Environment& environment);

// Runs the command for UTF-8 arguments (program name first), speaking the language of
// `texts`; returns the exit status.
int RunCommandLine(const std::vector<std::string>& arguments, const Environment& environment,
                   const Texts& texts, std::ostream& out, std::ostream& err);

// `status` when all of standard output was written; else the write error (an errno
// value) reported as one line on `err`, and kExitWriteFailure.
int StatusAfterOutput(int status, std::optional<int> write_error, const Texts& texts,
                      std::ostream& err);

}  // namespace kelotarhu::cli
