#pragma once

namespace kelotarhu::cli {

// The tool's exit statuses.
enum ExitCode : int {
  kExitSuccess = 0,
  kExitPluginFailure = 1,  // the plug-in is missing, no library, or lacks an export
  kExitNotFound = 1,       // a name no list holds, a day of a kind that never comes
  kExitWriteFailure = 1,   // the output could not be written
  kExitUsage = 2,          // an option or argument the tool cannot take
};

}  // namespace kelotarhu::cli
