// The values of the options, read and checked before anything is shown.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "cli/command/command_request.h"
#include "cli/command/day_output.h"
#include "cli/export/ics_export.h"
#include "cli/host/answer_argument.h"
#include "cli/show/style.h"

namespace kelotarhu::cli {

// The values of the options that are read before anything is shown.
struct Values {
  OutputFormat format = OutputFormat::kText;
  ColorChoice color = ColorChoice::kAuto;
  CalendarKind calendar = CalendarKind::kAlmanac;
  std::vector<std::string> names;       // of --name, without surrounding blanks
  int day_count = 0;                    // of --days
  IcsContent events;                    // of --events
  std::vector<AnswerArgument> answers;  // of --answer
};

// A bad option value: its message, in the language of the texts it was read with.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Every option value read, so that a bad one is refused (UsageError) before anything is
// shown.
Values ReadValues(const Request& request, const Texts& texts);

}  // namespace kelotarhu::cli
