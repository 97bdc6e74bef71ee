// Runs the built kelotarhu command with the given arguments.
#pragma once

#include <string>
#include <vector>

#include "run_program.h"

namespace kelotarhu::testing {

inline ProgramRun Kelotarhu(const std::vector<std::string>& arguments) {
  return RunProgram(KELOTARHU_CLI_PATH, arguments);
}

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

}  // namespace kelotarhu::testing
