// kelotarhu: what a day means in the Finnish calendar, and a reference host for the
// Kelotarhu plug-in.
#include <iostream>

#include "cli/checked_output.h"
#include "cli/command_line.h"
#include "cli/console.h"

int main(int argc, char** argv) {
  kelotarhu::cli::PrepareConsole();
  const std::vector<std::string> arguments = kelotarhu::cli::Utf8Arguments(argc, argv);
  kelotarhu::cli::CheckedOutput out;
  const int status = kelotarhu::cli::RunCommandLine(arguments, out.stream(), std::cerr);
  return out.Finish(status, kelotarhu::cli::ChosenTexts(arguments), std::cerr);
}
