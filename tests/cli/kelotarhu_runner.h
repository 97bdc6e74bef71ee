// Runs the built kelotarhu command with the given arguments.
#pragma once

#include <string>
#include <vector>

#include "run_program.h"

namespace kelotarhu::testing {

// No locale variable set: the tool speaks English.
inline const std::vector<std::string> kNoLocale = {"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG="};

inline ProgramRun Kelotarhu(const std::vector<std::string>& arguments,
                            const std::vector<std::string>& environment = kNoLocale) {
  return RunProgram(KELOTARHU_CLI_PATH, arguments, environment);
}

// The tool in one language, chosen on the command line.
inline ProgramRun KelotarhuIn(const std::string& language, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "--lang=" + language);
  return Kelotarhu(arguments);
}

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

// The columns a UTF-8 text takes on a terminal: one per character (the tool writes no
// wide or combining ones).
std::size_t DisplayColumns(const std::string& text);

}  // namespace kelotarhu::testing
