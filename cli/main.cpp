// kelotarhu: what a day means in the Finnish calendar, and a reference host for the
// Kelotarhu plug-in.
#include <iostream>

#include "cli/command_line.h"
#include "cli/console.h"

int main(int argc, char** argv) {
  kelotarhu::cli::PrepareConsole();
  return kelotarhu::cli::RunCommandLine(kelotarhu::cli::Utf8Arguments(argc, argv), std::cout,
                                        std::cerr);
}
