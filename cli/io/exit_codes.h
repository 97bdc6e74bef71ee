#pragma once

namespace kelotarhu::cli {

// The tool's exit statuses: 1 for what fails at run time, 2 for what the user must change.
enum ExitCode : int {
  kExitSuccess = 0,
  kExitPluginFailure = 1,  // the plug-in is missing, no library, breaks the contract or crashed
  kExitNotFound = 1,       // a name no list holds, a day of a kind that never comes
  kExitWriteFailure = 1,   // the output (standard output or --output FILE) could not be written
  kExitUsage = 2,          // an option or argument the tool cannot take
};

}  // namespace kelotarhu::cli
