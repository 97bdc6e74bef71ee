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

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace kelotarhu::testing
