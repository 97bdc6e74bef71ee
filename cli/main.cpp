// kelotarhu: what a day means in the Finnish calendar, and a reference host for the
// Kelotarhu plug-in.
#include <iostream>

#include "cli/command/command_line.h"
#include "cli/command/environment.h"
#include "cli/io/checked_output.h"
#include "cli/io/console.h"

int main(int argc, char** argv) {
  using namespace kelotarhu::cli;
  PrepareConsole();
  const std::vector<std::string> arguments = Utf8Arguments(argc, argv);
  const Environment environment = ReadEnvironment();
  const Texts& texts = ChosenTexts(arguments, environment);
  CheckedOutput out;
  const int status = RunCommandLine(arguments, environment, texts, out.stream(), std::cerr);
  return StatusAfterOutput(status, out.Finish(), texts, std::cerr);
}
