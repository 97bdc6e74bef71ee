#pragma once

namespace kelotarhu::cli {

// The tool's exit statuses.
enum ExitCode : int {
  kExitSuccess = 0,
  kExitPluginFailure = 1,  // the plug-in is missing, no library, breaks the contract or crashed
  kExitUsage = 2,          // an option or argument the tool cannot take
};

}  // namespace kelotarhu::cli
