// Runs a program as a child process and collects what it printed and its exit status.
#pragma once

#include <string>
#include <vector>

namespace kelotarhu::testing {

struct ProgramRun {
  int exit_status = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// `environment`: "NAME=VALUE" entries that replace or add to this process's environment
// for the child ("NAME=" leaves a variable set but empty).
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& environment = {});

}  // namespace kelotarhu::testing
